#include "platform/pictures/PictureLoader.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

// Inputs that once crashed or stalled the bitmap and icon loader, kept
// beside this file; crashing inputs the picture fuzzer finds join them. Each
// is loaded as both kinds, as the fuzzer does, and must be survived.
TEST(PictureRegressions, EveryInputLoadsOrFailsQuietly)
{
    const QDir dir(QFileInfo(QString::fromUtf8(__FILE__)).absolutePath() + QStringLiteral("/regressions"));
    const QFileInfoList inputs = dir.entryInfoList(QDir::Files, QDir::Name);
    ASSERT_FALSE(inputs.isEmpty());
    for (const QFileInfo &input : inputs) {
        SCOPED_TRACE(input.fileName().toStdString());
        QFile file(input.absoluteFilePath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QByteArray bytes = file.readAll();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        for (const platform::PictureKind kind : {platform::PictureKind::Bitmap, platform::PictureKind::Icon})
            platform::loadPicture(buffer, kind, QSize(512, 512));
    }
}
