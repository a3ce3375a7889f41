#include "grid/CellGrid.h"

#include <QWheelEvent>
#include <algorithm>

namespace {

// The most the cells may be zoomed in or out, in pixels.
constexpr int MaxZoom = 10;

} // namespace

bool TCellGrid::WheelStep(const QWheelEvent &event)
{
    const bool towardUser = WheelNotchDelta(event) < 0;
    if (event.modifiers().testFlag(Qt::ControlModifier) && FIntelliZoom) {
        ZoomCells(towardUser ? FWheelScrollLines : -FWheelScrollLines);
        return true;
    }
    if (!FEnableWheel)
        return true;
    if (FFixedRowAlways && RowCount() == 1)
        return false;

    // Wide enough that no wheel setting can overflow the target row.
    std::int64_t target = std::int64_t(Row()) + (towardUser ? FWheelScrollLines : -std::int64_t(FWheelScrollLines));
    target = std::max<std::int64_t>(target, FixedRows());
    target = std::min<std::int64_t>(target, std::int64_t(RowCount()) - FFixedFooters - 1);
    if (Col() > ColCount() - 1)
        SetCol(ColCount() - 1);
    if (Col() < FixedCols())
        SetCol(FixedCols());

    const std::int32_t leftCol = LeftCol();
    if (target >= 0 && target < RowCount()) {
        ++FPaintLock;
        SetRow(std::int32_t(target));
        if (Options().testFlag(goRowSelect) && FObjects.Navigation->KeepHorizScroll())
            SetLeftCol(leftCol);
        FPaintLock = 0;
    }
    return true;
}

void TCellGrid::ZoomCells(int amount)
{
    const std::int64_t zoom = std::int64_t(FZoomOffset) + amount;
    if (zoom > MaxZoom || zoom < -MaxZoom)
        return;
    FZoomOffset = int(zoom);
    AddToCellSizes(amount);
}

void TCellGrid::DoMouseWheelDown(TShiftState shift, QPoint mousePos)
{
    const std::int32_t leftCol = LeftCol();
    TBaseGrid::DoMouseWheelDown(shift, mousePos);
    WheelRowMoved(leftCol);
}

void TCellGrid::DoMouseWheelUp(TShiftState shift, QPoint mousePos)
{
    const std::int32_t leftCol = LeftCol();
    TBaseGrid::DoMouseWheelUp(shift, mousePos);
    WheelRowMoved(leftCol);
}

void TCellGrid::WheelRowMoved(std::int32_t leftCol)
{
    if (Options().testFlag(goRowSelect) && FObjects.Navigation->KeepHorizScroll())
        SetLeftCol(leftCol);
    const TGridCoord base = BaseCellOf(Col(), Row());
    if (base != TGridCoord{Col(), Row()})
        FocusCell(base.X, base.Y, true);
}
