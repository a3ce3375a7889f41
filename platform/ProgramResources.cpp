#include "ProgramResources.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>
#include <QtEndian>

namespace platform {

namespace {

// A cursor file's only directory entry keeps the hot spot where an icon keeps
// planes and bit depth: two little-endian 16-bit values at offset 10.
constexpr qint64 kHotSpotOffset = 10;

QPoint hotSpotOf(const QByteArray &file)
{
    if (file.size() < kHotSpotOffset + 4)
        return QPoint();
    const auto *bytes = reinterpret_cast<const uchar *>(file.constData()) + kHotSpotOffset;
    return QPoint(qFromLittleEndian<quint16>(bytes), qFromLittleEndian<quint16>(bytes + 2));
}

// Screens that Qt scales take the resources drawn at twice the pixels, so
// cursors and markers stay sharp; the ratio is 2 for those.
int resourcePixelRatio()
{
    return qGuiApp && qGuiApp->devicePixelRatio() > 1 ? 2 : 1;
}

QString resourcePath(const QString &folder, const QString &name, const QString &extension)
{
    return QStringLiteral(":/%1/%2%3.%4")
        .arg(folder, name, resourcePixelRatio() == 2 ? QStringLiteral("@2x") : QString(), extension);
}

} // namespace

QCursor resourceCursor(int id)
{
    QFile file(resourcePath(QStringLiteral("cursors"), QString::number(id), QStringLiteral("cur")));
    if (!file.open(QIODevice::ReadOnly))
        return QCursor(Qt::ArrowCursor);
    const QByteArray data = file.readAll();
    QImage image = QImage::fromData(data, "cur");
    if (image.isNull())
        return QCursor(Qt::ArrowCursor);
    const QPoint hotSpot = hotSpotOf(data);
    if (!image.rect().contains(hotSpot))
        return QCursor(Qt::ArrowCursor);
    const int ratio = resourcePixelRatio();
    image.setDevicePixelRatio(ratio);
    return QCursor(QPixmap::fromImage(std::move(image)), hotSpot.x() / ratio, hotSpot.y() / ratio);
}

QImage resourceBitmap(const QString &name)
{
    QImageReader reader(resourcePath(QStringLiteral("bitmaps"), name, QStringLiteral("bmp")), "bmp");
    QImage image = reader.read();
    image.setDevicePixelRatio(resourcePixelRatio());
    return image;
}

QIcon resourceIcon(const QString &name)
{
    const QString path = QStringLiteral(":/icons/%1.ico").arg(name);
    if (!QFile::exists(path))
        return QIcon();
    QIcon icon(path);
    // The desktop theme's sizes of the same art, for large and scaled screens.
    const QDir sizes(QStringLiteral(":/icons/%1").arg(name));
    for (const QString &file : sizes.entryList(QDir::Files))
        icon.addFile(sizes.filePath(file));
    return icon;
}

} // namespace platform
