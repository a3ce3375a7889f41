#include "platform/metafile/DibDecoder.h"

#include "platform/ByteReader.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>
#include <array>
#include <cstdlib>

namespace platform::metafile {

namespace {

enum Compression : std::uint32_t {
    BiRgb = 0,
    BiRle8 = 1,
    BiRle4 = 2,
    BiBitfields = 3,
    BiAlphaBitfields = 6,
};

constexpr std::uint32_t kCoreHeader = 12;
constexpr std::uint32_t kInfoHeader = 40;
constexpr std::uint32_t kV4Header = 108;
constexpr std::uint32_t kLargestHeader = 124;
constexpr std::uint32_t kFileHeader = 14;

// The fields of any of the bitmap headers: the core header, the OS/2 headers
// of 16 to 64 bytes, the info header and its later versions with masks.
struct DibHeader
{
    std::uint32_t size = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint16_t bitCount = 0;
    std::uint32_t compression = BiRgb;
    std::uint32_t colorsUsed = 0;
    std::array<std::uint32_t, 4> masks{}; // red, green, blue, alpha
    bool masksInHeader = false;

    bool isCore() const { return size == kCoreHeader; }
    bool isOs2() const { return size == 16 || size == 64; }
    bool hasBitfields() const
    {
        return !isCore() && !isOs2() && (compression == BiBitfields || compression == BiAlphaBitfields);
    }
};

DibHeader readHeader(const QByteArray &data)
{
    ByteReader whole(data);
    DibHeader h;
    h.size = whole.u32();
    if (h.size == kCoreHeader) {
        ByteReader r = whole.slice(4, kCoreHeader - 4);
        h.width = r.u16();
        h.height = r.u16();
        r.u16();
        h.bitCount = r.u16();
        return h;
    }
    if (h.size < 16 || h.size > kLargestHeader)
        throw MetafileError("unknown bitmap header");
    // Fields past a short header's end keep their defaults.
    QByteArray padded = data.left(h.size);
    padded.resize(kLargestHeader, '\0');
    ByteReader r(padded);
    r.seek(4);
    h.width = r.i32();
    h.height = r.i32();
    r.u16();
    h.bitCount = r.u16();
    h.compression = r.u32();
    r.seek(32);
    h.colorsUsed = r.u32();
    if (h.size >= 52 && !h.isOs2()) {
        r.seek(40);
        for (std::uint32_t &mask : h.masks)
            mask = r.u32();
        if (h.size < 56)
            h.masks[3] = 0;
        h.masksInHeader = true;
    }
    return h;
}

std::uint64_t maskBytesAfterHeader(const DibHeader &h)
{
    if (!h.hasBitfields() || h.masksInHeader)
        return 0;
    return h.compression == BiAlphaBitfields ? 16 : 12;
}

std::uint64_t colorTableBytes(const DibHeader &h)
{
    std::uint64_t colors = h.colorsUsed;
    if (colors == 0 && h.bitCount <= 8)
        colors = std::uint64_t(1) << h.bitCount;
    if (colors > 65536)
        throw MetafileError("colour table too large");
    return checkedBytes(colors, h.isCore() ? 3 : 4);
}

// Bytes of the info block: header, colour masks and colour table.
std::uint64_t infoSize(const DibHeader &h)
{
    return h.size + maskBytesAfterHeader(h) + colorTableBytes(h);
}

void putU16(QByteArray &data, int at, std::uint16_t v)
{
    data[at] = char(v & 0xFF);
    data[at + 1] = char(v >> 8);
}

void putU32(QByteArray &data, int at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        data[at + i] = char((v >> (8 * i)) & 0xFF);
}

// Rewrites the info block in a form Qt's bitmap reader knows: the core header
// as it is, bit fields (given or asked for by withAlpha) as a V4 header, any
// other header as the 40-byte info header; the colour table follows unchanged.
QByteArray readableInfo(const QByteArray &info, const DibHeader &h, bool withAlpha)
{
    if (h.isCore())
        return info;
    std::array<std::uint32_t, 4> masks = h.masks;
    bool bitfields = h.hasBitfields();
    if (bitfields && !h.masksInHeader) {
        ByteReader r(info);
        r.seek(h.size);
        for (std::size_t i = 0; i < (h.compression == BiAlphaBitfields ? 4u : 3u); ++i)
            masks[i] = r.u32();
    }
    if (withAlpha && h.compression == BiRgb) {
        masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
        bitfields = true;
    }
    QByteArray header(bitfields ? kV4Header : kInfoHeader, '\0');
    putU32(header, 0, std::uint32_t(header.size()));
    putU32(header, 4, std::uint32_t(h.width));
    putU32(header, 8, std::uint32_t(h.height));
    putU16(header, 12, 1);
    putU16(header, 14, h.bitCount);
    putU32(header, 16, bitfields ? BiBitfields : h.compression);
    putU32(header, 32, h.colorsUsed);
    if (bitfields) {
        for (int i = 0; i < 4; ++i)
            putU32(header, 40 + 4 * i, masks[std::size_t(i)]);
    }
    const qsizetype tableAt = qsizetype(h.size + maskBytesAfterHeader(h));
    return header + info.mid(tableAt);
}

bool isReadableDepth(const DibHeader &h)
{
    switch (h.bitCount) {
    case 1:
    case 4:
    case 8:
    case 24:
        return h.compression == BiRgb || (h.compression == BiRle8 && h.bitCount == 8)
               || (h.compression == BiRle4 && h.bitCount == 4);
    case 16:
    case 32: return h.compression == BiRgb || h.hasBitfields();
    default: return false;
    }
}

} // namespace

DibData splitPackedDib(const QByteArray &packed)
{
    const std::uint64_t size = infoSize(readHeader(packed));
    if (size > std::uint64_t(packed.size()))
        throw MetafileError("bitmap info outside its record");
    return DibData{packed.left(qsizetype(size)), packed.mid(qsizetype(size))};
}

bool isBottomUp(const DibData &dib)
{
    try {
        return readHeader(dib.info).height > 0;
    } catch (const MetafileError &) {
        return true;
    } catch (const DataCutShort &) {
        return true;
    }
}

QImage decodeDib(const DibData &dib, const PlayLimits &limits, bool withAlpha)
{
    DibHeader h;
    try {
        h = readHeader(dib.info);
        if (infoSize(h) > std::uint64_t(dib.info.size()))
            return {};
    } catch (const MetafileError &) {
        return {};
    } catch (const DataCutShort &) {
        return {};
    }
    const std::int64_t width = h.width;
    const std::int64_t height = std::abs(h.height);
    if (width <= 0 || height <= 0 || width > limits.maxSide || height > limits.maxSide
        || width * height > limits.maxPixels || !isReadableDepth(h))
        return {};
    // Compressed bitmaps are stored bottom-up only.
    if (h.height < 0 && (h.compression == BiRle8 || h.compression == BiRle4))
        return {};

    const bool alpha = withAlpha && h.bitCount == 32 && h.compression == BiRgb;
    const QByteArray info = readableInfo(dib.info, h, alpha);

    const std::uint64_t offBits = kFileHeader + std::uint64_t(info.size());
    const std::uint64_t fileSize = offBits + std::uint64_t(dib.bits.size());
    if (fileSize > 0x7FFFFFFFu)
        return {};
    QByteArray file(kFileHeader, '\0');
    file[0] = 'B';
    file[1] = 'M';
    putU32(file, 2, std::uint32_t(fileSize));
    putU32(file, 10, std::uint32_t(offBits));
    file += info;
    file += dib.bits;

    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    reader.setAllocationLimit(int(std::max<std::int64_t>(1, limits.maxPixels * 4 / (1024 * 1024) + 1)));
    QImage image = reader.read();
    if (image.isNull())
        return {};
    if (alpha && image.hasAlphaChannel()) {
        // Alpha-blended pixels are stored premultiplied.
        image = image.convertToFormat(QImage::Format_ARGB32);
        image.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
    }
    return image;
}

} // namespace platform::metafile
