#include "platform/pictures/DibPixelFormat.h"

#include <QtEndian>

namespace platform {

DibPixelFormat::DibPixelFormat(const DibInfo &info, bool withAlpha)
    : m_bitCount(info.bitCount),
      m_colors(info.colors)
{
    const std::array<std::uint32_t, 4> masks{info.masks[0], info.masks[1], info.masks[2],
                                             withAlpha ? info.alphaMask : 0};
    for (std::size_t i = 0; i < m_channels.size(); ++i) {
        Channel &channel = m_channels[i];
        channel.mask = masks[i];
        if (channel.mask == 0)
            continue;
        while (((channel.mask >> channel.shift) & 1u) == 0)
            ++channel.shift;
        channel.max = channel.mask >> channel.shift;
    }
}

QRgb DibPixelFormat::packed(std::uint32_t pixel) const
{
    const Channel &alpha = m_channels[3];
    return qRgba(m_channels[0].value(pixel), m_channels[1].value(pixel), m_channels[2].value(pixel),
                 alpha.mask == 0 ? 255 : alpha.value(pixel));
}

void DibPixelFormat::convertRow(const uchar *stored, int count, QRgb *out) const
{
    switch (m_bitCount) {
    case 1:
    case 2:
    case 4:
    case 8: {
        const int perByte = 8 / m_bitCount;
        const uchar indexMask = uchar((1u << m_bitCount) - 1);
        for (int x = 0; x < count; ++x) {
            const int shift = 8 - m_bitCount * (x % perByte + 1);
            out[x] = m_colors[(stored[x / perByte] >> shift) & indexMask];
        }
        break;
    }
    case 16:
        for (int x = 0; x < count; ++x, stored += 2)
            out[x] = packed(std::uint32_t(stored[0]) | (std::uint32_t(stored[1]) << 8));
        break;
    case 24: {
        // Four pixels from three little-endian words: the stored blue, green
        // and red bytes already stand where QRgb wants them.
        int x = 0;
        for (; x + 4 <= count; x += 4, stored += 12) {
            const std::uint32_t w0 = qFromLittleEndian<std::uint32_t>(stored);
            const std::uint32_t w1 = qFromLittleEndian<std::uint32_t>(stored + 4);
            const std::uint32_t w2 = qFromLittleEndian<std::uint32_t>(stored + 8);
            out[x] = 0xFF000000u | (w0 & 0xFFFFFFu);
            out[x + 1] = 0xFF000000u | (w0 >> 24) | ((w1 & 0xFFFFu) << 8);
            out[x + 2] = 0xFF000000u | (w1 >> 16) | ((w2 & 0xFFu) << 16);
            out[x + 3] = 0xFF000000u | (w2 >> 8);
        }
        for (; x < count; ++x, stored += 3)
            out[x] = qRgb(stored[2], stored[1], stored[0]);
        break;
    }
    case 32:
        for (int x = 0; x < count; ++x, stored += 4)
            out[x] = packed(std::uint32_t(stored[0]) | (std::uint32_t(stored[1]) << 8)
                            | (std::uint32_t(stored[2]) << 16) | (std::uint32_t(stored[3]) << 24));
        break;
    }
}

} // namespace platform
