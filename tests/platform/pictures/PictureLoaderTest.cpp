#include "platform/pictures/PictureLoader.h"
#include "PictureFiles.h"
#include "SamplePictures.h"
#include "../metafile/SampleMetafiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace picturefiles;
using platform::PictureKind;
using platform::pictureKindFor;

namespace {

constexpr QSize kViewSize(512, 512);

class PictureLoaderTest : public ::testing::Test
{
protected:
    QString write(const QString &name, const QByteArray &data)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
        return path;
    }

    std::optional<platform::LoadedPicture> load(const QString &name, const QByteArray &data)
    {
        return platform::loadPicture(write(name, data), kViewSize);
    }

    bool loads(const QString &name, const QByteArray &data) { return load(name, data).has_value(); }

    QTemporaryDir dir;
};

// The first pixel where two images differ, for a readable failure.
::testing::AssertionResult samePixels(const QImage &actual, const QImage &expected)
{
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure() << "size " << actual.width() << "x" << actual.height();
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y))
                return ::testing::AssertionFailure() << "at " << x << "," << y << ": " << std::hex << actual.pixel(x, y)
                                                     << " instead of " << expected.pixel(x, y);
    return ::testing::AssertionSuccess();
}

// With QLM_FUZZ_SEED_DIR set, the samples are also written there as the
// picture fuzzer's seed corpus (picture/ below it).
void writeSeed(const SamplePicture &sample)
{
    const QByteArray seedDir = qgetenv("QLM_FUZZ_SEED_DIR");
    if (seedDir.isEmpty())
        return;
    const QString path = QString::fromLocal8Bit(seedDir) + QStringLiteral("/picture");
    QDir().mkpath(path);
    QFile file(path + QLatin1Char('/') + sample.name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(sample.data);
}

} // namespace

TEST(PictureKind, ComesFromTheLastExtensionInAnyCase)
{
    EXPECT_EQ(pictureKindFor(QStringLiteral("/t/terrain.bmp")), PictureKind::Bitmap);
    EXPECT_EQ(pictureKindFor(QStringLiteral("/t/TERRAIN.BMP")), PictureKind::Bitmap);
    EXPECT_EQ(pictureKindFor(QStringLiteral("/t/a.txt.Bmp")), PictureKind::Bitmap);
    EXPECT_EQ(pictureKindFor(QStringLiteral("/t/a.ICO")), PictureKind::Icon);
    EXPECT_EQ(pictureKindFor(QStringLiteral("/t/a.eMf")), PictureKind::EnhancedMetafile);
    EXPECT_EQ(pictureKindFor(QStringLiteral("/t/a.wmf")), PictureKind::WindowsMetafile);
    for (const char *name : {"/t/a.png", "/t/a.bmp.txt", "/t/bmp", "/t.bmp/terrain", "/t/a.", "/t/a.bmpx"})
        EXPECT_FALSE(pictureKindFor(QString::fromLatin1(name)).has_value()) << name;
}

// Every header kind in both row directions (top-down ones were once
// refused), every depth, bit fields of any width, RLE with deltas and an
// early end, icons.
TEST(PictureSamples, EachShowsItsPixelsAtItsSize)
{
    QTemporaryDir dir;
    for (const SamplePicture &sample : samplePictures()) {
        SCOPED_TRACE(sample.name.toStdString());
        const QString path = dir.filePath(sample.name);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(sample.data);
        file.close();
        const std::optional<platform::LoadedPicture> picture = platform::loadPicture(path, kViewSize);
        ASSERT_TRUE(picture.has_value());
        EXPECT_EQ(picture->size, sample.expected.size());
        const bool bitmap = sample.name.endsWith(QLatin1String(".bmp"));
        EXPECT_EQ(picture->shown.hasAlphaChannel(), !bitmap);
        EXPECT_TRUE(samePixels(picture->shown.convertToFormat(sample.expected.format()), sample.expected));
        writeSeed(sample);
    }
}

