#include "../pictures/PictureFiles.h"
#include "MetafileWriter.h"

#include "platform/metafile/DibDecoder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

using namespace testsupport;
using platform::metafile::decodeDib;
using platform::metafile::DibData;
using platform::metafile::PlayLimits;
using platform::metafile::splitPackedDib;

namespace {

// An info block: a negative height runs top-down; the table's length is stated.
QByteArray infoBlock(int width, int height, int bitCount, std::uint32_t compression = 0, const QList<QRgb> &colors = {},
                     const std::array<std::uint32_t, 4> &masks = {},
                     picturefiles::DibHeaderKind header = picturefiles::DibHeaderKind::Info)
{
    picturefiles::DibFields fields;
    fields.header = header;
    fields.width = width;
    fields.height = std::abs(height);
    fields.topDown = height < 0;
    fields.bitCount = bitCount;
    fields.compression = compression;
    fields.colors = colors;
    fields.masks = masks;
    return picturefiles::dibInfo(fields);
}

// Three colours in a 5 x 3 picture: odd sizes catch row padding faults, the
// asymmetry catches rows read upside down.
QImage sample()
{
    QImage image(5, 3, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 255));
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(4, 2, qRgb(0, 255, 0));
    image.setPixel(2, 1, qRgb(255, 0, 0));
    return image;
}

// 16-bit pixels keep five bits per channel.
void expectSample(const QImage &decoded, int tolerance = 0)
{
    ASSERT_FALSE(decoded.isNull());
    ASSERT_EQ(decoded.size(), QSize(5, 3));
    const QImage expected = sample();
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            for (int shift : {0, 8, 16})
                EXPECT_NEAR(int(decoded.pixel(x, y) >> shift) & 0xFF, int(expected.pixel(x, y) >> shift) & 0xFF,
                            tolerance)
                    << x << "," << y;
}

QImage decode(const Dib &dib, bool withAlpha = false)
{
    return decodeDib(DibData{dib.info, dib.bits}, PlayLimits{}, withAlpha);
}

} // namespace

TEST(DibDecoder, EveryDepthAndCompressionDecodes)
{
    for (int depth : {1, 4, 8, 16, 24, 32}) {
        SCOPED_TRACE(depth);
        if (depth == 1) {
            // Two colours only.
            QImage two = sample();
            two.setPixel(4, 2, qRgb(255, 0, 0));
            const QImage decoded = decode(makeDib(two, 1));
            ASSERT_EQ(decoded.size(), QSize(5, 3));
            EXPECT_EQ(decoded.pixel(4, 2) | 0xFF000000u, qRgb(255, 0, 0));
            EXPECT_EQ(decoded.pixel(3, 2) | 0xFF000000u, qRgb(0, 0, 255));
            continue;
        }
        const int tolerance = depth == 16 ? 7 : 0;
        expectSample(decode(makeDib(sample(), depth)), tolerance);
        expectSample(decode(makeDib(sample(), depth, false, false, true)), tolerance);
    }
    expectSample(decode(makeDib(sample(), 8, true)));
    expectSample(decode(makeDib(sample(), 4, true)));
}

TEST(DibDecoder, EveryHeaderSizeDecodes)
{
    expectSample(decode(makeDib(sample(), 8, false, true)));
    expectSample(decode(makeDib(sample(), 24, false, true)));
    for (int size : {16, 52, 56, 64, 108, 124}) {
        SCOPED_TRACE(size);
        expectSample(decode(withHeaderSize(makeDib(sample(), 8), size)));
        expectSample(decode(withHeaderSize(makeDib(sample(), 24), size)));
    }
}

