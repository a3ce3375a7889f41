#include "grid/CellGrid.h"

#include <QCursor>

bool TCellGrid::PanCanStart() const
{
    return WheelMessage() != 0 && !FPan.Active() && FIntelliPan != ipNone && FixedRows() < RowCount();
}

void TCellGrid::PanStep()
{
    const QPoint direction = FPan.Direction(ClientPoint(mapFromGlobal(QCursor::pos())), FIntelliPan);
    const int h = direction.x();
    const int v = direction.y();

    const std::int32_t lastRow = RowCount() - FFixedFooters - 1;
    const std::int32_t lastCol = ColCount() - FFixedRightCols - 1;
    if (Row() > lastRow)
        SetRow(lastRow);
    if (Row() < FixedRows())
        SetRow(FixedRows());
    if (Col() > lastCol)
        SetCol(lastCol);
    if (Col() < FixedCols())
        SetCol(FixedCols());

    // A move that scrolls would carry the marker along with the cells.
    if ((h == -1 && Col() > FixedCols()) || (h == 1 && Col() < lastCol)) {
        const std::int32_t col = Col() + h;
        if (col < LeftCol() || col >= LeftCol() + VisibleColCount())
            ErasePanMarker();
        SetCol(col);
    }
    if ((v == -1 && Row() > FixedRows()) || (v == 1 && Row() < lastRow)) {
        const std::int32_t row = Row() + v;
        if (row < TopRow() || row >= TopRow() + VisibleRowCount())
            ErasePanMarker();
        if (row >= 0 && row <= RowCount() - 1)
            SetRow(row);
    }

    FPan.ShowDirection(direction);
    DrawPanMarker();
}

void TCellGrid::DrawPanMarker()
{
    FPan.DrawMarker(FIntelliPan, ClientOrigin());
}

void TCellGrid::ErasePanMarker()
{
    FPan.EraseMarker(ClientOrigin());
}
