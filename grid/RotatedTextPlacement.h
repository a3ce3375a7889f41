#pragma once

#include "platform/Rect.h"

#include <cstdint>

// Where rotated text goes in its cell. Kept apart from the grid so that the
// arithmetic can be checked without fonts.
namespace rotatedtext {

// The axis-parallel projections of text cx wide and cy high turned by an
// angle: the rotated box is hs + wc wide and hc + ws high.
struct Projections
{
    std::int32_t wc = 0;
    std::int32_t hs = 0;
    std::int32_t ws = 0;
    std::int32_t hc = 0;
};

Projections Project(std::int32_t angle, std::int32_t cx, std::int32_t cy);

// 1 for angles up to 90, 2 up to 180, 3 up to 270, 4 beyond.
int Quadrant(std::int32_t angle);

// Places text of extent cx x cy, turned by angle, in rect by the alignment
// pair (0 left, 1 right, 2 centre; 0 top, 1 centre, 2 bottom) and moves the
// result up and left by the text margin. Answers the point where the text's
// top-left corner goes in rect's left and top; rect's right and bottom come
// back shrunk by 2.
void Place(platform::TRect &rect, std::int32_t angle, std::int32_t cx, std::int32_t cy, int horizontal, int vertical,
           std::int32_t marginX, std::int32_t marginY);

} // namespace rotatedtext