TEST(DibDecoder, BitFieldsAfterTheHeaderOrInsideIt)
{
    // 5-6-5 pixels: red, green, blue, each scaled to the full range, to the nearest step.
    Bytes bits;
    bits.u16(0xF800).u16(0x07E0).u16(0x001F).u16(0x8410);
    QImage decoded =
        decodeDib(DibData{infoBlock(4, -1, 16, 3, {}, {0xF800, 0x07E0, 0x001F, 0}), bits.data()}, PlayLimits{});
    ASSERT_EQ(decoded.size(), QSize(4, 1));
    EXPECT_EQ(decoded.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(decoded.pixel(1, 0), qRgb(0, 255, 0));
    EXPECT_EQ(decoded.pixel(2, 0), qRgb(0, 0, 255));
    EXPECT_EQ(decoded.pixel(3, 0), qRgb(132, 130, 132));

    // A 56-byte header carries the masks, alpha included, in itself.
    Bytes argb;
    argb.u32(0x800000FF).u32(0xFFFF0000);
    const QByteArray v3 =
        infoBlock(2, 1, 32, 6, {}, {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000}, picturefiles::DibHeaderKind::V3);
    decoded = decodeDib(DibData{v3, argb.data()}, PlayLimits{});
    ASSERT_EQ(decoded.size(), QSize(2, 1));
    EXPECT_EQ(QColor::fromRgba(decoded.pixel(1, 0)), QColor(255, 0, 0, 255));
    EXPECT_EQ(qAlpha(decoded.pixel(0, 0)), 0x80);
}

TEST(DibDecoder, AlphaAskedForKeepsTheFourthByte)
{
    Bytes bits;
    bits.u32(0x40400000).u32(0xFF00FF00);
    const QByteArray info = infoBlock(2, 1, 32);
    const QImage plain = decodeDib(DibData{info, bits.data()}, PlayLimits{});
    EXPECT_EQ(qAlpha(plain.pixel(0, 0)), 255);
    const QImage alpha = decodeDib(DibData{info, bits.data()}, PlayLimits{}, true);
    ASSERT_EQ(alpha.format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(qAlpha(alpha.pixel(0, 0)), 0x40);
    EXPECT_EQ(qRed(alpha.pixel(0, 0)), 0x40);
}

TEST(DibDecoder, BadBitmapsGiveNothing)
{
    const Dib good = makeDib(sample(), 8);
    Dib cut = good;
    cut.info.truncate(30);
    EXPECT_TRUE(decode(cut).isNull());

    Dib unknownDepth = good;
    unknownDepth.info[14] = 7;
    EXPECT_TRUE(decode(unknownDepth).isNull());

    Dib huge = good;
    huge.info[7] = 0x10; // 268 million pixels wide
    EXPECT_TRUE(decode(huge).isNull());

    Dib rleTopDown = makeDib(sample(), 8, true);
    rleTopDown.info[11] = char(0xFF);
    rleTopDown.info[10] = char(0xFF);
    rleTopDown.info[9] = char(0xFF);
    rleTopDown.info[8] = char(0xFD); // height -3
    EXPECT_TRUE(decode(rleTopDown).isNull());

    Dib headerTooLong = good;
    headerTooLong.info[0] = char(200);
    EXPECT_TRUE(decode(headerTooLong).isNull());
}

TEST(DibDecoder, PackedBitmapsSplitAfterTheirColourTable)
{
    const Dib dib = makeDib(sample(), 4);
    const std::optional<DibData> split = splitPackedDib(dib.packed());
    ASSERT_TRUE(split);
    EXPECT_EQ(split->info, dib.info);
    EXPECT_EQ(split->bits, dib.bits);
    // A colour table reaching past the data is no bitmap.
    EXPECT_FALSE(splitPackedDib(dib.info.left(44)));

    // A direct-colour bitmap may carry a table that its pixels do not use.
    const QByteArray info = infoBlock(1, 1, 24, 0, {qRgb(0x11, 0x11, 0x11), qRgb(0x22, 0x22, 0x22)});
    const QByteArray bits("\x01\x02\x03\x00", 4);
    const std::optional<DibData> direct = splitPackedDib(info + bits);
    ASSERT_TRUE(direct);
    EXPECT_EQ(direct->bits, bits);
    EXPECT_EQ(decodeDib(*direct, PlayLimits{}).pixel(0, 0), qRgb(3, 2, 1));
}

TEST(DibDecoder, ShortColourTablesAndTwoBitPixelsDecode)
{
    // An 8-bit table whose length is not stated ends with the info block;
    // indexes past it show black.
    QByteArray info = infoBlock(3, 1, 8, 0, {qRgb(0, 0, 255), qRgb(0, 255, 0)});
    picturefiles::setLe32(info, 32, 0);
    Bytes bits;
    bits.u8(1).u8(0).u8(7).u8(0);
    QImage decoded = decodeDib(DibData{info, bits.data()}, PlayLimits{});
    ASSERT_EQ(decoded.size(), QSize(3, 1));
    EXPECT_EQ(decoded.pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(decoded.pixel(1, 0), qRgb(0, 0, 255));
    EXPECT_EQ(decoded.pixel(2, 0), qRgb(0, 0, 0));

    const QByteArray twoBitInfo =
        infoBlock(4, 1, 2, 0, {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)});
    Bytes twoBits;
    twoBits.u32(0x1B);
    decoded = decodeDib(DibData{twoBitInfo, twoBits.data()}, PlayLimits{});
    ASSERT_EQ(decoded.size(), QSize(4, 1));
    EXPECT_EQ(decoded.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(decoded.pixel(1, 0), qRgb(0, 255, 0));
    EXPECT_EQ(decoded.pixel(2, 0), qRgb(0, 0, 255));
    EXPECT_EQ(decoded.pixel(3, 0), qRgb(255, 255, 255));
}
