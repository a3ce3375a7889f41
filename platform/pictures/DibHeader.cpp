#include "platform/pictures/DibHeader.h"

#include <algorithm>
#include <limits>

namespace platform {

namespace {

constexpr std::uint32_t kCoreHeader = 12;
constexpr std::uint32_t kInfoHeader = 40;
constexpr std::uint32_t kLargestOs2Header = 64;

enum StoredCompression : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3, kAlphaBitfields = 6 };

bool isWindowsHeader(std::uint32_t size)
{
    return size == kInfoHeader || size == 52 || size == 56 || size == 108 || size == 124;
}

bool isOs2Header(std::uint32_t size)
{
    return size >= 16 && size <= kLargestOs2Header && !isWindowsHeader(size);
}

std::optional<DibCompression> compressionFor(std::uint32_t stored, bool os2)
{
    switch (stored) {
    case kRgb: return DibCompression::Rgb;
    case kRle8: return DibCompression::Rle8;
    case kRle4: return DibCompression::Rle4;
    // OS/2 uses 3 and 4 for Huffman and 24-bit RLE, which we do not decode.
    case kBitfields:
    case kAlphaBitfields: return os2 ? std::nullopt : std::optional(DibCompression::Bitfields);
    default: return std::nullopt;
    }
}

bool depthFits(const DibInfo &info)
{
    switch (info.compression) {
    case DibCompression::Rgb:
        return info.bitCount == 1 || info.bitCount == 2 || info.bitCount == 4 || info.bitCount == 8
               || info.bitCount == 16 || info.bitCount == 24 || info.bitCount == 32;
    case DibCompression::Rle8: return info.bitCount == 8 && !info.topDown;
    case DibCompression::Rle4: return info.bitCount == 4 && !info.topDown;
    case DibCompression::Bitfields: return info.bitCount == 16 || info.bitCount == 32;
    }
    return false;
}

std::array<std::uint32_t, 3> defaultMasks(int bitCount)
{
    if (bitCount == 16)
        return {0x7C00, 0x03E0, 0x001F};
    return {0xFF0000, 0x00FF00, 0x0000FF};
}

// readDibInfo without its guard: a read past the reader's end throws.
std::optional<DibInfo> parseDibInfo(ByteReader &reader)
{
    const std::size_t start = reader.pos();
    const std::uint32_t headerSize = reader.u32();
    const bool core = headerSize == kCoreHeader;
    const bool os2 = isOs2Header(headerSize);
    if (!core && !os2 && !isWindowsHeader(headerSize))
        return std::nullopt;

    DibInfo info;
    std::uint32_t planes = 0;
    std::uint32_t storedCompression = kRgb;
    if (core) {
        info.width = reader.u16();
        info.height = reader.u16();
        planes = reader.u16();
        info.bitCount = int(reader.u16());
    } else {
        info.width = reader.i32();
        const qint64 height = reader.i32();
        info.topDown = height < 0;
        info.height = info.topDown ? -height : height;
        planes = reader.u16();
        info.bitCount = int(reader.u16());
        // Short OS/2 headers end early; the fields they leave out are zero.
        if (headerSize >= 20)
            storedCompression = reader.u32();
        if (headerSize >= 24)
            info.imageSize = reader.u32();
        if (headerSize >= 36) {
            reader.seek(start + 32);
            info.colorsUsed = reader.u32();
        }
    }
    const std::optional<DibCompression> compression = compressionFor(storedCompression, os2);
    if (!compression || info.width <= 0 || info.height == 0 || planes != 1
        || info.height > std::numeric_limits<int>::max())
        return std::nullopt;
    info.compression = *compression;
    if (!depthFits(info))
        return std::nullopt;

    reader.seek(start + headerSize);
    info.masks = defaultMasks(info.bitCount);
    if (info.compression == DibCompression::Bitfields) {
        // Version 2 and later headers hold the masks; the info header is followed by them.
        if (headerSize > kInfoHeader)
            reader.seek(start + kInfoHeader);
        for (std::uint32_t &mask : info.masks)
            mask = reader.u32();
        // Version 3 and later headers hold an alpha mask; the info header is
        // followed by one when its compression says so.
        if (headerSize >= 56 || (headerSize == kInfoHeader && storedCompression == kAlphaBitfields))
            info.alphaMask = reader.u32();
        if (headerSize > kInfoHeader)
            reader.seek(start + headerSize);
    }

    if (info.indexed()) {
        const std::uint32_t full = 1u << info.bitCount;
        if (info.colorsUsed > full)
            return std::nullopt;
        // A table whose length is not stated may stop where the reader ends,
        // as old OS/2 files do by starting their pixels early.
        const std::size_t entryBytes = core ? 3 : 4;
        const std::uint32_t count = info.colorsUsed != 0
                                        ? info.colorsUsed
                                        : std::uint32_t(std::min<std::size_t>(reader.remaining() / entryBytes, full));
        info.colors.fill(qRgb(0, 0, 0), full);
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::uint32_t blue = reader.u8();
            const std::uint32_t green = reader.u8();
            const std::uint32_t red = reader.u8();
            if (!core)
                reader.u8();
            info.colors[i] = qRgb(int(red), int(green), int(blue));
        }
    }
    info.infoBytes = qint64(reader.pos() - start);
    return info;
}

} // namespace

std::optional<DibInfo> readDibInfo(ByteReader &reader)
{
    try {
        return parseDibInfo(reader);
    } catch (const DataCutShort &) {
        return std::nullopt;
    }
}

} // namespace platform
