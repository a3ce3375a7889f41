#pragma once

#include "platform/Colors.h"

namespace platform {

enum class TBrushStyle { bsSolid, bsClear };

// The canvas brush: interiors and fills. Giving it a colour makes it solid
// again, so a clear brush lasts only until the next colour assignment.
class TBrush {
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
