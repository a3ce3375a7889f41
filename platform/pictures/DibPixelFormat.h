#pragma once

#include "platform/pictures/DibHeader.h"

#include <array>

namespace platform {

// Turns a DIB's stored pixels into colours: opaque, unless withAlpha asks
// for the alpha of pixels whose bit fields hold it.
class DibPixelFormat
{
public:
    DibPixelFormat(const DibInfo &info, bool withAlpha);

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
    std::array<Channel, 4> m_channels; // red, green, blue, alpha
};

} // namespace platform
