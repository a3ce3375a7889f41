#include "platform/LogicalFont.h"

#include "platform/FormFonts.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cstdlib>

namespace platform {

namespace {

// Beyond this the font engine spends seconds per glyph; no cell needs more.
constexpr int kMaxPixelSize = 2048;

// Qt sizes fonts by their character height. A positive record height asks for
// the cell height instead (character height plus internal leading), so scale
// by the family's ratio of the two.
int pixelSizeFor(const LogicalFont &record)
{
    const std::int64_t height = record.height;
    if (height < 0)
        return int(std::clamp<std::int64_t>(-height, 1, kMaxPixelSize));
    if (height == 0)
        return 11;
    const QFont probe = formFont(record.faceName, 100);
    const QFontMetricsF metrics(probe);
    const double cellPerEm = std::max(0.01, (metrics.ascent() + metrics.descent()) / 100.0);
    return int(std::clamp<double>(double(height) / cellPerEm + 0.5, 1, kMaxPixelSize));
}

} // namespace

bool operator==(const LogicalFont &a, const LogicalFont &b)
{
    return a.height == b.height && a.width == b.width && a.escapement == b.escapement
        && a.orientation == b.orientation && a.weight == b.weight && a.italic == b.italic
        && a.underline == b.underline && a.strikeOut == b.strikeOut && a.charSet == b.charSet
        && a.outPrecision == b.outPrecision && a.clipPrecision == b.clipPrecision
        && a.quality == b.quality && a.pitchAndFamily == b.pitchAndFamily
        && a.faceName == b.faceName;
}

FontObject::FontObject(const LogicalFont &record)
    : record_(record)
    , font_(formFont(record.faceName, pixelSizeFor(record)))
{
    font_.setWeight(record.weight >= 600 ? QFont::Bold : QFont::Normal);
    font_.setItalic(record.italic);
    font_.setUnderline(record.underline);
    font_.setStrikeOut(record.strikeOut);
}

} // namespace platform
