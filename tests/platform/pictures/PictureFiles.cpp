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

QByteArray dibInfo(const DibFields &fields)
{
    const int size = headerSize(fields.header);
    QByteArray data;
    putLe32(data, std::uint32_t(size));
    if (fields.header == DibHeaderKind::Core) {
        putLe16(data, std::uint32_t(fields.width));
        putLe16(data, std::uint32_t(fields.height));
    } else {
        putLe32(data, std::uint32_t(fields.width));
        putLe32(data, std::uint32_t(fields.topDown ? -fields.height : fields.height));
    }
    putLe16(data, 1);
    putLe16(data, std::uint32_t(fields.bitCount));
    if (size > 16) {
        putLe32(data, fields.compression);
        putLe32(data, fields.imageSize);
        putLe32(data, 2835);
        putLe32(data, 2835);
        putLe32(data, fields.header == DibHeaderKind::Core ? 0 : std::uint32_t(fields.colors.size()));
        putLe32(data, 0);
    }
    const bool bitfields = fields.compression == 3 || fields.compression == 6;
    if (size > 40 && fields.header != DibHeaderKind::Os2)
        for (int i = 0; i < (size - 40) / 4 && i < 4; ++i)
            putLe32(data, fields.masks[std::size_t(i)]);
    data.append(QByteArray(size - data.size(), '\0'));
    if (size == 40 && bitfields)
        for (int i = 0; i < (fields.compression == 6 ? 4 : 3); ++i)
            putLe32(data, fields.masks[std::size_t(i)]);
    for (const QRgb color : fields.colors) {
        data.append(char(qBlue(color)));
        data.append(char(qGreen(color)));
        data.append(char(qRed(color)));
        if (fields.header != DibHeaderKind::Core)
            data.append('\0');
    }
    return data;
}

QByteArray bitmapFile(const DibFields &fields, const QByteArray &pixels)
{
    const QByteArray info = dibInfo(fields);
    const std::uint32_t offset = std::uint32_t(14 + info.size());
    QByteArray data("BM");
    putLe32(data, offset + std::uint32_t(pixels.size()));
    putLe32(data, 0);
    putLe32(data, offset);
    return data + info + pixels;
}

QByteArray storedRows(const DibFields &fields, const std::function<std::uint32_t(int x, int y)> &value)
{
    const int stride = (fields.width * fields.bitCount + 31) / 32 * 4;
    QByteArray rows;
    for (int row = 0; row < fields.height; ++row) {
        const int y = fields.topDown ? row : fields.height - 1 - row;
        QByteArray line(stride, '\0');
        for (int x = 0; x < fields.width; ++x) {
            const std::uint32_t v = value(x, y);
            if (fields.bitCount < 8) {
                const int bit = x * fields.bitCount;
                line[bit / 8] = char(uchar(line[bit / 8]) | (v << (8 - fields.bitCount - bit % 8)));
            } else {
                for (int i = 0; i < fields.bitCount / 8; ++i)
                    line[x * fields.bitCount / 8 + i] = char((v >> (8 * i)) & 0xFF);
            }
        }
        rows += line;
    }
    return rows;
}

QByteArray bitmap1(int width, int height)
{
    DibFields fields;
    fields.width = width;
    fields.height = height;
    fields.bitCount = 1;
    fields.colors = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    return bitmapFile(fields, storedRows(fields, [](int, int) { return 0u; }));
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
    DibFields fields;
    fields.width = argb.width();
    fields.height = argb.height() * 2;
    fields.bitCount = 32;
    QByteArray dib = dibInfo(fields);
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
