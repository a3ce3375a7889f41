#include "grid/CellGraphicPlacement.h"

#include <algorithm>

platform::TRect PlaceCellGraphic(const platform::TRect &content, std::int32_t width, std::int32_t height,
                                 std::int32_t textWidth, TCellHAlign hAlign, TCellVAlign vAlign,
                                 TAlignment textAlignment)
{
    // Sums of edges and sizes may exceed 32 bits for absurd graphics; work wide.
    const std::int64_t L = content.left, T = content.top, R = content.right, B = content.bottom;
    const std::int64_t w = width, g = height;
    const std::int64_t t = textWidth > 0 ? std::int64_t(textWidth) + 2 : 0;
    std::int64_t left = L + 1, right = L + 1 + w;
    switch (hAlign) {
    case haLeft:
        left = L + 1;
        right = left + w;
        break;
    case haRight:
        left = R - w - 1;
        right = R - 1;
        break;
    case haCenter:
        left = w < R - L ? L + (R - L - w) / 2 : L + 1;
        right = left + w;
        break;
    case haBeforeText:
        if (textAlignment == taLeftJustify) {
            left = L + 1;
            right = left + w;
        } else {
            left = R - t - w;
            right = left + w;
            if (left < L)
                left = L + 1;
        }
        break;
    case haAfterText:
        if (textAlignment == taRightJustify) {
            left = R - w - 1;
            right = R - 1;
        } else {
            left = L + t;
            right = left + w;
        }
        break;
    case haFull:
        left = L;
        right = R;
        break;
    }
    std::int64_t top = T + 1, bottom = T + 1 + g;
    switch (vAlign) {
    case vaTop:
    case vaAboveText:
        top = T + 1;
        bottom = top + g;
        break;
    case vaBottom:
        top = B - g - 1;
        bottom = B - 1;
        break;
    case vaCenter:
        top = g < B - T ? T + (B - T - g) / 2 : T + 1;
        bottom = top + g;
        break;
    case vaUnderText:
        top = B - g;
        bottom = B;
        break;
    case vaFull:
        top = T;
        bottom = B;
        break;
    }
    const auto narrow = [](std::int64_t v) { return std::int32_t(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX)); };
    return {narrow(left), narrow(top), narrow(right), narrow(bottom)};
}
