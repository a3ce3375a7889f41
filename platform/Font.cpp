#include "platform/Font.h"

#include <algorithm>
#include <cstdint>

namespace platform {

namespace {

// Rounds a * b / c to the nearest integer, halves away from zero, without overflow.
int mulDiv(std::int64_t a, std::int64_t b, std::int64_t c)
{
    const std::int64_t product = a * b;
    const std::int64_t half = c / 2;
    const std::int64_t rounded = product >= 0 ? (product + half) / c : (product - half) / c;
    return int(std::clamp<std::int64_t>(rounded, INT32_MIN, INT32_MAX));
}

} // namespace

int TFont::size() const
{
    return -mulDiv(height_, 72, kFormPixelsPerInch);
}

void TFont::setSize(int points)
{
    height_ = -mulDiv(points, kFormPixelsPerInch, 72);
}

LogicalFont TFont::logicalFont() const
{
    LogicalFont record;
    record.height = height_;
    record.escapement = escapement_;
    record.orientation = escapement_;
    record.weight = style_.testFlag(fsBold) ? FW_BOLD : FW_NORMAL;
    record.italic = style_.testFlag(fsItalic);
    record.underline = style_.testFlag(fsUnderline);
    record.strikeOut = style_.testFlag(fsStrikeOut);
    record.charSet = charSet_;
    record.faceName = name_;
    return record;
}

} // namespace platform
