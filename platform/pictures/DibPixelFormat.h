#pragma once

#include "platform/pictures/DibHeader.h"

#include <array>

namespace platform {

// Turns a DIB's stored pixels into opaque colours.
class DibPixelFormat
{
public:
    explicit DibPixelFormat(const DibInfo &info);

    // The first `count` pixels of a stored row.
    void convertRow(const uchar *stored, int count, QRgb *out) const;

private:
    // One colour component of a packed pixel, scaled to 0..255 whatever its width.
    struct Channel
    {
        std::uint32_t mask = 0;
        int shift = 0;
        std::uint64_t max = 0;

        int value(std::uint32_t pixel) const
        {
            return max == 0 ? 0 : int((std::uint64_t((pixel & mask) >> shift) * 255 + max / 2) / max);
        }
    };

    QRgb packed(std::uint32_t pixel) const;

    int m_bitCount;
    QList<QRgb> m_colors;
    std::array<Channel, 3> m_channels;
};

} // namespace platform
