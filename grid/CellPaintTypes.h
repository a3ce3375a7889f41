#pragma once

#include "grid/CellProperties.h"
#include "grid/GridTypes.h"
#include "platform/Colors.h"
#include "platform/Rect.h"

#include <cstdint>

namespace platform {
class TCanvas;
}

// A cell's text alignment pair.
struct TCellAlignment
{
    TAlignment HAlign = taLeftJustify;
    TVAlignment VAlign = vtaTop;

    // Horizontal in the low byte, vertical in the high byte.
    std::uint16_t Packed() const { return std::uint16_t(HAlign | (unsigned(VAlign) << 8)); }
    friend bool operator==(const TCellAlignment &a, const TCellAlignment &b)
    {
        return a.HAlign == b.HAlign && a.VAlign == b.VAlign;
    }
};

// Edges of a cell that get a border line.
enum TCellBorder : std::uint8_t { cbTop = 1, cbLeft = 2, cbRight = 4, cbBottom = 8 };
using TCellBorders = std::uint8_t;

// What the drawing steps of one cell share: set up by the content step and
// read and written by the text, border and graphic steps.
struct TCellPaintContext
{
    platform::TCanvas *Canvas = nullptr;
    std::int32_t Col = 0;
    std::int32_t DisplayCol = 0;
    std::int32_t Row = 0;
    TGridDrawState State;
    platform::TRect Rect;
    TCellAlignment Alignment;
    // The horizontal alignment the text was drawn with; 0 when none was drawn.
    TAlignment TextAlignment = taLeftJustify;
    TCellGraphic *Graphic = nullptr;
    std::int32_t GraphicWidth = 0;
    std::int32_t GraphicHeight = 0;
    TCellHAlign GraphicHAlign = haLeft;
    TCellVAlign GraphicVAlign = vaTop;
    bool DrawTextFlag = true;
    std::uint8_t TextKind = 0;
    std::int32_t TextWidth = 0;
    std::int32_t TextHeight = 0;
    TColor SavedBrushColor = clNone;
    TColor SavedFontColor = clNone;
};

// Check boxes of every kind keep their colours while the grid has no focus.
inline bool IsCheckBoxGraphic(const TCellGraphic *graphic)
{
    return graphic
           && (graphic->CellType == ctCheckBox || graphic->CellType == ctDataCheckBox
               || graphic->CellType == ctVirtCheckBox);
}
