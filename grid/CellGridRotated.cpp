#include "grid/CellGrid.h"

#include "grid/RotatedTextPlacement.h"
#include "platform/Canvas.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>

using platform::TCanvas;
using platform::TRect;

void TCellGrid::DrawRotatedText(TCellPaintContext &context)
{
    TCanvas &canvas = *context.Canvas;
    const std::int32_t angle = context.Graphic->CellAngle;
    const TRect cell = context.Rect;

    TRect place = cell;
    PlaceRotatedText(canvas, place, angle, ReadCellText(context.Col, context.Row), context.Alignment.HAlign,
                     context.Alignment.VAlign);

    // Made afresh for every paint, so the preview always follows the cell font and zoom.
    platform::LogicalFont record = canvas.font().logicalFont();
    const std::int64_t tenths = std::int64_t(angle) * 10;
    record.escapement = record.orientation = int(std::clamp<std::int64_t>(
        tenths, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
    const auto rotated = std::make_unique<platform::FontObject>(record);
    const platform::FontObject *previous = canvas.selectFont(rotated.get());
    canvas.setTextAlign(platform::TA_LEFT | platform::TA_TOP);

    const TRect clip{cell.left + 2, cell.top + 2, cell.right - 2, cell.bottom - 2};
    canvas.brush().setStyle(platform::TBrushStyle::bsClear);
    canvas.textRect(clip, place.left, place.top, ReadCellText(context.Col, context.Row));

    canvas.selectFont(previous);
}

void TCellGrid::PlaceRotatedText(TCanvas &canvas, TRect &rect, std::int32_t angle, const QString &text,
                                 TAlignment hAlign, TVAlignment vAlign) const
{
    // Measured in the unrotated cell font.
    const platform::FontObject *previous = canvas.selectFont(nullptr);
    const QSize extent = canvas.textExtent(text);
    canvas.selectFont(previous);
    rotatedtext::Place(rect, angle, extent.width(), extent.height(), hAlign, vAlign, TextMargin().x(),
                       TextMargin().y());
}
