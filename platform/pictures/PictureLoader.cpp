#include "platform/pictures/PictureLoader.h"

#include "platform/metafile/MetafilePlayer.h"
#include "platform/pictures/BitmapFile.h"
#include "platform/pictures/IconFile.h"

#include <QFile>
#include <QFileInfo>

namespace platform {

namespace {

std::optional<LoadedPicture> readAndPlayMetafile(QIODevice &device, MetafileFormat format, const QSize &viewSize)
{
    if (device.size() > kMaxPictureFileBytes || !device.seek(0))
        return std::nullopt;
    return playMetafile(device.read(kMaxPictureFileBytes), format, viewSize);
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

std::optional<LoadedPicture> loadPicture(QIODevice &device, PictureKind kind, const QSize &viewSize)
{
    switch (kind) {
    case PictureKind::Bitmap: return loadBitmap(device, viewSize);
    case PictureKind::Icon: return loadIcon(device, viewSize);
    case PictureKind::EnhancedMetafile: return readAndPlayMetafile(device, MetafileFormat::Enhanced, viewSize);
    case PictureKind::WindowsMetafile: return readAndPlayMetafile(device, MetafileFormat::Windows, viewSize);
    }
    return std::nullopt;
}

std::optional<LoadedPicture> loadPicture(const QString &fileName, const QSize &viewSize)
{
    const std::optional<PictureKind> kind = pictureKindFor(fileName);
    if (!kind)
        return std::nullopt;
    QFile file(fileName);
    // Readers ask for what they need in one go; a buffer would only copy it.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return std::nullopt;
    return loadPicture(file, *kind, viewSize);
}

} // namespace platform
