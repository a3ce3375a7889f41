#pragma once

#include "platform/Colors.h"

namespace platform {

enum class TPenStyle { psSolid, psClear };

// The canvas pen: lines and rectangle outlines.
struct TPen
{
    TColor color = clBlack;
    int width = 1;
    TPenStyle style = TPenStyle::psSolid;

    friend bool operator==(const TPen &a, const TPen &b)
    {
        return a.color == b.color && a.width == b.width && a.style == b.style;
    }
};

} // namespace platform
