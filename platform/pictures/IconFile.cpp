#include "platform/pictures/IconFile.h"

#include "platform/pictures/ByteReader.h"
#include "platform/pictures/DibHeader.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>

namespace platform {

namespace {

constexpr qint64 kDirectoryHeaderBytes = 6;
constexpr qint64 kDirectoryEntryBytes = 16;
// An image of kMaxIconPixels at 32 bits with its mask, or a PNG of it, fits.
constexpr qint64 kMaxEntryBytes = 128LL * 1024 * 1024;
const QByteArray kPngSignature("\x89PNG\r\n\x1a\n", 8);

// Every chunk lies within the bytes, the first is an IHDR within the size
// limit, and IEND comes.
bool isCompletePng(const QByteArray &png)
{
    ByteReader reader(png);
    reader.seek(kPngSignature.size());
    bool first = true;
    while (reader.ok()) {
        const qint64 length = reader.be32();
        const std::uint32_t type = reader.be32();
        const qint64 data = reader.pos();
        if (first) {
            const qint64 width = reader.be32();
            const qint64 height = reader.be32();
            if (type != 0x49484452u /* IHDR */ || length != 13 || width == 0 || height == 0
                || width > kMaxIconPixels / height)
                return false;
            first = false;
        }
        reader.seek(data + length + 4);
        if (reader.ok() && type == 0x49454E44u /* IEND */)
            return true;
    }
    return false;
}

// The bitmap of an icon image, its info and where its AND mask starts.
struct IconBitmap
{
    QByteArray dib;
    DibInfo info;
    qint64 mask = 0;
};

// The bitmap of an icon image with its AND mask made whole: the colour
// pixels must all be there; mask rows cut short are filled as opaque.
std::optional<IconBitmap> completeIconBitmap(QByteArray dib)
{
    ByteReader reader(dib);
    const std::optional<DibInfo> info = readDibInfo(reader);
    // The height counts the colour rows and the mask rows.
    if (!info || info->topDown || info->height % 2 != 0 || info->compression != DibCompression::Rgb
        || info->bitCount == 2)
        return std::nullopt;
    const qint64 rows = info->height / 2;
    if (info->width * rows > kMaxIconPixels)
        return std::nullopt;
    const qint64 colorEnd = info->infoBytes + info->stride() * rows;
    const qint64 maskEnd = colorEnd + (info->width + 31) / 32 * 4 * rows;
    if (colorEnd > dib.size())
        return std::nullopt;
    if (maskEnd > dib.size())
        dib.append(QByteArray(qsizetype(maskEnd - dib.size()), '\0'));
    return IconBitmap{dib, *info, colorEnd};
}

// Makes the pixels that the AND mask marks transparent. Qt's reader leaves
// the mask out for some depths; 32-bit images carry their own alpha.
void applyAndMask(const IconBitmap &bitmap, QImage &image)
{
    if (bitmap.info.bitCount == 32)
        return;
    image = image.convertToFormat(QImage::Format_ARGB32);
    const qint64 stride = (bitmap.info.width + 31) / 32 * 4;
    const auto *mask = reinterpret_cast<const uchar *>(bitmap.dib.constData() + bitmap.mask);
    for (int y = 0; y < image.height(); ++y) {
        const uchar *row = mask + (image.height() - 1 - y) * stride;
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((row[x / 8] >> (7 - x % 8)) & 1)
                line[x] &= 0x00FFFFFFu;
    }
}

// An icon file of this one image, as Qt's reader takes it.
QByteArray singleImageIcon(const QByteArray &entry, const QByteArray &image)
{
    QByteArray file("\0\0\1\0\1\0", int(kDirectoryHeaderBytes));
    file += entry.left(8);
    for (const qint64 value : {qint64(image.size()), kDirectoryHeaderBytes + kDirectoryEntryBytes})
        for (int i = 0; i < 4; ++i)
            file.append(char((value >> (8 * i)) & 0xFF));
    return file + image;
}

} // namespace

std::optional<LoadedPicture> loadIcon(QIODevice &device, const QSize &viewSize)
{
    const qint64 fileSize = device.size();
    if (!device.seek(0))
        return std::nullopt;
    const QByteArray directory = device.read(kDirectoryHeaderBytes + kDirectoryEntryBytes);
    ByteReader reader(directory);
    const std::uint32_t reserved = reader.le16();
    const std::uint32_t type = reader.le16();
    const qint64 count = reader.le16();
    const QByteArray entry = directory.mid(kDirectoryHeaderBytes);
    reader.seek(kDirectoryHeaderBytes + 8);
    const qint64 bytes = reader.le32();
    const qint64 offset = reader.le32();
    if (!reader.ok() || reserved != 0 || type != 1 || count == 0 || bytes == 0 || bytes > kMaxEntryBytes
        || offset < kDirectoryHeaderBytes + count * kDirectoryEntryBytes || offset >= fileSize)
        return std::nullopt;

    // A bitmap image whose mask is cut short may end early, before its stated size or the file's end.
    if (!device.seek(offset))
        return std::nullopt;
    const QByteArray stored = device.read(std::min(bytes, fileSize - offset));
    const bool png = stored.startsWith(kPngSignature);
    const std::optional<IconBitmap> bitmap = png ? std::nullopt : completeIconBitmap(stored);
    if (png ? stored.size() != bytes || !isCompletePng(stored) : !bitmap)
        return std::nullopt;

    QByteArray file = singleImageIcon(entry, png ? stored : bitmap->dib);
    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    QImageReader qtReader(&buffer, "ico");
    qtReader.setDecideFormatFromContent(false);
    QImage decoded = qtReader.read();
    if (decoded.isNull())
        return std::nullopt;
    if (bitmap && decoded.size() == QSize(int(bitmap->info.width), int(bitmap->info.height / 2)))
        applyAndMask(*bitmap, decoded);
    return LoadedPicture{decoded.copy(QRect(QPoint(0, 0), decoded.size().boundedTo(viewSize))), decoded.size()};
}

} // namespace platform
