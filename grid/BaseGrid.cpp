#include "grid/BaseGrid.h"

#include "grid/GridErrors.h"
#include "platform/CursorShapes.h"

#include <QScrollBar>
#include <QStyle>
#include <QTimerEvent>
#include <algorithm>

TBaseGrid::TBaseGrid(QWidget *parent)
    : QWidget(parent),
      FFont(new TFont(this)),
      FHorzScrollBar(new QScrollBar(Qt::Horizontal, this)),
      FVertScrollBar(new QScrollBar(Qt::Vertical, this)),
      FTimers(this)
{
    FOptions = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;
    setFocusPolicy(Qt::StrongFocus);
    // Pointer motion matters without a button too: select zones, cursors, hints.
    setMouseTracking(true);
    setFont(FFont->ToQFont());
    connect(FFont, &TFont::changed, this, [this] {
        setFont(FFont->ToQFont());
        update();
    });
    FHorzScrollBar->hide();
    FVertScrollBar->hide();
    connect(FHorzScrollBar, &QScrollBar::valueChanged, this, &TBaseGrid::ScrollBarMoved);
    connect(FVertScrollBar, &QScrollBar::valueChanged, this, &TBaseGrid::ScrollBarMoved);
    SetBorderStyle(bsSingle);
    resize(FColCount * FDefaultColWidth, FRowCount * FDefaultRowHeight);

    // Our own step on top of the standard grid: we paint every cell and
    // every line ourselves, and the focused cell is drawn as selected.
    FGridLineWidth = 1;
    FGridLineColor = clSilver;
    FDefaultDrawing = false;
    FOptions |= goDrawFocusSelected;
}

TBaseGrid::~TBaseGrid()
{
    ReleaseCellProperties(0, 0, INT32_MAX, INT32_MAX);
}

// ---- Control ----------------------------------------------------------------

void TBaseGrid::SetLeft(int value)
{
    move(value, y());
}
void TBaseGrid::SetTop(int value)
{
    move(x(), value);
}
void TBaseGrid::SetWidth(int value)
{
    resize(std::max(0, value), height());
}
void TBaseGrid::SetHeight(int value)
{
    resize(width(), std::max(0, value));
}

void TBaseGrid::SetColor(TColor value)
{
    FColor = value;
    update();
}

void TBaseGrid::SetFixedColor(TColor value)
{
    FFixedColor = value;
    update();
}

void TBaseGrid::SetCtl3D(bool value)
{
    if (FCtl3D == value)
        return;
    FCtl3D = value;
    FParentCtl3D = false;
    SetBorderStyle(FBorderStyle);
}

void TBaseGrid::SetCursor(TCursor value)
{
    FCursor = value;
    setCursor(platform::cursorShape(value));
}

bool TBaseGrid::TabStop() const
{
    return focusPolicy() != Qt::NoFocus;
}

void TBaseGrid::SetTabStop(bool value)
{
    setFocusPolicy(value ? Qt::StrongFocus : Qt::ClickFocus);
}

// ---- Shape ------------------------------------------------------------------

void TBaseGrid::SetColCount(std::int32_t value)
{
    value = std::max<std::int32_t>(value, 1);
    if (FFixedCols >= value)
        FFixedCols = value - 1;
    FColCount = value;
    if (!FColWidths.empty())
        FColWidths.resize(std::size_t(value), FDefaultColWidth);
    ClampCurrentCell();
    UpdateScrollBars();
    update();
}

void TBaseGrid::SetRowCount(std::int32_t value)
{
    value = std::max<std::int32_t>(value, 1);
    if (FFixedRows >= value)
        FFixedRows = value - 1;
    FRowCount = value;
    if (!FRowHeights.empty())
        FRowHeights.resize(std::size_t(value), FDefaultRowHeight);
    ClampCurrentCell();
    UpdateScrollBars();
    update();
}

void TBaseGrid::SetFixedCols(std::int32_t value)
{
    if (value < 0 || value >= FColCount)
        throw EGridError(QStringLiteral("Fixed column count must be less than column count"));
    FFixedCols = value;
    ResetCurrentCell();
}

void TBaseGrid::SetFixedRows(std::int32_t value)
{
    if (value < 0 || value >= FRowCount)
        throw EGridError(QStringLiteral("Fixed row count must be less than row count"));
    FFixedRows = value;
    ResetCurrentCell();
}

void TBaseGrid::SetDefaultColWidth(int value)
{
    // A new default size replaces every column's own width.
    FDefaultColWidth = value;
    FColWidths.clear();
    UpdateScrollBars();
    update();
}

