#include "platform/pictures/BitmapFile.h"

#include "platform/pictures/DibHeader.h"
#include "platform/pictures/DibPixelFormat.h"
#include "platform/pictures/RleDecoder.h"

#include <algorithm>

namespace platform {

namespace {

constexpr qint64 kFileHeaderBytes = 14;
// The largest info block: a version 5 header, four masks and 256 colours.
constexpr qint64 kLargestInfoBytes = 124 + 16 + 256 * 4;

// Seeks to each shown row of uncompressed pixel data and converts its shown
// columns. Bottom-up bitmaps store the shown rows last.
bool readRows(const DibInfo &info, QIODevice &device, qint64 pixels, QImage &image)
{
    const qint64 shownBytes = (qint64(image.width()) * info.bitCount + 7) / 8;
    const DibPixelFormat format(info);
    QByteArray row(qsizetype(shownBytes), '\0');
    for (int y = 0; y < image.height(); ++y) {
        const qint64 stored = info.topDown ? y : info.height - 1 - y;
        if (!device.seek(pixels + stored * info.stride()) || device.read(row.data(), shownBytes) != shownBytes)
            return false;
        format.convertRow(reinterpret_cast<const uchar *>(row.constData()), image.width(),
                          reinterpret_cast<QRgb *>(image.scanLine(y)));
    }
    return true;
}

bool readRle(const DibInfo &info, QIODevice &device, qint64 pixels, qint64 fileSize, QImage &image)
{
    const qint64 end = info.imageSize == 0 ? fileSize : pixels + info.imageSize;
    QByteArray indexes;
    if (end > fileSize || !decodeRle(info, device, pixels, end, image.size(), indexes))
        return false;
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        const auto *row = reinterpret_cast<const uchar *>(indexes.constData()) + qsizetype(y) * image.width();
        for (int x = 0; x < image.width(); ++x)
            line[x] = info.colors[row[x]];
    }
    return true;
}

} // namespace

std::optional<LoadedPicture> loadBitmap(QIODevice &device, const QSize &viewSize)
{
    const qint64 fileSize = device.size();
    if (!device.seek(0))
        return std::nullopt;
    const QByteArray head = device.read(kFileHeaderBytes + kLargestInfoBytes);
    if (head.size() < kFileHeaderBytes || !head.startsWith("BM"))
        return std::nullopt;
    ByteReader fileHeader(head);
    fileHeader.seek(10);
    const qint64 pixels = fileHeader.u32();
    if (pixels < kFileHeaderBytes)
        return std::nullopt;
    // The info block ends where the pixel data starts.
    const QByteArray infoBlock = head.left(qsizetype(std::min<qint64>(pixels, head.size())));
    ByteReader reader(infoBlock);
    reader.seek(kFileHeaderBytes);
    const std::optional<DibInfo> info = readDibInfo(reader);
    if (!info || pixels < kFileHeaderBytes + info->infoBytes || pixels > fileSize)
        return std::nullopt;

    const bool compressed = info->compression == DibCompression::Rle4 || info->compression == DibCompression::Rle8;
    // stride * height <= available, without overflowing.
    if (!compressed && info->stride() > (fileSize - pixels) / info->height)
        return std::nullopt;

    const QSize size(int(info->width), int(info->height));
    QImage image(size.boundedTo(viewSize), QImage::Format_RGB32);
    if (image.isNull())
        return std::nullopt;
    const bool decoded =
        compressed ? readRle(*info, device, pixels, fileSize, image) : readRows(*info, device, pixels, image);
    if (!decoded)
        return std::nullopt;
    return LoadedPicture{image, size};
}

} // namespace platform
