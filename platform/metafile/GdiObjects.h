#pragma once

#include "platform/ByteReader.h"

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QString>
#include <QVector>

#include <cstdint>
#include <optional>
#include <variant>

namespace platform::metafile {

// A colour reference as metafiles store it: red in the low byte.
inline QColor colorFromRef(std::uint32_t ref)
{
    return QColor(int(ref & 0xFF), int((ref >> 8) & 0xFF), int((ref >> 16) & 0xFF));
}

enum PenStyle : std::uint32_t {
    PenSolid = 0,
    PenDash = 1,
    PenDot = 2,
    PenDashDot = 3,
    PenDashDotDot = 4,
    PenNull = 5,
    PenInsideFrame = 6,
    PenUserStyle = 7,
    PenAlternate = 8,
};

struct GdiPen
{
    std::uint32_t style = PenSolid; // low nibble: line style; then end cap, join
    double width = 0;               // logical units; 0 is one device pixel
    bool cosmetic = true;
    QColor color = Qt::black;
    QVector<double> dashes; // user style, in logical units
};

enum BrushStyle : std::uint32_t {
    BrushSolid = 0,
    BrushNull = 1,
    BrushHatched = 2,
    BrushPattern = 3,
    BrushDibPattern = 5,
    BrushDibPatternPt = 6,
};

struct GdiBrush
{
    std::uint32_t style = BrushSolid;
    QColor color = Qt::white;
    std::uint32_t hatch = 0;
    QImage pattern; // pattern and DIB pattern brushes
    // A monochrome pattern holds indexes: 0 paints in the text colour and 1
    // in the background colour of the moment it is drawn with.
    bool monochrome = false;
};

struct GdiFont
{
    double height = 0; // logical; negative is the character height
    double width = 0;
    int escapement = 0; // tenths of a degree, counter-clockwise
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    std::uint8_t charset = 0;
    QString face;
};

// A region in logical units (or device units where a record says so).
struct GdiRegion
{
    QPainterPath area;
};

struct GdiPalette
{
    QVector<QColor> colors;
};

// Objects we do not draw with still take a table slot.
struct GdiPlaceholder
{};

using GdiObject = std::variant<GdiPen, GdiBrush, GdiFont, GdiRegion, GdiPalette, GdiPlaceholder>;

// Palette entries (red, green, blue, flags), as both kinds of metafile
// store them; throws DataCutShort when they run past the record.
QVector<QColor> readPaletteEntries(ByteReader &r, std::uint32_t count);

// The device's default palette, its twenty static colours.
const QVector<QColor> &defaultPalette();

// The colour a reference stands for: a palette index (high byte 1) takes
// the palette's colour, its first where the index runs past the palette's
// end; any other reference is the colour it holds.
QColor resolveColor(std::uint32_t ref, const QVector<QColor> &palette);

// The device's stock objects, numbered without their high bit.
std::optional<GdiBrush> stockBrush(std::uint32_t stock);
std::optional<GdiPen> stockPen(std::uint32_t stock);
bool isStockFont(std::uint32_t stock);

} // namespace platform::metafile
