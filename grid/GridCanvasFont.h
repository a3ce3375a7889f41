#pragma once

#include "grid/GridFont.h"
#include "platform/Font.h"

// The canvas font that draws a grid font.
inline platform::TFont ToCanvasFont(const TFont &font)
{
    platform::TFont canvasFont;
    canvasFont.setName(font.Name());
    canvasFont.setHeight(font.Height());
    canvasFont.setColor(font.Color());
    canvasFont.setStyle(font.Style());
    canvasFont.setCharSet(std::uint8_t(font.Charset()));
    return canvasFont;
}
