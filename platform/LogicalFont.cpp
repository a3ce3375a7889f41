#include "platform/LogicalFont.h"

#include "platform/FormFonts.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

// Beyond this the font engine spends seconds per glyph; no cell needs more.
constexpr double kMaxPixelSize = 2048;
constexpr double kDefaultPixelSize = 16;

int clampedPixelSize(double pixels)
{
    if (!(pixels > 1))
        return 1;
    return int(std::lround(std::min(pixels, kMaxPixelSize)));
}

} // namespace

bool operator==(const LogicalFont &a, const LogicalFont &b)
{
    return a.height == b.height && a.width == b.width && a.escapement == b.escapement && a.orientation == b.orientation
           && a.weight == b.weight && a.italic == b.italic && a.underline == b.underline && a.strikeOut == b.strikeOut
           && a.charSet == b.charSet && a.outPrecision == b.outPrecision && a.clipPrecision == b.clipPrecision
           && a.quality == b.quality && a.pitchAndFamily == b.pitchAndFamily && a.faceName == b.faceName;
}

QFont toQFont(const LogicalFont &record, double pixelsPerUnit)
{
    const double pixels = record.height == 0 ? kDefaultPixelSize
                                             : std::min(std::abs(double(record.height) * pixelsPerUnit), kMaxPixelSize);
    QFont font =
        formFont(record.faceName.isEmpty() ? QStringLiteral("Sans Serif") : record.faceName, clampedPixelSize(pixels));
    font.setWeight(QFont::Weight(std::clamp(record.weight == 0 ? FW_NORMAL : record.weight, 100, 900)));
    font.setItalic(record.italic);
    font.setUnderline(record.underline);
    font.setStrikeOut(record.strikeOut);
    // Qt sizes fonts by their character height; a cell height includes the
    // internal leading, so shrink by the ratio of the two at this size.
    if (record.height > 0) {
        const QFontMetricsF probe(font);
        const double cell = probe.ascent() + probe.descent();
        if (cell > 0)
            font.setPixelSize(clampedPixelSize(pixels * pixels / cell));
    }
    return font;
}

FontObject::FontObject(const LogicalFont &record)
    : record_(record),
      font_(toQFont(record))
{}

} // namespace platform
