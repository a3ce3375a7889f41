#include "ProgramResources.h"

#include <QFile>
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

} // namespace

QCursor resourceCursor(int id)
{
    QFile file(QStringLiteral(":/cursors/%1.cur").arg(id));
    if (!file.open(QIODevice::ReadOnly))
        return QCursor(Qt::ArrowCursor);
    const QByteArray data = file.readAll();
    QImage image = QImage::fromData(data, "cur");
    if (image.isNull())
        return QCursor(Qt::ArrowCursor);
    const QPoint hotSpot = hotSpotOf(data);
    if (!image.rect().contains(hotSpot))
        return QCursor(Qt::ArrowCursor);
    return QCursor(QPixmap::fromImage(std::move(image)), hotSpot.x(), hotSpot.y());
}

QImage resourceBitmap(const QString &name)
{
    QImageReader reader(QStringLiteral(":/bitmaps/%1.bmp").arg(name), "bmp");
    return reader.read();
}

QIcon resourceIcon(const QString &name)
{
    const QString path = QStringLiteral(":/icons/%1.ico").arg(name);
    return QFile::exists(path) ? QIcon(path) : QIcon();
}

} // namespace platform
