#include "grid/CellGrid.h"

#include <QFocusEvent>

// ---- Keys -----------------------------------------------------------------------

void TCellGrid::KeyDown(int &key, Qt::KeyboardModifiers shift)
{
    const std::int32_t leftCol = LeftCol();
    const TGridRect selection = Selection();
    const TGridCoord current{Col(), Row()};

    if ((key == Qt::Key_Home || key == Qt::Key_End) && FObjects.Navigation->HomeEndKey() == heFirstLastRow) {
        std::int32_t row = FixedRows();
        if (key == Qt::Key_End)
            row = FObjects.FloatingFooter->Visible() && RowCount() > 2 ? RowCount() - 2 : RowCount() - 1;
        SetRow(BaseCellOf(Col(), row).Y);
        key = 0;
        return;
    }

    TBaseGrid::KeyDown(key, shift);

    const bool verticalKey =
        key == Qt::Key_PageUp || key == Qt::Key_PageDown || key == Qt::Key_Up || key == Qt::Key_Down;
    if (verticalKey && Options().testFlag(goRowSelect) && FObjects.Navigation->KeepHorizScroll())
        SetLeftCol(leftCol);
    if (FSelectionRectangle && Selection() != selection)
        update();
    if (key == Qt::Key_A && shift.testFlag(Qt::ControlModifier) && Options().testFlag(goRowSelect)
        && Options().testFlag(goRangeSelect))
        SetSelection({FixedCols(), FixedRows(), ColCount() - 1, RowCount() - 1});
    // Fixed columns on the right end a row for Tab: it goes on to the next row.
    if (key == Qt::Key_Tab && !shift.testFlag(Qt::ShiftModifier) && Options().testFlag(goTabs) && FFixedRightCols > 0
        && current.X == ColCount() - FFixedRightCols - 1) {
        const std::int32_t lastRow = RowCount() - FFixedFooters - 1;
        FocusCell(FixedCols(), current.Y >= lastRow ? FixedRows() : current.Y + 1, true);
    }
}

void TCellGrid::KeyPress(QChar &key)
{
    // Esc only cancels a pending edit, which editing does on its own.
    if (key == QChar(0x1B))
        return;
    TBaseGrid::KeyPress(key);
}

// ---- Focus ----------------------------------------------------------------------

void TCellGrid::focusInEvent(QFocusEvent *event)
{
    TBaseGrid::focusInEvent(event);
    if (CellGraphicKind(Col(), Row()) != ctCheckBox
        && ((RowCount() == 1 && FFixedRowAlways) || (ColCount() == 1 && FFixedColAlways)) && !FSavedSelection) {
        // Beyond the last cell, so that no cell shows as selected.
        SaveSelection();
        SetSelection({ColCount(), RowCount(), ColCount(), RowCount()});
    }
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return;
    if (OnEnter)
        OnEnter(this);
    const TGridCoord current{Col(), Row()};
    try {
        CheckSelectCell(current.X, current.Y);
    } catch (...) {
        RememberCellText(current.X, current.Y);
        throw;
    }
    RememberCellText(current.X, current.Y);
}

void TCellGrid::focusOutEvent(QFocusEvent *event)
{
    TBaseGrid::focusOutEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return;
    if (OnExit)
        OnExit(this);
}

// ---- The cell-change check ----------------------------------------------------------

bool TCellGrid::SelectCell(std::int32_t col, std::int32_t row)
{
    return CheckSelectCell(col, row);
}

bool TCellGrid::CheckSelectCell(std::int32_t col, std::int32_t row)
{
    bool allow = true;
    const bool valid = col >= 0 && row >= 0 && col < ColCount() && row < RowCount();
    if (valid) {
        const TGridCoord current{Col(), Row()};
        if (row != current.Y && OnRowChanging)
            OnRowChanging(this, current.Y, row, allow);
        if (col != current.X && OnColChanging)
            OnColChanging(this, current.X, col, allow);
        if ((col != current.X || row != current.Y) && OnCellChanging)
            OnCellChanging(this, current.Y, current.X, row, col, allow);
    }
    if (!allow)
        return false;

    // Editing follows the cell: a cell that refuses switches it off until a
    // cell allows it again.
    bool canEdit = Options().testFlag(goEditing) || FEditingSwitchedOff;
    if (OnCanEditCell)
        OnCanEditCell(this, row, col, canEdit);
    if (canEdit && !Options().testFlag(goEditing)) {
        RememberCellText(col, row);
        SetOptions(Options() | goEditing);
        FEditingSwitchedOff = false;
    } else if (!canEdit && Options().testFlag(goEditing)) {
        SetOptions(Options() & ~TGridOptions(goEditing));
        FEditingSwitchedOff = true;
    }

    if (IsFixedCell(col, row))
        return false;
    const TGridCoord old{Col(), Row()};
    RepaintCellArea(old.X, old.Y);
    const bool canSelect = TBaseGrid::SelectCell(col, row);
    RepaintCellArea(col, row);
    if (FActiveCellShow) {
        for (std::int32_t fixedRow = 0; fixedRow < FixedRows(); ++fixedRow) {
            RepaintCellArea(old.X, fixedRow);
            RepaintCellArea(col, fixedRow);
        }
        for (std::int32_t fixedCol = 0; fixedCol < FixedCols(); ++fixedCol) {
            RepaintCellArea(fixedCol, old.Y);
            RepaintCellArea(fixedCol, row);
        }
    }
    RememberCellText(col, row);
    return canSelect;
}

void TCellGrid::RememberCellText(std::int32_t col, std::int32_t row)
{
    FRememberedCell = {col, row};
    FRememberedText = ReadCellText(FHiddenColumns.RealColIndex(col), row);
}
