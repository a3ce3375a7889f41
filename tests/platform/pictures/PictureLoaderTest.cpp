#include "PictureFiles.h"
#include "platform/pictures/PictureLoader.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace picturefiles;
using platform::PictureKind;
using platform::pictureKindFor;

namespace {

// What a 512 x 512 view shows of the picture.
std::optional<QImage> loadPicture(const QString &fileName)
{
    const std::optional<platform::LoadedPicture> picture = platform::loadPicture(fileName, QSize(512, 512));
    if (!picture)
        return std::nullopt;
    return picture->shown;
}

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

    static QImage sample(int width, int height)
    {
        QImage image(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                image.setPixel(x, y, qRgb(x * 10, y * 10, 128));
        return image;
    }

    QTemporaryDir dir;
};

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

TEST_F(PictureLoaderTest, BitmapLoadsWithItsPixelsOpaque)
{
    const QImage image = sample(7, 5);
    for (const char *name : {"terrain.bmp", "TERRAIN.BMP"}) {
        const std::optional<QImage> loaded = loadPicture(write(QString::fromLatin1(name), bitmap24(image)));
        ASSERT_TRUE(loaded.has_value()) << name;
        EXPECT_EQ(loaded->size(), QSize(7, 5));
        EXPECT_FALSE(loaded->hasAlphaChannel());
        EXPECT_EQ(loaded->pixel(6, 4), image.pixel(6, 4));
        EXPECT_EQ(loaded->pixel(0, 0), image.pixel(0, 0));
    }
    EXPECT_TRUE(loadPicture(write(QStringLiteral("mono.bmp"), bitmap1(64, 64))).has_value());
}

TEST_F(PictureLoaderTest, UnrecognisedMissingOrForeignFilesGiveNothing)
{
    const QByteArray pngBytes = png(sample(8, 8));
    EXPECT_FALSE(loadPicture(write(QStringLiteral("terrain.png"), pngBytes)).has_value());
    EXPECT_FALSE(loadPicture(write(QStringLiteral("renamed.bmp"), pngBytes)).has_value());
    EXPECT_FALSE(loadPicture(write(QStringLiteral("bitmap.txt"), bitmap24(sample(4, 4)))).has_value());
    EXPECT_FALSE(loadPicture(write(QStringLiteral("empty.bmp"), QByteArray())).has_value());
    EXPECT_FALSE(loadPicture(dir.filePath(QStringLiteral("missing.bmp"))).has_value());
    EXPECT_FALSE(loadPicture(write(QStringLiteral("garbage.emf"), QByteArray(200, 'x'))).has_value());
    EXPECT_FALSE(loadPicture(write(QStringLiteral("garbage.wmf"), QByteArray(200, 'x'))).has_value());
}

TEST_F(PictureLoaderTest, TruncatedOrInconsistentBitmapsGiveNothing)
{
    const QByteArray good = bitmap24(sample(20, 20));
    EXPECT_FALSE(loadPicture(write(QStringLiteral("short.bmp"), good.left(good.size() - 1))).has_value());
    EXPECT_FALSE(loadPicture(write(QStringLiteral("header.bmp"), good.left(54))).has_value());
    EXPECT_FALSE(loadPicture(write(QStringLiteral("half.bmp"), good.left(30))).has_value());

    // A header for 5000 x 5000 followed by nothing.
    QByteArray huge = good.left(54);
    setLe32(huge, 18, 5000);
    setLe32(huge, 22, 5000);
    EXPECT_FALSE(loadPicture(write(QStringLiteral("huge.bmp"), huge)).has_value());

    QByteArray offset = good;
    setLe32(offset, 10, std::uint32_t(good.size()));
    EXPECT_FALSE(loadPicture(write(QStringLiteral("offset.bmp"), offset)).has_value());

    QByteArray depth = good;
    depth[28] = 7;
    EXPECT_FALSE(loadPicture(write(QStringLiteral("depth.bmp"), depth)).has_value());

    QByteArray compression = good;
    setLe32(compression, 30, 9);
    EXPECT_FALSE(loadPicture(write(QStringLiteral("compression.bmp"), compression)).has_value());

    // More palette entries than 1 bit can index.
    QByteArray colours = bitmap1(8, 8);
    setLe32(colours, 46, 3);
    EXPECT_FALSE(loadPicture(write(QStringLiteral("colours.bmp"), colours)).has_value());

    QByteArray negativeWidth = good;
    setLe32(negativeWidth, 18, std::uint32_t(-20));
    EXPECT_FALSE(loadPicture(write(QStringLiteral("width.bmp"), negativeWidth)).has_value());
}

TEST_F(PictureLoaderTest, PixelLimitHoldsWhateverTheEnvironmentSays)
{
    qputenv("QT_IMAGEIO_MAXALLOC", "0");
    // A complete 1-bit bitmap of 8192 x 4097 pixels, just over the limit.
    const std::optional<QImage> loaded = loadPicture(write(QStringLiteral("big.bmp"), bitmap1(8192, 4097)));
    qunsetenv("QT_IMAGEIO_MAXALLOC");
    EXPECT_FALSE(loaded.has_value());
}

TEST_F(PictureLoaderTest, IconsLoadFromBitmapAndPngEntries)
{
    const QImage image = sample(16, 16);
    const std::optional<QImage> fromBitmap = loadPicture(write(QStringLiteral("a.ico"), iconWithBitmap(image)));
    ASSERT_TRUE(fromBitmap.has_value());
    EXPECT_EQ(fromBitmap->size(), QSize(16, 16));
    EXPECT_EQ(fromBitmap->pixel(15, 3) | 0xFF000000u, image.pixel(15, 3));

    const std::optional<QImage> fromPng = loadPicture(write(QStringLiteral("b.ICO"), iconWithPng(png(sample(32, 32)))));
    ASSERT_TRUE(fromPng.has_value());
    EXPECT_EQ(fromPng->size(), QSize(32, 32));
}

TEST_F(PictureLoaderTest, IconsWithEntriesOrChunksBeyondTheFileGiveNothing)
{
    const QByteArray good = iconWithBitmap(sample(16, 16));
    EXPECT_FALSE(loadPicture(write(QStringLiteral("short.ico"), good.left(good.size() - 1))).has_value());

    QByteArray count = good;
    count[4] = 9;
    EXPECT_FALSE(loadPicture(write(QStringLiteral("count.ico"), count)).has_value());

    QByteArray entryOffset = good;
    setLe32(entryOffset, 18, 0x7FFFFFF0u);
    EXPECT_FALSE(loadPicture(write(QStringLiteral("offset.ico"), entryOffset)).has_value());

    QByteArray entrySize = good;
    setLe32(entrySize, 14, 0xFFFFFFFFu);
    EXPECT_FALSE(loadPicture(write(QStringLiteral("size.ico"), entrySize)).has_value());

    // An embedded PNG whose first chunk claims gigabytes.
    QByteArray chunk = png(sample(32, 32));
    chunk[8] = char(0x7F);
    EXPECT_FALSE(loadPicture(write(QStringLiteral("chunk.ico"), iconWithPng(chunk))).has_value());

    // An embedded PNG whose header claims 100000 x 100000 pixels.
    QByteArray dimensions = png(sample(32, 32));
    for (int at : {16, 20}) {
        dimensions[at] = 0;
        dimensions[at + 1] = char(0x01);
        dimensions[at + 2] = char(0x86);
        dimensions[at + 3] = char(0xA0);
    }
    EXPECT_FALSE(loadPicture(write(QStringLiteral("dimensions.ico"), iconWithPng(dimensions))).has_value());

    // An embedded PNG cut short before its end chunk.
    const QByteArray whole = png(sample(32, 32));
    EXPECT_FALSE(loadPicture(write(QStringLiteral("cut.ico"), iconWithPng(whole.left(whole.size() - 12)))).has_value());
}
