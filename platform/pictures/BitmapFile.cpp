#include "platform/pictures/BitmapFile.h"

#include "platform/pictures/DibHeader.h"
#include "platform/pictures/DibPixels.h"

#include <algorithm>

namespace platform {

namespace {

constexpr qint64 kFileHeaderBytes = 14;
// The largest info block: a version 5 header, four masks and 256 colours.
constexpr qint64 kLargestInfoBytes = 124 + 16 + 256 * 4;

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

    // stride * height <= available, without overflowing.
    if (!info->runLength() && info->stride() > (fileSize - pixels) / info->height)
        return std::nullopt;

    const QSize size(int(info->width), int(info->height));
    QImage image(size.boundedTo(viewSize), QImage::Format_RGB32);
    if (image.isNull())
        return std::nullopt;
    const qint64 end = !info->runLength() || info->imageSize == 0 ? fileSize : pixels + info->imageSize;
    if (end > fileSize || !readDibPixels(*info, device, pixels, end, image))
        return std::nullopt;
    return LoadedPicture{image, size};
}

} // namespace platform
