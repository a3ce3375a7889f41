#include "SampleMetafiles.h"
#include "MetafileTestSupport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace testsupport;

namespace {

// With QLM_FUZZ_SEED_DIR set, the samples are also written there as the
// fuzzers' seed corpus (wmf/ and emf/ below it).
void writeSeed(const char *format, const SampleMetafile &sample)
{
    const QByteArray dir = qgetenv("QLM_FUZZ_SEED_DIR");
    if (dir.isEmpty())
        return;
    const QString path = QString::fromLocal8Bit(dir) + QLatin1Char('/') + QLatin1String(format);
    QDir().mkpath(path);
    QFile file(path + QLatin1Char('/') + sample.name + QLatin1Char('.') + QLatin1String(format));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(sample.data);
}

} // namespace

TEST(MetafileSamples, EverySamplePlaysAndDrawsSomething)
{
    for (const SampleMetafile &sample : wmfSamples()) {
        SCOPED_TRACE(sample.name.toStdString());
        const auto image = playWmf(sample.data);
        ASSERT_TRUE(image.has_value());
        EXPECT_FALSE(inkBounds(*image).isEmpty());
        writeSeed("wmf", sample);
    }
    for (const SampleMetafile &sample : emfSamples()) {
        SCOPED_TRACE(sample.name.toStdString());
        const auto image = playEmf(sample.data);
        ASSERT_TRUE(image.has_value());
        EXPECT_FALSE(inkBounds(*image).isEmpty());
        writeSeed("emf", sample);
    }
}
