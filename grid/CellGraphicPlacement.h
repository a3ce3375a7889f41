#pragma once

#include "grid/GridTypes.h"
#include "platform/Rect.h"

#include <cstdint>

// Where a cell's graphic goes inside the content rectangle, from its size,
// its own alignment, the width of the text beside it and the alignment the
// text was drawn with (0 when none was drawn).
platform::TRect PlaceCellGraphic(const platform::TRect &content, std::int32_t width, std::int32_t height,
                                 std::int32_t textWidth, TCellHAlign hAlign, TCellVAlign vAlign,
                                 TAlignment textAlignment);
