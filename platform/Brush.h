#pragma once

#include "platform/Colors.h"

#include <QObject>

#include <cstdint>

namespace platform {

// In a namespace of its own so that Qt's meta-object system knows the names
// (stored forms give a style as text). The canvas fills with solid brushes
// only; the hatches are kept for the cells' settings.
inline namespace BrushStyleNames {
Q_NAMESPACE

enum TBrushStyle : std::uint8_t {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};
Q_ENUM_NS(TBrushStyle)

} // namespace BrushStyleNames

// The canvas brush: interiors and fills. Giving it a colour makes it solid
// again, so a clear brush lasts only until the next colour assignment.
class TBrush
{
public:
    TColor color() const { return color_; }
    void setColor(TColor color)
    {
        color_ = color;
        style_ = TBrushStyle::bsSolid;
    }

    TBrushStyle style() const { return style_; }
    void setStyle(TBrushStyle style) { style_ = style; }

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = TBrushStyle::bsSolid;
};

} // namespace platform