void TBaseGrid::SetDefaultRowHeight(int value)
{
    FDefaultRowHeight = value;
    FRowHeights.clear();
    UpdateScrollBars();
    update();
}

int TBaseGrid::ColWidths(std::int32_t col) const
{
    if (col < 0 || std::size_t(col) >= FColWidths.size())
        return FDefaultColWidth;
    return FColWidths[std::size_t(col)];
}

void TBaseGrid::SetColWidths(std::int32_t col, int width)
{
    if (col < 0 || col >= FColCount)
        throw EListError(col);
    if (FColWidths.empty())
        FColWidths.assign(std::size_t(FColCount), FDefaultColWidth);
    FColWidths[std::size_t(col)] = width;
    UpdateScrollBars();
    update();
}

int TBaseGrid::RowHeights(std::int32_t row) const
{
    if (row < 0 || std::size_t(row) >= FRowHeights.size())
        return FDefaultRowHeight;
    return FRowHeights[std::size_t(row)];
}

void TBaseGrid::SetRowHeights(std::int32_t row, int height)
{
    if (row < 0 || row >= FRowCount)
        throw EListError(row);
    if (FRowHeights.empty())
        FRowHeights.assign(std::size_t(FRowCount), FDefaultRowHeight);
    FRowHeights[std::size_t(row)] = height;
    UpdateScrollBars();
    update();
}

void TBaseGrid::SetDefaultDrawing(bool value)
{
    FDefaultDrawing = value;
    update();
}

void TBaseGrid::SetGridLineWidth(int value)
{
    FGridLineWidth = value;
    update();
}

void TBaseGrid::SetGridLineColor(TColor value)
{
    FGridLineColor = value;
    update();
}

void TBaseGrid::SetOptions(TGridOptions value)
{
    FOptions = value;
    if (!FOptions.testFlag(goRangeSelect))
        FAnchor = FCurrent;
    update();
}

void TBaseGrid::SetScrollBars(TScrollStyle value)
{
    FScrollBars = value;
    UpdateScrollBars();
    update();
}

void TBaseGrid::SetBorderStyle(TBorderStyle value)
{
    FBorderStyle = value;
    const int border = BorderWidth();
    setContentsMargins(border, border, border, border);
    UpdateScrollBars();
    update();
}

// ---- Geometry ---------------------------------------------------------------

int TBaseGrid::BorderWidth() const
{
    if (FBorderStyle == bsNone)
        return 0;
    return FCtl3D ? 2 : 1;
}

QPoint TBaseGrid::ClientOrigin() const
{
    return contentsRect().topLeft();
}

int TBaseGrid::ClientWidth() const
{
    const int scrollBar = FVertScrollBar->isVisibleTo(this) ? FVertScrollBar->width() : 0;
    return std::max(0, contentsRect().width() - scrollBar);
}

int TBaseGrid::ClientHeight() const
{
    const int scrollBar = FHorzScrollBar->isVisibleTo(this) ? FHorzScrollBar->height() : 0;
    return std::max(0, contentsRect().height() - scrollBar);
}

int TBaseGrid::ColumnLeft(std::int32_t col) const
{
    // Fixed columns stand still; scrolled ones start at the left column.
    int left = 0;
    if (col < FFixedCols) {
        for (std::int32_t c = 0; c < col; ++c)
            left += ColWidths(c);
        return left;
    }
    if (col < FTopLeft.X)
        return -1;
    for (std::int32_t c = 0; c < FFixedCols; ++c)
        left += ColWidths(c);
    const int limit = ClientWidth();
    for (std::int32_t c = FTopLeft.X; c < col; ++c) {
        left += ColWidths(c);
        if (left >= limit)
            return -1;
    }
    return left;
}

int TBaseGrid::RowTop(std::int32_t row) const
{
    int top = 0;
    if (row < FFixedRows) {
        for (std::int32_t r = 0; r < row; ++r)
            top += RowHeights(r);
        return top;
    }
    if (row < FTopLeft.Y)
        return -1;
    for (std::int32_t r = 0; r < FFixedRows; ++r)
        top += RowHeights(r);
    const int limit = ClientHeight();
    for (std::int32_t r = FTopLeft.Y; r < row; ++r) {
        top += RowHeights(r);
        if (top >= limit)
            return -1;
    }
    return top;
}

