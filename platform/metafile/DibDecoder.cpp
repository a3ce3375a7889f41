#include "platform/metafile/DibDecoder.h"

#include "platform/ByteReader.h"
#include "platform/pictures/DibHeader.h"
#include "platform/pictures/DibPixels.h"

#include <QBuffer>

namespace platform::metafile {

namespace {

std::optional<DibInfo> infoOf(const QByteArray &bytes)
{
    ByteReader reader(bytes);
    return readDibInfo(reader);
}

} // namespace

std::optional<DibData> splitPackedDib(const QByteArray &packed)
{
    const std::optional<DibInfo> info = infoOf(packed);
    if (!info || info->packedPixelsAt() > packed.size())
        return std::nullopt;
    const auto at = qsizetype(info->packedPixelsAt());
    return DibData{packed.left(at), packed.mid(at)};
}

bool isBottomUp(const DibData &dib)
{
    const std::optional<DibInfo> info = infoOf(dib.info);
    return !info || !info->topDown;
}

QImage decodeDib(const DibData &dib, const PlayLimits &limits, bool withAlpha)
{
    std::optional<DibInfo> info = infoOf(dib.info);
    if (!info || info->width > limits.maxSide || info->height > limits.maxSide
        || info->width * info->height > limits.maxPixels)
        return {};
    // Alpha-blended pixels are stored premultiplied.
    const bool premultiplied = withAlpha && info->bitCount == 32 && info->compression == DibCompression::Rgb;
    if (premultiplied)
        info->alphaMask = 0xFF000000u;
    QImage image(int(info->width), int(info->height),
                 info->alphaMask != 0 ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    QBuffer bits;
    bits.setData(dib.bits);
    if (image.isNull() || !bits.open(QIODevice::ReadOnly) || !readDibPixels(*info, bits, 0, bits.size(), image))
        return {};
    if (premultiplied)
        image.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
    return image;
}

} // namespace platform::metafile
