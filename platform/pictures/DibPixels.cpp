#include "platform/pictures/DibPixels.h"

#include "platform/pictures/DibPixelFormat.h"
#include "platform/pictures/RleDecoder.h"

namespace platform {

namespace {

// Seeks to each shown row of uncompressed pixel data and converts its shown
// columns. Bottom-up bitmaps store the shown rows last.
bool readRows(const DibInfo &info, QIODevice &device, qint64 begin, qint64 end, QImage &image)
{
    const qint64 shownBytes = (qint64(image.width()) * info.bitCount + 7) / 8;
    const DibPixelFormat format(info, image.format() == QImage::Format_ARGB32);
    QByteArray row(qsizetype(shownBytes), '\0');
    for (int y = 0; y < image.height(); ++y) {
        const qint64 stored = info.topDown ? y : info.height - 1 - y;
        const qint64 at = begin + stored * info.stride();
        if (at + shownBytes > end || !device.seek(at) || device.read(row.data(), shownBytes) != shownBytes)
            return false;
        format.convertRow(reinterpret_cast<const uchar *>(row.constData()), image.width(),
                          reinterpret_cast<QRgb *>(image.scanLine(y)));
    }
    return true;
}

bool readRle(const DibInfo &info, QIODevice &device, qint64 begin, qint64 end, QImage &image)
{
    QByteArray indexes;
    if (!decodeRle(info, device, begin, end, image.size(), indexes))
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

bool readDibPixels(const DibInfo &info, QIODevice &device, qint64 begin, qint64 end, QImage &image)
{
    return info.runLength() ? readRle(info, device, begin, end, image) : readRows(info, device, begin, end, image);
}

} // namespace platform
