#include "grid/BaseGrid.h"

#include <QCursor>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>

namespace {

// Wheel units in one notch.
constexpr int WheelDelta = 120;

} // namespace

// ---- Pointer ------------------------------------------------------------------

void TBaseGrid::mousePressEvent(QMouseEvent *event)
{
    BaseMouseDown(*event, false);
}

void TBaseGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    BaseMouseDown(*event, true);
}

void TBaseGrid::BaseMouseDown(const QMouseEvent &event, bool doubleClick)
{
    if (isEnabled() && isVisible()) {
        setFocus(Qt::MouseFocusReason);
        const QWidget *focused = window()->focusWidget();
        if (focused != this && !isAncestorOf(focused)) {
            if (mouseGrabber() == this)
                releaseMouse();
            return;
        }
    }
    const QPoint point = ClientPoint(event.position().toPoint());
    if (doubleClick) {
        if (OnDblClick)
            OnDblClick(this);
    } else if (event.button() == Qt::LeftButton) {
        const TGridCoord cell = MouseCoord(point.x(), point.y());
        if (cell.X >= FFixedCols && cell.Y >= FFixedRows && !FOptions.testFlag(goEditing)) {
            FGridState = gsSelecting;
            FTimers.start(DragScrollTimerId, DragScrollInterval);
            if (event.modifiers().testFlag(Qt::ShiftModifier))
                MoveAnchor(cell.X, cell.Y);
            else
                FocusCell(cell.X, cell.Y, true, true);
        }
    }
    if (OnMouseDown)
        OnMouseDown(this, event.button(), {event.modifiers(), event.buttons()}, point.x(), point.y());
}

void TBaseGrid::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint point = ClientPoint(event->position().toPoint());
    if (FGridState == gsSelecting) {
        const TGridCoord cell = MouseCoord(point.x(), point.y());
        if (cell.X >= FFixedCols && cell.Y >= FFixedRows)
            MoveAnchor(cell.X, cell.Y);
    }
    if (OnMouseMove)
        OnMouseMove(this, {event->modifiers(), event->buttons()}, point.x(), point.y());
}

void TBaseGrid::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint point = ClientPoint(event->position().toPoint());
    if (event->button() == Qt::LeftButton && FGridState == gsSelecting) {
        EndSelecting();
        if (OnClick)
            OnClick(this);
    }
    if (OnMouseUp)
        OnMouseUp(this, event->button(), {event->modifiers(), event->buttons()}, point.x(), point.y());
}

void TBaseGrid::MoveAnchor(std::int32_t col, std::int32_t row)
{
    if (!FOptions.testFlag(goRangeSelect)) {
        FocusCell(col, row, true);
        return;
    }
    const TGridRect old = Selection();
    FAnchor = {col, row};
    if (old != Selection())
        update();
}

void TBaseGrid::EndSelecting()
{
    if (FGridState != gsSelecting)
        return;
    FGridState = gsNormal;
    FTimers.stop(DragScrollTimerId);
}

void TBaseGrid::DragScroll()
{
    if (FGridState != gsSelecting)
        return;
    // A pointer beyond the scrolled area pulls the selection one cell that way
    // per tick, scrolling as it goes.
    const QPoint point = ClientPoint(mapFromGlobal(QCursor::pos()));
    int fixedWidth = 0;
    for (std::int32_t c = 0; c < FFixedCols; ++c)
        fixedWidth += ColWidths(c);
    int fixedHeight = 0;
    for (std::int32_t r = 0; r < FFixedRows; ++r)
        fixedHeight += RowHeights(r);
    const int dx = point.x() < fixedWidth ? -1 : point.x() >= ClientWidth() ? 1 : 0;
    const int dy = point.y() < fixedHeight ? -1 : point.y() >= ClientHeight() ? 1 : 0;
    if (dx == 0 && dy == 0)
        return;
    const std::int32_t col = std::clamp(FAnchor.X + dx, FFixedCols, FColCount - 1);
    const std::int32_t row = std::clamp(FAnchor.Y + dy, FFixedRows, FRowCount - 1);
    if (col < FTopLeft.X)
        SetLeftCol(col);
    else if (col >= FTopLeft.X + std::max<std::int32_t>(1, VisibleColCount()))
        SetLeftCol(FTopLeft.X + 1);
    if (row < FTopLeft.Y)
        SetTopRow(row);
    else if (row >= FTopLeft.Y + std::max<std::int32_t>(1, VisibleRowCount()))
        SetTopRow(FTopLeft.Y + 1);
    MoveAnchor(col, row);
}

