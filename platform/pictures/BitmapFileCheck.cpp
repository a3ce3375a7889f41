#include "platform/pictures/BitmapFileCheck.h"

#include "platform/pictures/ByteReader.h"
#include "platform/pictures/PictureLoader.h"

namespace platform {

namespace {

constexpr qint64 kFileHeaderSize = 14;

enum Compression : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3 };

struct Dib {
    qint64 width = 0;
    qint64 rows = 0; // pixel rows, without an icon's mask rows
    std::uint32_t bitCount = 0;
    std::uint32_t compression = kRgb;
    qint64 imageSize = 0;  // bytes of pixel data the header states (0: not stated)
    qint64 tableEnd = 0;   // offset just after the colour table and masks
};

// Reads and checks the info header at `at`, whose bitmap must end by `end`.
bool readDib(const QByteArray &data, qint64 at, qint64 end, bool icon, Dib &dib)
{
    if (at + 4 > end)
        return false;
    const std::uint32_t headerSize = readLe32(data, at);
    const bool core = headerSize == 12;
    if (!core && headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize != 108 && headerSize != 124)
        return false;
    if (at + headerSize > end)
        return false;
    qint64 height = 0;
    std::uint32_t planes = 0;
    std::uint32_t colorsUsed = 0;
    if (core) {
        dib.width = readLe16(data, at + 4);
        height = readLe16(data, at + 6);
        planes = readLe16(data, at + 8);
        dib.bitCount = readLe16(data, at + 10);
    } else {
        dib.width = readLeS32(data, at + 4);
        height = readLeS32(data, at + 8);
        planes = readLe16(data, at + 12);
        dib.bitCount = readLe16(data, at + 14);
        dib.compression = readLe32(data, at + 16);
        dib.imageSize = readLe32(data, at + 20);
        colorsUsed = readLe32(data, at + 32);
    }
    const bool topDown = height < 0;
    const qint64 absHeight = topDown ? -height : height;
    if (dib.width <= 0 || absHeight == 0 || planes != 1)
        return false;
    if (icon && (topDown || absHeight % 2 != 0))
        return false;
    dib.rows = icon ? absHeight / 2 : absHeight;
    if (dib.width * dib.rows > kMaxPicturePixels)
        return false;

    switch (dib.bitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: return false;
    }
    switch (dib.compression) {
    case kRgb: break;
    case kRle8: if (dib.bitCount != 8 || topDown || icon) return false; break;
    case kRle4: if (dib.bitCount != 4 || topDown || icon) return false; break;
    case kBitfields: if ((dib.bitCount != 16 && dib.bitCount != 32) || icon) return false; break;
    default: return false;
    }

    qint64 colors = colorsUsed;
    if (dib.bitCount <= 8) {
        const qint64 full = qint64(1) << dib.bitCount;
        if (colors > full)
            return false;
        if (colors == 0)
            colors = full;
    }
    const qint64 masks = (dib.compression == kBitfields && headerSize == 40) ? 12 : 0;
    dib.tableEnd = at + headerSize + masks + colors * (core ? 3 : 4);
    return dib.tableEnd <= end;
}

qint64 rowBytes(qint64 width, std::uint32_t bitCount)
{
    return (width * bitCount + 31) / 32 * 4;
}

// True when the pixel data starting at `pixels` fits by `end`.
bool pixelsFit(const Dib &dib, qint64 pixels, qint64 end, bool icon)
{
    if (dib.compression == kRle4 || dib.compression == kRle8)
        return dib.imageSize > 0 && pixels + dib.imageSize <= end;
    qint64 need = rowBytes(dib.width, dib.bitCount) * dib.rows;
    if (icon)
        need += rowBytes(dib.width, 1) * dib.rows;
    return pixels + need <= end;
}

} // namespace

bool isCompleteBitmapFile(const QByteArray &data)
{
    const qint64 size = data.size();
    if (size < kFileHeaderSize + 12 || data[0] != 'B' || data[1] != 'M')
        return false;
    Dib dib;
    if (!readDib(data, kFileHeaderSize, size, false, dib))
        return false;
    const qint64 pixels = readLe32(data, 10);
    return pixels >= dib.tableEnd && pixelsFit(dib, pixels, size, false);
}

bool isCompleteIconBitmap(const QByteArray &data)
{
    Dib dib;
    return readDib(data, 0, data.size(), true, dib) && pixelsFit(dib, dib.tableEnd, data.size(), true);
}

} // namespace platform