QRect TBaseGrid::CellRect(std::int32_t col, std::int32_t row) const
{
    if (col < 0 || row < 0 || col >= FColCount || row >= FRowCount)
        return QRect();
    const int left = ColumnLeft(col);
    const int top = RowTop(row);
    if (left < 0 || top < 0 || left >= ClientWidth() || top >= ClientHeight())
        return QRect();
    return QRect(left, top, ColWidths(col), RowHeights(row));
}

QRect TBaseGrid::SpannedCellRect(std::int32_t col, std::int32_t row) const
{
    QRect rect = CellRect(col, row);
    if (rect.isEmpty())
        return rect;
    const TCellProperties *properties = CellProperties(col, row);
    if (!properties || !properties->IsBaseCell)
        return rect;
    for (std::int32_t c = 1; c <= properties->CellSpanX; ++c)
        rect.setWidth(rect.width() + ColWidths(col + c));
    for (std::int32_t r = 1; r <= properties->CellSpanY; ++r)
        rect.setHeight(rect.height() + RowHeights(row + r));
    return rect;
}

TGridCoord TBaseGrid::MouseCoord(int x, int y) const
{
    const TGridCoord outside{-1, -1};
    if (x < 0 || y < 0 || x >= ClientWidth() || y >= ClientHeight())
        return outside;
    auto find = [](int point, std::int32_t fixed, std::int32_t first, std::int32_t count, auto sizeOf) -> std::int32_t {
        int edge = 0;
        for (std::int32_t i = 0; i < fixed; ++i) {
            edge += sizeOf(i);
            if (point < edge)
                return i;
        }
        for (std::int32_t i = first; i < count; ++i) {
            edge += sizeOf(i);
            if (point < edge)
                return i;
        }
        return -1;
    };
    const std::int32_t col =
        find(x, FFixedCols, FTopLeft.X, FColCount, [this](std::int32_t c) { return ColWidths(c); });
    const std::int32_t row =
        find(y, FFixedRows, FTopLeft.Y, FRowCount, [this](std::int32_t r) { return RowHeights(r); });
    if (col < 0 || row < 0)
        return outside;
    return {col, row};
}

std::int32_t TBaseGrid::VisibleColCount() const
{
    int room = ClientWidth();
    for (std::int32_t c = 0; c < FFixedCols; ++c)
        room -= ColWidths(c);
    std::int32_t count = 0;
    for (std::int32_t c = FTopLeft.X; c < FColCount; ++c) {
        room -= ColWidths(c);
        if (room < 0)
            break;
        ++count;
    }
    return count;
}

std::int32_t TBaseGrid::VisibleRowCount() const
{
    int room = ClientHeight();
    for (std::int32_t r = 0; r < FFixedRows; ++r)
        room -= RowHeights(r);
    std::int32_t count = 0;
    for (std::int32_t r = FTopLeft.Y; r < FRowCount; ++r) {
        room -= RowHeights(r);
        if (room < 0)
            break;
        ++count;
    }
    return count;
}

void TBaseGrid::SetTopRow(std::int32_t value)
{
    value = std::clamp(value, FFixedRows, std::max(FFixedRows, FRowCount - 1));
    if (value == FTopLeft.Y)
        return;
    FTopLeft.Y = value;
    UpdateScrollBars();
    update();
}

void TBaseGrid::SetLeftCol(std::int32_t value)
{
    value = std::clamp(value, FFixedCols, std::max(FFixedCols, FColCount - 1));
    if (value == FTopLeft.X)
        return;
    FTopLeft.X = value;
    UpdateScrollBars();
    update();
}

// ---- Current cell and selection ---------------------------------------------

void TBaseGrid::SetCol(std::int32_t value)
{
    FocusCell(value, FCurrent.Y, true);
}

void TBaseGrid::SetRow(std::int32_t value)
{
    FocusCell(FCurrent.X, value, true);
}

TGridRect TBaseGrid::Selection() const
{
    return {std::min(FAnchor.X, FCurrent.X), std::min(FAnchor.Y, FCurrent.Y), std::max(FAnchor.X, FCurrent.X),
            std::max(FAnchor.Y, FCurrent.Y)};
}

void TBaseGrid::SetSelection(const TGridRect &value)
{
    const TGridRect old = Selection();
    FAnchor = {value.Left, value.Top};
    FCurrent = {value.Right, value.Bottom};
    if (old != Selection())
        update();
}

bool TBaseGrid::SelectCell(std::int32_t col, std::int32_t row)
{
    bool canSelect = true;
    if (OnSelectCell)
        OnSelectCell(this, col, row, canSelect);
    return canSelect;
}