// ---- Wheel --------------------------------------------------------------------

int TBaseGrid::WheelNotchDelta(const QWheelEvent &event)
{
    // With Alt held Qt turns the wheel into a horizontal one; it is still the
    // wheel that moves the rows.
    const QPoint delta = event.angleDelta();
    if (delta.y() == 0 && event.modifiers().testFlag(Qt::AltModifier))
        return delta.x();
    return delta.y();
}

void TBaseGrid::wheelEvent(QWheelEvent *event)
{
    const int delta = WheelNotchDelta(*event);
    if (delta == 0) {
        event->ignore();
        return;
    }
    event->accept();
    const QPoint mousePos = event->globalPosition().toPoint();
    const TShiftState shift{event->modifiers(), event->buttons()};
    FWheelAccumulator += delta;
    while (FWheelAccumulator <= -WheelDelta || FWheelAccumulator >= WheelDelta) {
        if (FWheelAccumulator < 0) {
            FWheelAccumulator += WheelDelta;
            DoMouseWheelDown(shift, mousePos);
        } else {
            FWheelAccumulator -= WheelDelta;
            DoMouseWheelUp(shift, mousePos);
        }
    }
}

void TBaseGrid::DoMouseWheelDown(TShiftState shift, QPoint mousePos)
{
    bool handled = false;
    if (OnMouseWheelDown)
        OnMouseWheelDown(this, shift, mousePos, handled);
    if (!handled && FCurrent.Y < FRowCount - 1)
        SetRow(FCurrent.Y + 1);
}

void TBaseGrid::DoMouseWheelUp(TShiftState shift, QPoint mousePos)
{
    bool handled = false;
    if (OnMouseWheelUp)
        OnMouseWheelUp(this, shift, mousePos, handled);
    if (!handled && FCurrent.Y > FFixedRows)
        SetRow(FCurrent.Y - 1);
}

// ---- Keyboard -----------------------------------------------------------------

void TBaseGrid::keyPressEvent(QKeyEvent *event)
{
    int key = event->key();
    KeyDown(key, event->modifiers());
    for (QChar character : event->text())
        KeyPress(character);
    event->accept();
}

void TBaseGrid::keyReleaseEvent(QKeyEvent *event)
{
    // A held key repeats its press only.
    if (event->isAutoRepeat())
        return;
    int key = event->key();
    if (OnKeyUp)
        OnKeyUp(this, key, {event->modifiers(), QGuiApplication::mouseButtons()});
    event->accept();
}

void TBaseGrid::KeyPress(QChar &key)
{
    if (OnKeyPress)
        OnKeyPress(this, key);
}

