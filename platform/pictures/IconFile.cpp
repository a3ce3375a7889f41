#include "platform/pictures/IconFile.h"

#include "platform/ByteReader.h"
#include "platform/pictures/DibHeader.h"
#include "platform/pictures/DibPixels.h"

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
    try {
        reader.seek(kPngSignature.size());
        bool first = true;
        for (;;) {
            const qint64 length = reader.bigEndianU32();
            const std::uint32_t type = reader.bigEndianU32();
            const std::size_t data = reader.pos();
            if (first) {
                const qint64 width = reader.bigEndianU32();
                const qint64 height = reader.bigEndianU32();
                if (type != 0x49484452u /* IHDR */ || length != 13 || width == 0 || height == 0
                    || width > kMaxIconPixels / height)
                    return false;
                first = false;
            }
            reader.seek(data + length + 4);
            if (type == 0x49454E44u /* IEND */)
                return true;
        }
    } catch (const DataCutShort &) {
        return false;
    }
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

// The directory's entry for the first image: its 16 bytes, where the image
// lies and how long it says it is.
struct IconEntry
{
    QByteArray directory;
    qint64 offset = 0;
    qint64 bytes = 0;
};

std::optional<IconEntry> firstEntry(QIODevice &device)
{
    if (!device.seek(0))
        return std::nullopt;
    const QByteArray head = device.read(kDirectoryHeaderBytes + kDirectoryEntryBytes);
    ByteReader reader(head);
    std::uint32_t reserved = 0;
    std::uint32_t type = 0;
    qint64 count = 0;
    IconEntry entry{head.mid(kDirectoryHeaderBytes), 0, 0};
    try {
        reserved = reader.u16();
        type = reader.u16();
        count = reader.u16();
        reader.seek(kDirectoryHeaderBytes + 8);
        entry.bytes = reader.u32();
        entry.offset = reader.u32();
    } catch (const DataCutShort &) {
        return std::nullopt;
    }
    if (reserved != 0 || type != 1 || count == 0 || entry.bytes == 0 || entry.bytes > kMaxEntryBytes
        || entry.offset < kDirectoryHeaderBytes + count * kDirectoryEntryBytes || entry.offset >= device.size())
        return std::nullopt;
    return entry;
}

// Qt's reader given an icon file of this one image.
QImage readWithQt(const IconEntry &entry, const QByteArray &image)
{
    QByteArray file("\0\0\1\0\1\0", int(kDirectoryHeaderBytes));
    file += entry.directory.left(8);
    for (const qint64 value : {qint64(image.size()), kDirectoryHeaderBytes + kDirectoryEntryBytes})
        for (int i = 0; i < 4; ++i)
            file.append(char((value >> (8 * i)) & 0xFF));
    file += image;
    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    reader.setDecideFormatFromContent(false);
    return reader.read();
}

// The colour pixels of a bitmap whose sides a directory byte cannot hold,
// which Qt's reader would take from the directory: the bitmap's own header
// is the truth. 32-bit pixels keep their fourth byte as alpha.
QImage readLargeBitmap(const IconBitmap &bitmap)
{
    DibInfo info = bitmap.info;
    info.height /= 2;
    if (info.bitCount == 32)
        info.alphaMask = 0xFF000000u;
    QImage image(int(info.width), int(info.height), info.bitCount == 32 ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    QBuffer buffer;
    buffer.setData(bitmap.dib);
    if (image.isNull() || !buffer.open(QIODevice::ReadOnly)
        || !readDibPixels(info, buffer, info.infoBytes, bitmap.mask, image))
        return {};
    return image;
}

} // namespace

std::optional<LoadedPicture> loadIcon(QIODevice &device, const QSize &viewSize)
{
    const std::optional<IconEntry> entry = firstEntry(device);
    if (!entry || !device.seek(entry->offset))
        return std::nullopt;
    // A bitmap image whose mask is cut short may end before its stated size or the file's end.
    const QByteArray stored = device.read(std::min(entry->bytes, device.size() - entry->offset));
    const bool png = stored.startsWith(kPngSignature);
    const std::optional<IconBitmap> bitmap = png ? std::nullopt : completeIconBitmap(stored);
    if (png ? stored.size() != entry->bytes || !isCompletePng(stored) : !bitmap)
        return std::nullopt;

    const bool large = bitmap && (bitmap->info.width > 255 || bitmap->info.height / 2 > 255);
    QImage image = large ? readLargeBitmap(*bitmap) : readWithQt(*entry, png ? stored : bitmap->dib);
    if (image.isNull())
        return std::nullopt;
    if (bitmap && image.size() == QSize(int(bitmap->info.width), int(bitmap->info.height / 2)))
        applyAndMask(*bitmap, image);
    return LoadedPicture{image.copy(QRect(QPoint(0, 0), image.size().boundedTo(viewSize))), image.size()};
}

} // namespace platform
