#include "platform/pictures/PictureLoader.h"

#include "platform/MetafilePlayer.h"
#include "platform/pictures/BitmapFileCheck.h"
#include "platform/pictures/IconFileCheck.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace platform {

namespace {

std::optional<QImage> decode(const QByteArray &data, const char *format)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(false);
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > kMaxPicturePixels)
        return std::nullopt;
    QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    return image;
}

} // namespace

std::optional<PictureKind> pictureKindFor(const QString &fileName)
{
    const QString name = QFileInfo(fileName).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return std::nullopt;
    const QString extension = name.mid(dot + 1).toLower();
    if (extension == QLatin1String("bmp"))
        return PictureKind::Bitmap;
    if (extension == QLatin1String("ico"))
        return PictureKind::Icon;
    if (extension == QLatin1String("emf"))
        return PictureKind::EnhancedMetafile;
    if (extension == QLatin1String("wmf"))
        return PictureKind::WindowsMetafile;
    return std::nullopt;
}

std::optional<LoadedPicture> shownPart(const std::optional<QImage> &image, const QSize &viewSize)
{
    if (!image)
        return std::nullopt;
    return LoadedPicture{image->copy(QRect(QPoint(0, 0), image->size().boundedTo(viewSize))), image->size()};
}

std::optional<LoadedPicture> loadPicture(const QString &fileName, const QSize &viewSize)
{
    const std::optional<PictureKind> kind = pictureKindFor(fileName);
    if (!kind)
        return std::nullopt;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxPictureFileBytes)
        return std::nullopt;
    const QByteArray data = file.read(kMaxPictureFileBytes);
    switch (*kind) {
    case PictureKind::Bitmap: {
        if (!isCompleteBitmapFile(data))
            return std::nullopt;
        std::optional<QImage> image = decode(data, "bmp");
        if (image)
            *image = image->convertToFormat(QImage::Format_RGB32);
        return shownPart(image, viewSize);
    }
    case PictureKind::Icon:
        return isCompleteIconFile(data) ? shownPart(decode(data, "ico"), viewSize) : std::nullopt;
    case PictureKind::EnhancedMetafile:
        return playMetafile(data, MetafileFormat::Enhanced, viewSize);
    case PictureKind::WindowsMetafile:
        return playMetafile(data, MetafileFormat::Windows, viewSize);
    }
    return std::nullopt;
}

} // namespace platform
