#include "FuzzApplication.h"

#include "platform/metafile/PlayLimits.h"
#include "platform/pictures/PictureLoader.h"

#include <QBuffer>
#include <QGuiApplication>

namespace fuzz {

void startApplication(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Kept to the end of the process on purpose: destroyed at exit, it would
    // outlive Qt's own global objects and crash.
    static QGuiApplication *const application = new QGuiApplication(*argc, *argv);
    Q_UNUSED(application);
}

void play(const std::uint8_t *data, std::size_t size, platform::MetafileFormat format)
{
    platform::metafile::PlayLimits limits;
    limits.maxPixels = 1024 * 1024;
    limits.maxRecords = 100'000;
    limits.maxPoints = 400'000;
    limits.timeBudgetMs = 1000;
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    platform::metafile::playMetafile(bytes, format, QSize(512, 512), limits);
}

void loadPicture(const std::uint8_t *data, std::size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    for (const platform::PictureKind kind : {platform::PictureKind::Bitmap, platform::PictureKind::Icon})
        platform::loadPicture(buffer, kind, QSize(512, 512));
}

} // namespace fuzz