void TBaseGrid::FocusCell(std::int32_t col, std::int32_t row, bool moveAnchor, bool askForCurrent)
{
    if (col < 0 || row < 0 || col >= FColCount || row >= FRowCount)
        return;
    if ((askForCurrent || TGridCoord{col, row} != FCurrent) && !SelectCell(col, row))
        return;
    const TGridRect old = Selection();
    FCurrent = {col, row};
    if (moveAnchor || !FOptions.testFlag(goRangeSelect))
        FAnchor = FCurrent;
    // Bring the current cell into view.
    if (col >= FFixedCols) {
        if (col < FTopLeft.X)
            SetLeftCol(col);
        while (col >= FTopLeft.X + std::max<std::int32_t>(1, VisibleColCount()) && FTopLeft.X < col)
            SetLeftCol(FTopLeft.X + 1);
    }
    if (row >= FFixedRows) {
        if (row < FTopLeft.Y)
            SetTopRow(row);
        while (row >= FTopLeft.Y + std::max<std::int32_t>(1, VisibleRowCount()) && FTopLeft.Y < row)
            SetTopRow(FTopLeft.Y + 1);
    }
    if (old != Selection())
        update();
}

void TBaseGrid::ResetCurrentCell()
{
    FTopLeft = {FFixedCols, FFixedRows};
    FCurrent = FTopLeft;
    FAnchor = FCurrent;
    UpdateScrollBars();
    update();
}

void TBaseGrid::ClampCurrentCell()
{
    auto clampCoord = [this](TGridCoord &coord) {
        coord.X = std::clamp(coord.X, 0, FColCount - 1);
        coord.Y = std::clamp(coord.Y, 0, FRowCount - 1);
    };
    clampCoord(FCurrent);
    clampCoord(FAnchor);
    FTopLeft.X = std::clamp(FTopLeft.X, FFixedCols, std::max(FFixedCols, FColCount - 1));
    FTopLeft.Y = std::clamp(FTopLeft.Y, FFixedRows, std::max(FFixedRows, FRowCount - 1));
}

// ---- Scroll bars ------------------------------------------------------------

void TBaseGrid::UpdateScrollBars()
{
    const QRect area = contentsRect();
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    // Only the extent matters, so a grid whose rows (columns) all keep the
    // default size is measured without walking them.
    auto total = [](std::int32_t count, int defaultSize, const std::vector<int> &sizes) {
        if (sizes.empty())
            return std::int64_t(count) * defaultSize;
        std::int64_t sum = 0;
        for (const int size : sizes)
            sum += size;
        return sum;
    };
    const std::int64_t width = total(FColCount, FDefaultColWidth, FColWidths);
    const std::int64_t height = total(FRowCount, FDefaultRowHeight, FRowHeights);
    const bool wantsHorz = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
    const bool wantsVert = FScrollBars == ssVertical || FScrollBars == ssBoth;
    bool horz = wantsHorz && width > area.width();
    bool vert = wantsVert && height > area.height() - (horz ? extent : 0);
    horz = wantsHorz && width > area.width() - (vert ? extent : 0);

    const QSignalBlocker blockHorz(FHorzScrollBar);
    const QSignalBlocker blockVert(FVertScrollBar);
    FHorzScrollBar->setVisible(horz);
    FVertScrollBar->setVisible(vert);
    if (horz) {
        FHorzScrollBar->setGeometry(area.left(), area.bottom() - extent + 1, area.width() - (vert ? extent : 0),
                                    extent);
        FHorzScrollBar->setRange(FFixedCols, std::max(FFixedCols, FColCount - 1));
        FHorzScrollBar->setValue(FTopLeft.X);
    }
    if (vert) {
        FVertScrollBar->setGeometry(area.right() - extent + 1, area.top(), extent, area.height() - (horz ? extent : 0));
        FVertScrollBar->setRange(FFixedRows, std::max(FFixedRows, FRowCount - 1));
        FVertScrollBar->setValue(FTopLeft.Y);
    }
}

void TBaseGrid::ScrollBarMoved()
{
    SetLeftCol(FHorzScrollBar->value());
    SetTopRow(FVertScrollBar->value());
}

void TBaseGrid::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    UpdateScrollBars();
}

// ---- Window timers ----------------------------------------------------------

void TBaseGrid::timerEvent(QTimerEvent *event)
{
    if (const auto id = FTimers.idOf(event))
        WindowTimer(*id);
    else
        QWidget::timerEvent(event);
}

void TBaseGrid::WindowTimer(int id)
{
    if (id == DragScrollTimerId)
        DragScroll();
}
