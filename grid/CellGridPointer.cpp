#include "grid/CellGrid.h"

#include "platform/Colors.h"
#include "platform/CursorShapes.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>

namespace {

// Cursors of the select zones.
constexpr TCursor RowSelectCursor = 8010;
constexpr TCursor ColumnSelectCursor = 8011;
constexpr TCursor SelectAllCursor = 8012;
// How far below a cell its hint shows.
constexpr int HintGap = 6;

} // namespace

// ---- Buttons --------------------------------------------------------------------

void TCellGrid::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        LeftButtonDown(event);
        return;
    }
    TBaseGrid::mousePressEvent(event);
    if (event->button() == Qt::RightButton && OnRightClickCell) {
        const QPoint point = ClientPoint(event->position().toPoint());
        const TGridCoord cell = MouseCoord(point.x(), point.y());
        if (cell.X >= 0)
            OnRightClickCell(this, cell.Y, cell.X);
    }
}

void TCellGrid::LeftButtonDown(QMouseEvent *event)
{
    const std::int32_t leftCol = LeftCol();
    const QPoint point = ClientPoint(event->position().toPoint());
    const TGridCoord cell = MouseCoord(point.x(), point.y());
    // While a one-row (one-column) grid keeps its selection out of sight, the
    // base grid does not see the press.
    const bool basePress = !FSavedSelection;
    if (cell.X < 0 || cell.Y < 0) {
        if (basePress)
            TBaseGrid::mousePressEvent(event);
        return;
    }
    const TGridCoord base = BaseCellOf(cell.X, cell.Y);
    const bool fixed = base.X < FixedCols() || base.Y < FixedRows() || IsFixedCell(base.X, base.Y);
    if (basePress)
        TBaseGrid::mousePressEvent(event);
    if (fixed)
        return;
    if (Options().testFlag(goRowSelect) && FObjects.Navigation->KeepHorizScroll())
        SetLeftCol(leftCol);
    if (OnClickCell)
        OnClickCell(this, base.Y, base.X);
    // A press on a merged span selects all of it.
    const TCellProperties *properties = CellProperties(base.X, base.Y);
    if (properties && properties->IsBaseCell && (properties->CellSpanX > 0 || properties->CellSpanY > 0)) {
        SetSelection(
            {base.X, base.Y, base.X + std::max(0, properties->CellSpanX), base.Y + std::max(0, properties->CellSpanY)});
    }
}

void TCellGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        mousePressEvent(event);
        return;
    }
    TBaseGrid::mouseDoubleClickEvent(event);
    const QPoint point = ClientPoint(event->position().toPoint());
    const TGridCoord cell = MouseCoord(point.x(), point.y());
    if (cell.X >= 0 && OnDblClickCell)
        OnDblClickCell(this, cell.Y, cell.X);
}

void TCellGrid::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        if (OnClick)
            OnClick(this);
        EndSelecting();
    }
    TBaseGrid::mouseReleaseEvent(event);
}

// ---- Motion and the cursor shape ----------------------------------------------------

void TCellGrid::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint point = ClientPoint(event->position().toPoint());
    const TGridCoord cell = MouseCoord(point.x(), point.y());
    UpdatePointerZone(cell);
    if (Cursor() != FRestingCursor)
        TBaseGrid::SetCursor(FRestingCursor);
    if (FHintCell.X >= 0 && cell != FHintCell) {
        QToolTip::hideText();
        FHintCell = {-1, -1};
    }
    // One row cannot be extended by dragging: selecting ends at once.
    if (RowCount() == 1 || FixedCols() >= ColCount())
        EndSelecting();
    const TGridRect selection = Selection();
    TBaseGrid::mouseMoveEvent(event);
    if (FSelectionRectangle && GridState() == gsSelecting && Selection() != selection)
        update();
    ApplyPointerShape();
}

void TCellGrid::UpdatePointerZone(TGridCoord cell)
{
    FPointerZone = 0;
    if (cell.X < 0 || cell.Y < 0)
        return;
    const bool fixedCol = cell.X < FixedCols();
    const bool fixedRow = cell.Y < FixedRows();
    if (fixedCol && fixedRow && FObjects.MouseActions->AllSelect())
        FPointerZone = 3;
    else if (fixedRow && !fixedCol && FObjects.MouseActions->ColSelect())
        FPointerZone = 1;
    else if (fixedCol && !fixedRow && FObjects.MouseActions->RowSelect())
        FPointerZone = 2;
}

void TCellGrid::ApplyPointerShape()
{
    TCursor shape = Cursor();
    switch (FPointerZone) {
    case 1: shape = ColumnSelectCursor; break;
    case 2: shape = RowSelectCursor; break;
    case 3:
    case 5: shape = SelectAllCursor; break;
    default: break;
    }
    setCursor(platform::cursorShape(shape));
}

// ---- Hints ----------------------------------------------------------------------

void TCellGrid::HintRequest(const QHelpEvent &event)
{
    const QPoint point = ClientPoint(event.pos());
    const TGridCoord cell = MouseCoord(point.x(), point.y());
    FHintCell = cell;
    QString text = toolTip();
    QPoint at = event.pos();
    if (cell.X >= 0 && cell.Y >= 0) {
        const QRect rect = CellRect(cell.X, cell.Y).translated(ClientOrigin());
        at = QPoint(rect.left(), rect.top() + rect.height() + HintGap);
        const TCellGraphic *graphic = FindCellGraphic(cell.X, cell.Y);
        if (graphic && graphic->CellType == ctComment) {
            text = graphic->CellText;
            at = QPoint(rect.left() + rect.width(), rect.top());
        } else {
            const QString cellText = ReadCellText(FHiddenColumns.RealColIndex(cell.X), cell.Y);
            const bool tooWide = QFontMetrics(font()).horizontalAdvance(cellText) > ColWidths(cell.X);
            if (FHintShowCells || (FHintShowLargeText && tooWide))
                text = cellText;
        }
        if (OnGridHint)
            OnGridHint(this, cell.Y, cell.X, text);
    }
    if (text.isEmpty()) {
        QToolTip::hideText();
        return;
    }
    QPalette palette = QToolTip::palette();
    palette.setColor(QPalette::ToolTipBase, platform::resolveColor(FHintColor));
    QToolTip::setPalette(palette);
    QToolTip::showText(mapToGlobal(at), text, this);
}
