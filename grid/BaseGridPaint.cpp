#include "grid/BaseGrid.h"

#include "grid/GridCanvasFont.h"

#include "platform/Canvas.h"

#include <QPaintEvent>

#include <algorithm>
#include <limits>

using platform::TCanvas;
using platform::TRect;

namespace {

std::int32_t narrow(std::int64_t value)
{
    return std::int32_t(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max()));
}

// One band of columns or rows that the paint loop walks: the fixed ones from
// index 0, or the scrolled ones from the first visible index.
struct Band
{
    std::int32_t first = 0;
    std::int32_t end = 0;
    int start = 0;
    bool fixed = false;
};

} // namespace

platform::TRect TBaseGrid::PaintCellRect(std::int32_t col, std::int32_t row) const
{
    const auto offset = [](std::int32_t index, std::int32_t fixedCount, std::int32_t firstScrolled, const auto &size) {
        std::int64_t position = 0;
        if (index < fixedCount) {
            for (std::int32_t i = 0; i < index; ++i)
                position += size(i);
            return position;
        }
        for (std::int32_t i = 0; i < fixedCount; ++i)
            position += size(i);
        if (index >= firstScrolled) {
            for (std::int32_t i = firstScrolled; i < index; ++i)
                position += size(i);
        } else {
            for (std::int32_t i = index; i < firstScrolled; ++i)
                position -= size(i);
        }
        return position;
    };
    const auto width = [this](std::int32_t c) { return std::int64_t(ColWidths(c)); };
    const auto height = [this](std::int32_t r) { return std::int64_t(RowHeights(r)); };

    const std::int64_t left = offset(col, StoredFixedCols(), LeftCol(), width);
    const std::int64_t top = offset(row, StoredFixedRows(), TopRow(), height);
    std::int64_t right = left + width(col);
    std::int64_t bottom = top + height(row);
    if (const TCellProperties *properties = CellProperties(col, row); properties && properties->IsBaseCell) {
        // Stop widening where nothing more can show.
        const std::int32_t lastCol =
            narrow(std::min<std::int64_t>(std::int64_t(col) + properties->CellSpanX, ColCount() - 1));
        for (std::int32_t c = col + 1; c <= lastCol && right <= ClientWidth(); ++c)
            right += width(c);
        const std::int32_t lastRow =
            narrow(std::min<std::int64_t>(std::int64_t(row) + properties->CellSpanY, RowCount() - 1));
        for (std::int32_t r = row + 1; r <= lastRow && bottom <= ClientHeight(); ++r)
            bottom += height(r);
    }
    return {narrow(left), narrow(top), narrow(right), narrow(bottom)};
}

bool TBaseGrid::IsActiveControl() const
{
    const QWidget *form = window();
    return form && form->focusWidget() == this;
}

void TBaseGrid::paintEvent(QPaintEvent *event)
{
    TCanvas canvas(*this);
    const QPoint origin = ClientOrigin();
    canvas.painter().translate(origin);
    canvas.setUpdateRegion(event->region().translated(-origin) & QRect(0, 0, ClientWidth(), ClientHeight()));
    Paint(canvas);
}

void TBaseGrid::Paint(TCanvas &canvas)
{
    PaintCells(canvas);
}

void TBaseGrid::PaintCells(TCanvas &canvas)
{
    const int clientWidth = ClientWidth();
    const int clientHeight = ClientHeight();
    const std::int32_t fixedCols = std::clamp(StoredFixedCols(), 0, ColCount());
    const std::int32_t fixedRows = std::clamp(StoredFixedRows(), 0, RowCount());
    std::int64_t fixedWidth = 0;
    for (std::int32_t c = 0; c < fixedCols; ++c)
        fixedWidth += ColWidths(c);
    std::int64_t fixedHeight = 0;
    for (std::int32_t r = 0; r < fixedRows; ++r)
        fixedHeight += RowHeights(r);

    const Band colBands[2] = {{0, fixedCols, 0, true},
                              {std::max(LeftCol(), fixedCols), ColCount(), narrow(fixedWidth), false}};
    const Band rowBands[2] = {{0, fixedRows, 0, true},
                              {std::max(TopRow(), fixedRows), RowCount(), narrow(fixedHeight), false}};
    const bool active = IsActiveControl();
    const TGridRect selection = Selection();
    const TGridOptions options = Options();

    std::int64_t cellsRight = 0;
    std::int64_t cellsBottom = 0;
    for (const Band &rows : rowBands) {
        for (const Band &cols : colBands) {
            std::int64_t y = rows.start;
            for (std::int32_t row = rows.first; row < rows.end && y < clientHeight; ++row) {
                const std::int64_t rowBottom = y + RowHeights(row);
                std::int64_t x = cols.start;
                for (std::int32_t col = cols.first; col < cols.end && x < clientWidth; ++col) {
                    const int width = ColWidths(col);
                    const TRect where{narrow(x), narrow(y), narrow(x + width), narrow(rowBottom)};
                    x += width;
                    if (width <= 0 || !canvas.rectVisible(where))
                        continue;
                    TGridDrawState state;
                    if (rows.fixed || cols.fixed)
                        state |= gdFixed;
                    if (active && col == Col() && row == Row())
                        state |= gdFocused;
                    if (selection.contains(col, row))
                        state |= gdSelected;
                    if (state.testFlag(gdFocused) && options.testFlag(goEditing) && EditorShowing())
                        continue;
                    DrawCell(canvas, col, row, where, state);
                }
                cellsRight = std::max(cellsRight, x);
                y = rowBottom;
            }
            cellsBottom = std::max(cellsBottom, y);
        }
    }

    canvas.brush().setColor(Color());
    if (cellsRight < clientWidth)
        canvas.fillRect(
            {narrow(cellsRight), 0, clientWidth, narrow(std::min<std::int64_t>(cellsBottom, clientHeight))});
    if (cellsBottom < clientHeight)
        canvas.fillRect({0, narrow(cellsBottom), clientWidth, clientHeight});

    // The pass counter wraps at 32 bits.
    FPaintPass = std::int32_t(std::uint32_t(FPaintPass) + 1u);
}

