#include "platform/metafile/DibDecoder.h"

#include "platform/ByteReader.h"
#include "platform/metafile/GdiObjects.h"
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

QByteArray withPaletteColors(const QByteArray &dib, const QVector<QColor> &palette)
{
    try {
        ByteReader r(dib);
        const std::uint32_t headerSize = r.u32();
        const bool core = headerSize == 12;
        r.seek(core ? 10 : 14);
        const int bitCount = r.u16();
        std::uint32_t count = bitCount >= 1 && bitCount <= 8 ? 1u << bitCount : 0;
        if (!core && headerSize >= 36) {
            r.seek(32);
            const std::uint32_t used = r.u32();
            if (used != 0)
                count = std::min(count, used);
        }
        if (count == 0 || headerSize + std::uint64_t(count) * 2 > std::uint64_t(dib.size()))
            return dib;
        r.seek(headerSize);
        QByteArray result = dib.left(qsizetype(headerSize));
        for (std::uint32_t i = 0; i < count; ++i) {
            const QColor c = resolveColor(0x01000000u | r.u16(), palette);
            const char entry[4] = {char(c.blue()), char(c.green()), char(c.red()), 0};
            result.append(entry, core ? 3 : 4);
        }
        return result + dib.mid(qsizetype(r.pos()));
    } catch (const DataCutShort &) {
        return dib;
    }
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

QImage decodeMonochromeDib(const DibData &dib, const PlayLimits &limits)
{
    const std::optional<DibInfo> info = infoOf(dib.info);
    if (!info || info->bitCount != 1)
        return {};
    // With black and white in its table, a pixel's grey shows its bit.
    const qsizetype headerSize = qsizetype(ByteReader(dib.info).u32());
    const qsizetype entrySize = headerSize == 12 ? 3 : 4;
    const qsizetype entries = (qsizetype(info->infoBytes) - headerSize) / entrySize;
    if (entries < 1 || entries > 2)
        return {};
    QByteArray blackAndWhite = dib.info.left(headerSize);
    blackAndWhite += QByteArray(entrySize, '\0');
    if (entries == 2)
        blackAndWhite += QByteArray("\xFF\xFF\xFF\0", int(entrySize));
    const QImage decoded = decodeDib(DibData{blackAndWhite, dib.bits}, limits);
    if (decoded.isNull())
        return {};
    QImage bits(decoded.size(), QImage::Format_Indexed8);
    bits.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < decoded.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(decoded.constScanLine(y));
        uchar *out = bits.scanLine(y);
        for (int x = 0; x < decoded.width(); ++x)
            out[x] = qGray(in[x]) > 127 ? 1 : 0;
    }
    return bits;
}

QImage monochromeBits(const QByteArray &bits, int width, int height, int widthBytes, const PlayLimits &limits)
{
    if (width <= 0 || height <= 0 || width > limits.maxSide || height > limits.maxSide
        || std::int64_t(width) * height > limits.maxPixels || widthBytes < (width + 7) / 8
        || std::int64_t(widthBytes) * height > bits.size())
        return {};
    QImage image(width, height, QImage::Format_Indexed8);
    image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < height; ++y) {
        const auto *row = reinterpret_cast<const uchar *>(bits.constData()) + qsizetype(y) * widthBytes;
        uchar *out = image.scanLine(y);
        for (int x = 0; x < width; ++x)
            out[x] = (row[x / 8] >> (7 - x % 8)) & 1;
    }
    return image;
}

} // namespace platform::metafile
