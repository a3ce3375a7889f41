#pragma once

#include <QRect>

namespace platform {

// A rectangle as the drawing calls take it: the right and bottom edges lie
// just outside the area, so width = right - left.
struct TRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr bool isEmpty() const { return right <= left || bottom <= top; }

    // Moves every edge outward by dx and dy (inward for negative values).
    constexpr void inflate(int dx, int dy)
    {
        left -= dx;
        top -= dy;
        right += dx;
        bottom += dy;
    }

    QRect toQRect() const { return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)); }
    static TRect fromQRect(const QRect &r) { return {r.left(), r.top(), r.right() + 1, r.bottom() + 1}; }

    friend constexpr bool operator==(const TRect &a, const TRect &b)
    {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
    friend constexpr bool operator!=(const TRect &a, const TRect &b) { return !(a == b); }
};

} // namespace platform