void TBaseGrid::DrawCell(TCanvas &canvas, std::int32_t col, std::int32_t row, TRect rect, TGridDrawState state)
{
    if (FooterFillsLastRow() && row == RowCount() - 1) {
        canvas.brush().setColor(Color());
        canvas.pen().color = Color();
        canvas.rectangle(rect);
        return;
    }

    if (const TCellProperties *properties = CellProperties(col, row); properties && !properties->IsBaseCell) {
        const TGridCoord base = BaseCellOf(col, row);
        // A span reaching beyond the grid's first row or column has no base cell to draw.
        if (base.X < 0 || base.Y < 0)
            return;
        TCellProperties *baseProperties = CellProperties(base.X, base.Y);
        // A base cell that itself lies in another span is not followed any further.
        const bool baseIsBase = !baseProperties || baseProperties->IsBaseCell;
        // Passes are tagged from 1, so that a fresh properties object (tag 0)
        // counts as not yet drawn in the very first pass as well.
        const std::int32_t tag = std::int32_t(std::uint32_t(FPaintPass) + 1u);
        if (baseIsBase && (!baseProperties || baseProperties->LastPaintPass != tag)) {
            if (baseProperties)
                baseProperties->LastPaintPass = tag;
            DrawCell(canvas, base.X, base.Y, rect, state);
        }
        return;
    }

    const bool fixed = IsFixedCell(col, row);
    if (fixed) {
        state |= gdFixed;
        state &= ~TGridDrawState(gdSelected);
    }

    rect = PaintCellRect(col, row);

    const bool colScrolled = col >= StoredFixedCols();
    const bool rowScrolled = row >= StoredFixedRows();
    std::int64_t fixedWidth = 0;
    if (colScrolled)
        for (std::int32_t c = 0; c < StoredFixedCols() && c < ColCount(); ++c)
            fixedWidth += ColWidths(c);
    std::int64_t fixedHeight = 0;
    if (rowScrolled)
        for (std::int32_t r = 0; r < StoredFixedRows() && r < RowCount(); ++r)
            fixedHeight += RowHeights(r);
    const bool clip = (colScrolled && StoredFixedCols() > 0 && rect.left < fixedWidth)
                      || (rowScrolled && StoredFixedRows() > 0 && rect.top < fixedHeight);
    if (clip)
        canvas.selectClipRect(TRect{narrow(fixedWidth), narrow(fixedHeight), width(), height()});

    canvas.pen().width = 1;
    canvas.font() = ToCanvasFont(*Font());
    GetCellColors(canvas, col, row, true, true, false, state);

    canvas.pen().color = canvas.brush().color();
    canvas.rectangle(rect);

    const bool lineFixed = state.testFlag(gdFixed);
    int half = 1;
    if (lineFixed) {
        canvas.pen().color = clGray;
        canvas.pen().width = 1;
    } else {
        if (GridLineWidth() > 0)
            canvas.pen().color = GridLineColor();
        canvas.pen().width = GridLineWidth();
        half = (GridLineWidth() + 1) / 2;
    }

    if (col == 0 && row >= StoredFixedRows())
        rect.left = narrow(std::int64_t(rect.left) + NodeIndent(row));

    const TGridOptions options = Options();
    if ((col != 0 || !HasNodes())
        && ((options.testFlag(goHorzLine) && !lineFixed) || (options.testFlag(goFixedHorzLine) && lineFixed))) {
        canvas.moveTo(rect.left - half + 1, rect.bottom - half);
        canvas.lineTo(rect.right - half, rect.bottom - half);
    }
    if ((options.testFlag(goVertLine) && !lineFixed) || (options.testFlag(goFixedVertLine) && lineFixed)) {
        canvas.moveTo(rect.right - half, rect.bottom - half);
        canvas.lineTo(rect.right - half, rect.top - half);
    }

    const int inset = lineFixed ? 1 : GridLineWidth();
    TRect content = rect;
    content.inflate(-inset, -inset);
    DrawCellContent(canvas, col, row, content, state);

    if (clip)
        canvas.selectClipRect(std::nullopt);
}

bool TBaseGrid::IsFixedCell(std::int32_t, std::int32_t) const
{
    return false;
}

int TBaseGrid::NodeIndent(std::int32_t) const
{
    return 0;
}

bool TBaseGrid::HasNodes() const
{
    return false;
}

bool TBaseGrid::EditorShowing() const
{
    return false;
}

TCellAlignment TBaseGrid::GetCellColors(TCanvas &, std::int32_t, std::int32_t, bool, bool, bool, TGridDrawState &)
{
    return {};
}

void TBaseGrid::DrawCellContent(TCanvas &canvas, std::int32_t col, std::int32_t row, TRect rect, TGridDrawState)
{
    canvas.setBackgroundMode(platform::TBackgroundMode::Transparent);
    canvas.drawText(ReadCellText(col, row), rect,
                    platform::DT_SINGLELINE | platform::DT_CENTER | platform::DT_VCENTER | platform::DT_NOPREFIX);
}