void TBaseGrid::KeyDown(int &key, Qt::KeyboardModifiers shift)
{
    if (OnKeyDown)
        OnKeyDown(this, key, {shift, QGuiApplication::mouseButtons()});
    if (key == 0)
        return;

    const bool rowSelect = FOptions.testFlag(goRowSelect);
    const std::int32_t pageWidth = std::max<std::int32_t>(1, VisibleColCount());
    const std::int32_t pageHeight = std::max<std::int32_t>(1, VisibleRowCount());
    // Wide enough that a page step from any cell cannot overflow.
    std::int64_t left = FTopLeft.X;
    std::int64_t top = FTopLeft.Y;
    std::int64_t col = FCurrent.X;
    std::int64_t row = FCurrent.Y;
    bool moveAnchor = !shift.testFlag(Qt::ShiftModifier);

    if (shift.testFlag(Qt::ControlModifier)) {
        switch (key) {
        case Qt::Key_Up: --top; break;
        case Qt::Key_Down: ++top; break;
        case Qt::Key_Left: --left; break;
        case Qt::Key_Right: ++left; break;
        case Qt::Key_PageUp: row = FTopLeft.Y; break;
        case Qt::Key_PageDown: row = std::int64_t(FTopLeft.Y) + pageHeight - 1; break;
        case Qt::Key_Home:
            col = FFixedCols;
            row = FFixedRows;
            break;
        case Qt::Key_End:
            col = FColCount - 1;
            row = FRowCount - 1;
            break;
        default: break;
        }
    } else {
        switch (key) {
        case Qt::Key_Up: --row; break;
        case Qt::Key_Down: ++row; break;
        case Qt::Key_Left:
            if (rowSelect) {
                col -= pageWidth;
                left -= pageWidth;
            } else {
                --col;
            }
            break;
        case Qt::Key_Right:
            if (rowSelect) {
                col += pageWidth;
                left += pageWidth;
            } else {
                ++col;
            }
            break;
        case Qt::Key_PageUp:
            row -= pageHeight;
            top -= pageHeight;
            break;
        case Qt::Key_PageDown:
            row += pageHeight;
            top += pageHeight;
            break;
        case Qt::Key_Home:
            if (rowSelect)
                row = FFixedRows;
            else
                col = FFixedCols;
            break;
        case Qt::Key_End:
            if (rowSelect)
                row = FRowCount - 1;
            else
                col = FColCount - 1;
            break;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            if (shift.testFlag(Qt::AltModifier))
                break;
            // Every column is a tab stop: one column on, wrapping into the next row.
            moveAnchor = true;
            if (key == Qt::Key_Backtab || shift.testFlag(Qt::ShiftModifier)) {
                if (--col < FFixedCols) {
                    col = FColCount - 1;
                    if (--row < FFixedRows)
                        row = FRowCount - 1;
                }
            } else if (++col >= FColCount) {
                col = FFixedCols;
                if (++row >= FRowCount)
                    row = FFixedRows;
            }
            break;
        default: break;
        }
    }

    const TGridCoord maxTopLeft = MaxTopLeft();
    left = std::clamp<std::int64_t>(left, FFixedCols, std::max(FFixedCols, maxTopLeft.X));
    top = std::clamp<std::int64_t>(top, FFixedRows, std::max(FFixedRows, maxTopLeft.Y));
    if (left != FTopLeft.X)
        SetLeftCol(std::int32_t(left));
    if (top != FTopLeft.Y)
        SetTopRow(std::int32_t(top));
    col = std::clamp<std::int64_t>(col, FFixedCols, FColCount - 1);
    row = std::clamp<std::int64_t>(row, FFixedRows, FRowCount - 1);
    if (col != FCurrent.X || row != FCurrent.Y)
        FocusCell(std::int32_t(col), std::int32_t(row), moveAnchor);
}

TGridCoord TBaseGrid::MaxTopLeft() const
{
    // The top-left cell that shows the last column and row at the far edges.
    auto last = [](std::int32_t fixed, std::int32_t count, std::int64_t room, auto sizeOf) {
        for (std::int32_t i = 0; i < fixed; ++i)
            room -= sizeOf(i);
        std::int32_t first = count - 1;
        room -= sizeOf(first);
        while (first > fixed && room - sizeOf(first - 1) >= 0) {
            --first;
            room -= sizeOf(first);
        }
        return first;
    };
    return {last(FFixedCols, FColCount, ClientWidth(), [this](std::int32_t c) { return ColWidths(c); }),
            last(FFixedRows, FRowCount, ClientHeight(), [this](std::int32_t r) { return RowHeights(r); })};
}

// ---- Focus --------------------------------------------------------------------

void TBaseGrid::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void TBaseGrid::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}
