#include "platform/metafile/DibDecoder.h"

#include "platform/metafile/ByteReader.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>
#include <cstdlib>

namespace platform::metafile {

namespace {

enum Compression : std::uint32_t { BiRgb = 0, BiRle8 = 1, BiRle4 = 2, BiBitfields = 3, BiAlphaBitfields = 6 };

constexpr std::uint32_t kCoreHeader = 12;
constexpr std::uint32_t kInfoHeader = 40;
constexpr std::uint32_t kV4Header = 108;

struct DibHeader
{
    std::uint32_t size = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint16_t bitCount = 0;
    std::uint32_t compression = BiRgb;
    std::uint32_t colorsUsed = 0;
};

DibHeader readHeader(const QByteArray &data)
{
    ByteReader r(data);
    DibHeader h;
    h.size = r.u32();
    if (h.size == kCoreHeader) {
        h.width = r.u16();
        h.height = r.u16();
        r.u16();
        h.bitCount = r.u16();
        return h;
    }
    if (h.size < 16 || h.size > 124)
        throw MetafileError("unknown bitmap header");
    h.width = r.i32();
    h.height = r.i32();
    r.u16();
    h.bitCount = r.u16();
    if (h.size >= 20)
        h.compression = r.u32();
    if (h.size >= 36) {
        r.skip(12);
        h.colorsUsed = r.u32();
    }
    return h;
}

// Bytes of the info block: header, colour masks and colour table.
std::uint64_t infoSize(const DibHeader &h)
{
    const std::uint64_t entry = h.size == kCoreHeader ? 3 : 4;
    std::uint64_t colors = h.colorsUsed;
    if (colors == 0 && h.bitCount <= 8)
        colors = std::uint64_t(1) << h.bitCount;
    if (colors > 65536)
        throw MetafileError("colour table too large");
    std::uint64_t masks = 0;
    if (h.size == kInfoHeader && h.compression == BiBitfields)
        masks = 12;
    else if (h.size == kInfoHeader && h.compression == BiAlphaBitfields)
        masks = 16;
    return h.size + masks + checkedBytes(colors, entry);
}

void putU32(QByteArray &data, int at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        data[at + i] = char((v >> (8 * i)) & 0xFF);
}

// A 40-byte header for 32-bit pixels rewritten as a V4 header whose masks
// include alpha, so that the reader keeps the fourth byte.
QByteArray withAlphaMask(const QByteArray &info)
{
    QByteArray v4 = info.left(kInfoHeader);
    v4.resize(kV4Header, '\0');
    putU32(v4, 0, kV4Header);
    putU32(v4, 16, BiBitfields);
    putU32(v4, 40, 0x00FF0000);
    putU32(v4, 44, 0x0000FF00);
    putU32(v4, 48, 0x000000FF);
    putU32(v4, 52, 0xFF000000);
    return v4 + info.mid(kInfoHeader);
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
    }
    const std::int64_t width = h.width;
    const std::int64_t height = std::abs(h.height);
    if (width <= 0 || height <= 0 || width > limits.maxSide || height > limits.maxSide
        || width * height > limits.maxPixels)
        return {};
    switch (h.bitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: return {};
    }

    QByteArray info = dib.info;
    const bool alpha = withAlpha && h.bitCount == 32 && h.compression == BiRgb && h.size == kInfoHeader;
    if (alpha)
        info = withAlphaMask(info);

    const std::uint64_t offBits = 14 + std::uint64_t(info.size());
    const std::uint64_t fileSize = offBits + std::uint64_t(dib.bits.size());
    if (fileSize > 0xFFFFFFFFu)
        return {};
    QByteArray file(14, '\0');
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
        // The blit's pixels are already premultiplied.
        image = image.convertToFormat(QImage::Format_ARGB32);
        image.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
    }
    return image;
}

} // namespace platform::metafile
