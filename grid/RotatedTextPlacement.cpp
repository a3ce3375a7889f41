#include "grid/RotatedTextPlacement.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace rotatedtext {

namespace {

// Pi to the 64-bit mantissa of extended precision (significand C90FDAA22168C235).
constexpr long double kPi = 0xC90FDAA22168C235p-62L;

std::int32_t truncatedMagnitude(long double value)
{
    const long double magnitude = std::fabs(std::trunc(value));
    constexpr long double limit = std::numeric_limits<std::int32_t>::max();
    return std::int32_t(std::min(magnitude, limit));
}

// Halves rounding toward minus infinity, also for negative values.
std::int64_t half(std::int64_t value)
{
    return value >= 0 ? value / 2 : -((-value + 1) / 2);
}

std::int32_t clampToInt32(std::int64_t value)
{
    return std::int32_t(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max()));
}

} // namespace

Projections Project(std::int32_t angle, std::int32_t cx, std::int32_t cy)
{
    const long double radians = static_cast<long double>(angle) * kPi / 180.0L;
    const long double cosine = std::cos(radians);
    const long double sine = std::sin(radians);
    Projections p;
    p.wc = truncatedMagnitude(cosine * cx);
    p.hs = truncatedMagnitude(sine * cy);
    p.ws = truncatedMagnitude(sine * cx);
    p.hc = truncatedMagnitude(cosine * cy);
    return p;
}

int Quadrant(std::int32_t angle)
{
    if (angle <= 90)
        return 1;
    if (angle <= 180)
        return 2;
    if (angle <= 270)
        return 3;
    return 4;
}

void Place(platform::TRect &rect, std::int32_t angle, std::int32_t cx, std::int32_t cy, int horizontal, int vertical,
           std::int32_t marginX, std::int32_t marginY)
{
    rect.right = clampToInt32(std::int64_t(rect.right) - 2);
    rect.bottom = clampToInt32(std::int64_t(rect.bottom) - 2);
    const Projections p = Project(angle, cx, cy);
    const std::int64_t L = rect.left, T = rect.top, Rt = rect.right, B = rect.bottom;
    const std::int64_t wc = p.wc, hs = p.hs, ws = p.ws, hc = p.hc;
    const int quadrant = Quadrant(angle);

    std::int64_t x = L;
    switch (horizontal) {
    case 0: // left
        x = quadrant == 1 ? L : quadrant == 2 ? L + wc : quadrant == 3 ? L + hs + wc : L + hs;
        break;
    case 1: // right
        x = quadrant == 1 ? Rt - wc - hs : quadrant == 2 ? Rt - hs : quadrant == 3 ? Rt : Rt - wc;
        break;
    default: // centre
        x = quadrant == 1   ? L + half(Rt - L - hs - wc)
            : quadrant == 2 ? Rt - half(Rt - L + hs - wc)
            : quadrant == 3 ? Rt - half(Rt - L - hs - wc)
                            : L + half(Rt - L + hs - wc);
        break;
    }

    // The output point's offset inside the rotated box, by quadrant.
    const std::int64_t offsetY = quadrant == 1 ? ws : quadrant == 2 ? ws + hc : quadrant == 3 ? hc : 0;
    std::int64_t y = T;
    switch (vertical) {
    case 0: // top
        y = T + offsetY;
        break;
    case 2: // bottom
        y = quadrant == 1 ? B - hc : quadrant == 2 ? B : quadrant == 3 ? B - ws : B - hc - ws;
        break;
    default: // centre
        y = T + offsetY - half(T - B + hc + ws);
        break;
    }

    rect.left = clampToInt32(x - marginX);
    rect.top = clampToInt32(y - marginY);
}

} // namespace rotatedtext