TEST_F(PictureLoaderTest, UnrecognisedMissingOrForeignFilesGiveNothing)
{
    const QByteArray pngBytes = png(QImage(8, 8, QImage::Format_RGB32));
    EXPECT_FALSE(loads(QStringLiteral("terrain.png"), pngBytes));
    EXPECT_FALSE(loads(QStringLiteral("renamed.bmp"), pngBytes));
    EXPECT_FALSE(loads(QStringLiteral("bitmap.txt"), bitmap1(4, 4)));
    EXPECT_FALSE(loads(QStringLiteral("empty.bmp"), QByteArray()));
    EXPECT_FALSE(platform::loadPicture(dir.filePath(QStringLiteral("missing.bmp")), kViewSize).has_value());
    EXPECT_FALSE(loads(QStringLiteral("garbage.emf"), QByteArray(200, 'x')));
    EXPECT_FALSE(loads(QStringLiteral("garbage.wmf"), QByteArray(200, 'x')));

    // A metafile longer than the program reads is refused, not played cut short.
    const QByteArray shapes = testsupport::wmfSamples().first().data;
    ASSERT_TRUE(loads(QStringLiteral("shapes.wmf"), shapes));
    QFile oversized(write(QStringLiteral("oversized.wmf"), shapes));
    ASSERT_TRUE(oversized.resize(platform::kMaxPictureFileBytes + 1));
    EXPECT_FALSE(platform::loadPicture(oversized.fileName(), kViewSize).has_value());
}

TEST_F(PictureLoaderTest, BitmapsCutShortOrInconsistentWithTheFileGiveNothing)
{
    const QByteArray good = bitmap1(40, 20);
    ASSERT_TRUE(loads(QStringLiteral("good.bmp"), good));
    EXPECT_FALSE(loads(QStringLiteral("short.bmp"), good.left(good.size() - 1)));
    EXPECT_FALSE(loads(QStringLiteral("header.bmp"), good.left(62)));
    EXPECT_FALSE(loads(QStringLiteral("half.bmp"), good.left(30)));

    // Pixel data starting past the file's end, or inside the headers.
    for (const std::uint32_t offset : {std::uint32_t(good.size()) + 1, 0xFFFFFFFFu, 54u}) {
        QByteArray bad = good;
        setLe32(bad, 10, offset);
        EXPECT_FALSE(loads(QStringLiteral("offset.bmp"), bad)) << offset;
    }

    // Sizes whose pixel data would overflow 64 bits, or just not be there.
    for (const auto &[width, height] : {std::pair{0x7FFFFFFFu, 0x7FFFFFFFu}, std::pair{0x7FFFFFFFu, 0x80000001u},
                                        std::pair{5000u, 5000u}, std::pair{0u, 20u}, std::pair{40u, 0u}}) {
        QByteArray bad = good;
        setLe32(bad, 18, width);
        setLe32(bad, 22, height);
        bad[28] = 32;
        EXPECT_FALSE(loads(QStringLiteral("size.bmp"), bad)) << width << " x " << height;
    }

    QByteArray depth = good;
    depth[28] = 7;
    EXPECT_FALSE(loads(QStringLiteral("depth.bmp"), depth));
    QByteArray compression = good;
    setLe32(compression, 30, 9);
    EXPECT_FALSE(loads(QStringLiteral("compression.bmp"), compression));
    // More colours than 1 bit can index.
    QByteArray colours = good;
    setLe32(colours, 46, 3);
    EXPECT_FALSE(loads(QStringLiteral("colours.bmp"), colours));
}

