#include "PictureFiles.h"

#include <QBuffer>

namespace picturefiles {

namespace {

void putLe16(QByteArray &data, std::uint32_t value)
{
    data.append(char(value & 0xFF));
    data.append(char((value >> 8) & 0xFF));
}

void putLe32(QByteArray &data, std::uint32_t value)
{
    putLe16(data, value & 0xFFFF);
    putLe16(data, value >> 16);
}

int headerSize(DibHeaderKind kind)
{
    switch (kind) {
    case DibHeaderKind::Core: return 12;
    case DibHeaderKind::Os2Short: return 16;
    case DibHeaderKind::Os2: return 64;
    case DibHeaderKind::Info: return 40;
    case DibHeaderKind::V2: return 52;
    case DibHeaderKind::V3: return 56;
    case DibHeaderKind::V4: return 108;
    case DibHeaderKind::V5: return 124;
    }
    return 0;
}

} // namespace

void setLe32(QByteArray &data, int at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        data[at + i] = char((value >> (8 * i)) & 0xFF);
}

QByteArray dibInfo(const DibSpec &spec)
{
    const int size = headerSize(spec.header);
    QByteArray data;
    putLe32(data, std::uint32_t(size));
    if (spec.header == DibHeaderKind::Core) {
        putLe16(data, std::uint32_t(spec.width));
        putLe16(data, std::uint32_t(spec.height));
    } else {
        putLe32(data, std::uint32_t(spec.width));
        putLe32(data, std::uint32_t(spec.topDown ? -spec.height : spec.height));
    }
    putLe16(data, 1);
    putLe16(data, std::uint32_t(spec.bitCount));
    if (size > 16) {
        putLe32(data, spec.compression);
        putLe32(data, spec.imageSize);
        putLe32(data, 2835);
        putLe32(data, 2835);
        putLe32(data, spec.header == DibHeaderKind::Core ? 0 : std::uint32_t(spec.colors.size()));
        putLe32(data, 0);
    }
    const bool bitfields = spec.compression == 3 || spec.compression == 6;
    if (size > 40 && spec.header != DibHeaderKind::Os2)
        for (int i = 0; i < (size - 40) / 4 && i < 4; ++i)
            putLe32(data, spec.masks[std::size_t(i)]);
    data.append(QByteArray(size - data.size(), '\0'));
    if (size == 40 && bitfields)
        for (int i = 0; i < (spec.compression == 6 ? 4 : 3); ++i)
            putLe32(data, spec.masks[std::size_t(i)]);
    for (const QRgb color : spec.colors) {
        data.append(char(qBlue(color)));
        data.append(char(qGreen(color)));
        data.append(char(qRed(color)));
        if (spec.header != DibHeaderKind::Core)
            data.append('\0');
    }
    return data;
}

QByteArray bitmapFile(const DibSpec &spec, const QByteArray &pixels)
{
    const QByteArray info = dibInfo(spec);
    const std::uint32_t offset = std::uint32_t(14 + info.size());
    QByteArray data("BM");
    putLe32(data, offset + std::uint32_t(pixels.size()));
    putLe32(data, 0);
    putLe32(data, offset);
    return data + info + pixels;
}

QByteArray storedRows(const DibSpec &spec, const std::function<std::uint32_t(int x, int y)> &value)
{
    const int stride = (spec.width * spec.bitCount + 31) / 32 * 4;
    QByteArray rows;
    for (int row = 0; row < spec.height; ++row) {
        const int y = spec.topDown ? row : spec.height - 1 - row;
        QByteArray line(stride, '\0');
        for (int x = 0; x < spec.width; ++x) {
            const std::uint32_t v = value(x, y);
            if (spec.bitCount < 8) {
                const int bit = x * spec.bitCount;
                line[bit / 8] = char(uchar(line[bit / 8]) | (v << (8 - spec.bitCount - bit % 8)));
            } else {
                for (int i = 0; i < spec.bitCount / 8; ++i)
                    line[x * spec.bitCount / 8 + i] = char((v >> (8 * i)) & 0xFF);
            }
        }
        rows += line;
    }
    return rows;
}

QByteArray bitmap1(int width, int height)
{
    DibSpec spec;
    spec.width = width;
    spec.height = height;
    spec.bitCount = 1;
    spec.colors = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    return bitmapFile(spec, storedRows(spec, [](int, int) { return 0u; }));
}

QByteArray iconWith(const QByteArray &entry, int declaredSize)
{
    QByteArray data;
    putLe16(data, 0);
    putLe16(data, 1);
    putLe16(data, 1);
    data.append(char(declaredSize & 0xFF));
    data.append(char(declaredSize & 0xFF));
    data.append('\0');
    data.append('\0');
    putLe16(data, 1);
    putLe16(data, 32);
    putLe32(data, std::uint32_t(entry.size()));
    putLe32(data, 22);
    return data + entry;
}

QByteArray iconWithBitmap(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    DibSpec spec;
    spec.width = argb.width();
    spec.height = argb.height() * 2;
    spec.bitCount = 32;
    QByteArray dib = dibInfo(spec);
    for (int y = argb.height() - 1; y >= 0; --y)
        for (int x = 0; x < argb.width(); ++x)
            putLe32(dib, argb.pixel(x, y));
    dib.append(QByteArray((argb.width() + 31) / 32 * 4 * argb.height(), '\0'));
    return iconWith(dib, argb.width());
}

QByteArray png(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "png");
    return bytes;
}

} // namespace picturefiles
