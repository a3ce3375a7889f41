#include "platform/metafile/MetafilePlayer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

// Inputs that once crashed or stalled the player, kept beside this file;
// crashing inputs the fuzzers find join them.
QFileInfoList regressionInputs(const char *format)
{
    const QDir dir(QFileInfo(QString::fromUtf8(__FILE__)).absolutePath() + QStringLiteral("/regressions/")
                   + QLatin1String(format));
    return dir.entryInfoList(QDir::Files, QDir::Name);
}

void playAll(const char *format, platform::MetafileFormat kind)
{
    const QFileInfoList inputs = regressionInputs(format);
    ASSERT_FALSE(inputs.isEmpty()) << "no inputs found for " << format;
    for (const QFileInfo &input : inputs) {
        SCOPED_TRACE(input.fileName().toStdString());
        QFile file(input.absoluteFilePath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        platform::playMetafile(file.readAll(), kind, QSize(512, 512));
    }
}

} // namespace

TEST(MetafileRegressions, WindowsMetafilesPlayToTheEnd)
{
    playAll("wmf", platform::MetafileFormat::Windows);
}

TEST(MetafileRegressions, EnhancedMetafilesPlayToTheEnd)
{
    playAll("emf", platform::MetafileFormat::Enhanced);
}