TEST_F(PictureLoaderTest, RunLengthDataThatEndsBeforeTheBitmapGivesNothing)
{
    DibFields fields;
    fields.width = 4;
    fields.height = 2;
    fields.bitCount = 8;
    fields.compression = 1;
    fields.colors = {qRgb(0, 0, 0)};
    const QByteArray rows("\x04\x00\x00\x00\x04\x00\x00\x00", 8);
    ASSERT_TRUE(loads(QStringLiteral("rle.bmp"), bitmapFile(fields, rows)));
    EXPECT_FALSE(loads(QStringLiteral("short.bmp"), bitmapFile(fields, rows.left(6))));
    // An absolute run whose pixels are cut off.
    EXPECT_FALSE(loads(QStringLiteral("absolute.bmp"), bitmapFile(fields, QByteArray("\x00\x04\x00", 3))));
    fields.imageSize = 9;
    EXPECT_FALSE(loads(QStringLiteral("stated.bmp"), bitmapFile(fields, rows)));
    fields.imageSize = 0;
    fields.topDown = true;
    EXPECT_FALSE(loads(QStringLiteral("top-down.bmp"), bitmapFile(fields, rows)));
}

// A bitmap far larger than memory allows to decode whole: only its shown
// rows (for a bottom-up one, the last in the file) are read.
TEST_F(PictureLoaderTest, HugeSparseBitmapShowsItsTopLeftCorner)
{
    constexpr qint64 side = 30000;
    constexpr qint64 stride = side * 3;
    for (const bool topDown : {false, true}) {
        DibFields fields;
        fields.width = int(side);
        fields.height = int(side);
        fields.topDown = topDown;
        const QString path = write(QStringLiteral("huge.bmp"), bitmapFile(fields, QByteArray()));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        const qint64 pixels = file.size();
        ASSERT_TRUE(file.resize(pixels + stride * side));
        const auto fileRow = [&](qint64 y) { return topDown ? y : side - 1 - y; };
        // Each shown row starts with its own colour; the row after them is white.
        for (qint64 y = 0; y <= 512; ++y) {
            file.seek(pixels + fileRow(y) * stride);
            file.write(y == 512 ? QByteArray(1536, char(0xFF)) : QByteArray(3, char(y % 256)));
        }
        file.close();

        const std::optional<platform::LoadedPicture> picture = platform::loadPicture(path, kViewSize);
        ASSERT_TRUE(picture.has_value()) << topDown;
        EXPECT_EQ(picture->size, QSize(30000, 30000));
        ASSERT_EQ(picture->shown.size(), kViewSize);
        for (int y : {0, 1, 300, 511}) {
            EXPECT_EQ(picture->shown.pixel(0, y), qRgb(y % 256, y % 256, y % 256)) << topDown << " row " << y;
            EXPECT_EQ(picture->shown.pixel(511, y), qRgb(0, 0, 0)) << topDown << " row " << y;
        }
    }
}

TEST_F(PictureLoaderTest, IconWhoseMaskIsCutShortIsOpaqueWhereItIsMissing)
{
    DibFields fields;
    fields.width = 32;
    fields.height = 64;
    fields.bitCount = 24;
    QByteArray dib = dibInfo(fields) + storedRows(fields, [](int, int) { return 0x3080C0u; }).left(32 * 32 * 3);
    // The mask's bottom 8 rows are transparent; its upper rows are missing.
    dib.append(QByteArray(8 * 4, char(0xFF)));
    for (const QByteArray &file : {iconWith(dib), iconWith(dib).left(22 + dib.size() - 8)}) {
        const std::optional<platform::LoadedPicture> picture = load(QStringLiteral("short-mask.ico"), file);
        ASSERT_TRUE(picture.has_value());
        EXPECT_EQ(picture->size, QSize(32, 32));
        EXPECT_EQ(picture->shown.pixel(5, 0), qRgb(0x30, 0x80, 0xC0));
        EXPECT_EQ(qAlpha(picture->shown.pixel(5, 31)), 0);
    }
    // Colour pixels cut short are not made up.
    EXPECT_FALSE(loads(QStringLiteral("short-colours.ico"), iconWith(dib.left(40 + 32 * 32 * 3 - 1))));
}

TEST_F(PictureLoaderTest, IconMaskMakesExactlyItsMarkedPixelsTransparent)
{
    // 10 pixels wide: each mask row is padded to four bytes; rows are stored bottom first.
    DibFields fields;
    fields.width = 10;
    fields.height = 2 * 10;
    fields.bitCount = 24;
    QByteArray dib = dibInfo(fields) + storedRows(fields, [](int, int) { return 0x3080C0u; }).left(10 * 32);
    QByteArray mask(10 * 4, '\0');
    mask[9 * 4] = char(0x40);  // top row, x = 1
    mask[0 * 4 + 1] = char(0x40); // bottom row, x = 9
    dib += mask;
    const std::optional<platform::LoadedPicture> picture = load(QStringLiteral("mask.ico"), iconWith(dib, 10));
    ASSERT_TRUE(picture.has_value());
    ASSERT_EQ(picture->size, QSize(10, 10));
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            const bool marked = (x == 1 && y == 0) || (x == 9 && y == 9);
            EXPECT_EQ(qAlpha(picture->shown.pixel(x, y)), marked ? 0 : 255) << x << "," << y;
        }
    }
    EXPECT_EQ(picture->shown.pixel(0, 0), qRgb(0x30, 0x80, 0xC0));
}

TEST_F(PictureLoaderTest, IconWiderThanItsDirectoryByteTakesItsBitmapsSize)
{
    // 300 pixels wide, which the directory's byte holds as 44.
    DibFields fields;
    fields.width = 300;
    fields.height = 2 * 3;
    fields.bitCount = 24;
    QByteArray dib =
        dibInfo(fields) + storedRows(fields, [](int x, int) { return x < 150 ? 0xFF0000u : 0x0000FFu; }).left(900 * 3);
    dib.append(QByteArray(40 * 3, '\0'));
    const std::optional<platform::LoadedPicture> picture = load(QStringLiteral("wide.ico"), iconWith(dib, 300));
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->size, QSize(300, 3));
    EXPECT_EQ(picture->shown.pixel(10, 1), qRgb(255, 0, 0));
    EXPECT_EQ(picture->shown.pixel(290, 1), qRgb(0, 0, 255));
}

TEST_F(PictureLoaderTest, IconsWithEntriesOrChunksBeyondTheFileOrLimitGiveNothing)
{
    const QByteArray good = iconWithBitmap(QImage(16, 16, QImage::Format_RGB32));
    ASSERT_TRUE(loads(QStringLiteral("good.ico"), good));

    QByteArray count = good;
    count[4] = 9;
    EXPECT_FALSE(loads(QStringLiteral("count.ico"), count));
    QByteArray entryOffset = good;
    setLe32(entryOffset, 18, 0x7FFFFFF0u);
    EXPECT_FALSE(loads(QStringLiteral("offset.ico"), entryOffset));
    QByteArray entrySize = good;
    setLe32(entrySize, 14, 0xFFFFFFFFu);
    EXPECT_FALSE(loads(QStringLiteral("size.ico"), entrySize));

    // A bitmap image claiming 100000 x 100000 pixels over its few bytes.
    QByteArray huge = good;
    setLe32(huge, 22 + 4, 100000);
    setLe32(huge, 22 + 8, 200000);
    EXPECT_FALSE(loads(QStringLiteral("huge.ico"), huge));

    const QByteArray whole = png(QImage(32, 32, QImage::Format_RGB32));
    // A PNG whose first chunk claims gigabytes, whose header claims
    // 100000 x 100000 pixels, or that is cut short before its end chunk.
    QByteArray chunk = whole;
    chunk[8] = char(0x7F);
    EXPECT_FALSE(loads(QStringLiteral("chunk.ico"), iconWith(chunk)));
    QByteArray dimensions = whole;
    for (int at : {16, 20})
        setLe32(dimensions, at, 0xA0860100u);
    EXPECT_FALSE(loads(QStringLiteral("dimensions.ico"), iconWith(dimensions)));
    EXPECT_FALSE(loads(QStringLiteral("cut.ico"), iconWith(whole.left(whole.size() - 12))));
}
