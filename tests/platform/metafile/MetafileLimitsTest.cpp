#include "MetafileTestSupport.h"
#include "MetafileWriter.h"

#include "platform/metafile/PlayLimits.h"

#include <gtest/gtest.h>

using namespace testsupport;
using platform::MetafileFormat;
using platform::metafile::PlayLimits;

namespace {

const QSize kView(512, 512);

bool playsEmf(const EmfWriter &w, const PlayLimits &limits = {}, QSize size = QSize(50, 50))
{
    return platform::metafile::playMetafile(w.bytes(size), MetafileFormat::Enhanced, kView, limits).has_value();
}

bool playsWmf(const WmfWriter &w, const PlayLimits &limits = {})
{
    return platform::metafile::playMetafile(w.placeable(QRect(0, 0, 50, 50), 96), MetafileFormat::Windows, kView,
                                            limits)
        .has_value();
}

// A damaged record between two red squares: both squares must still show.
void expectSkipped(const QByteArray &damaged)
{
    EmfWriter w;
    w.selectObject(0x80000008)
        .createBrush(1, 0, Qt::red)
        .selectObject(1)
        .rectangle(0, 0, 10, 10)
        .rawRecord(damaged)
        .rectangle(20, 20, 30, 30);
    const auto image = playEmf(w.bytes(QSize(50, 50)));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(pixel(*image, 5, 5), QColor(Qt::red));
    EXPECT_EQ(pixel(*image, 25, 25), QColor(Qt::red));
}

QByteArray record(std::uint32_t type, const Bytes &payload)
{
    return Bytes().u32(type).u32(std::uint32_t(8 + payload.size())).raw(payload.data()).data();
}

EmfWriter withRecord(const QByteArray &record)
{
    EmfWriter w;
    w.rectangle(0, 0, 10, 10).rawRecord(record);
    return w;
}

} // namespace

TEST(MetafileLimits, EnhancedRecordSizesKeepTheStreamInStep)
{
    EXPECT_TRUE(playsEmf(withRecord(Bytes().u32(43).u32(24).i32(0).i32(0).i32(5).i32(5).data())));
    // A size that breaks the stream fails the file: the next record cannot be found.
    EXPECT_FALSE(playsEmf(withRecord(Bytes().u32(43).u32(4).data())));
    EXPECT_FALSE(playsEmf(withRecord(Bytes().u32(43).u32(22).i32(0).i32(0).i32(5).i32(5).data())));
    EXPECT_FALSE(playsEmf(withRecord(Bytes().u32(43).u32(4000).i32(0).data())));
    // A record too short for its own arguments, in a sound stream, is left out alone.
    expectSkipped(Bytes().u32(43).u32(12).i32(0).data());

    // A header that is not an enhanced metafile's.
    QByteArray noSignature = EmfWriter().bytes(QSize(10, 10));
    noSignature[40] = 'X';
    EXPECT_FALSE(playEmf(noSignature).has_value());
    EXPECT_FALSE(playEmf(EmfWriter().bytes(QSize(10, 10)).left(60)).has_value());
}

TEST(MetafileLimits, CountsTimesSizesCannotWrapAround)
{
    // 0x20000001 points of 8 bytes would wrap to 8 bytes in 32 bits.
    Bytes polygon;
    polygon.i32(0).i32(0).i32(0).i32(0).u32(0x20000001).i32(1).i32(1);
    expectSkipped(record(3, polygon));

    Bytes polyPolygon;
    polyPolygon.i32(0).i32(0).i32(0).i32(0).u32(0x40000001).u32(1).u32(1).i32(1).i32(1);
    expectSkipped(record(8, polyPolygon));

    // A Windows polygon claiming more points than its record holds is
    // skipped, not read past its record.
    WmfWriter wmf;
    wmf.rec(0x0324, {1000, 1, 1, 2, 2});
    EXPECT_TRUE(playsWmf(wmf));
}

TEST(MetafileLimits, OffsetsStayInsideTheirRecord)
{
    Bytes text;
    text.i32(0).i32(0).i32(-1).i32(-1).u32(1).f32(1).f32(1);
    text.i32(0).i32(0).u32(4).u32(5000).u32(0).i32(0).i32(0).i32(0).i32(0).u32(0);
    expectSkipped(record(84, text));

    // A bitmap header and bits outside their record.
    QImage one(1, 1, QImage::Format_RGB32);
    one.fill(Qt::blue);
    const QByteArray bitmap = EmfWriter()
                                  .stretchDiBits(QRect(0, 0, 4, 4), QRect(0, 0, 1, 1), makeDib(one, 24))
                                  .bytes(QSize(10, 10))
                                  .mid(108)
                                  .chopped(20);
    for (int offset : {48, 56}) {
        QByteArray damaged = bitmap;
        damaged.replace(offset, 4, Bytes().u32(0x7FFFFFF0).data());
        expectSkipped(damaged);
    }

    // A region record whose rectangles are cut short.
    Bytes region;
    region.u32(32).u32(1).u32(5).u32(80).i32(0).i32(0).i32(0).i32(0).i32(0).i32(0).i32(40).i32(40);
    Bytes fill;
    fill.i32(0).i32(0).i32(40).i32(40).u32(std::uint32_t(region.size())).u32(1).raw(region.data());
    expectSkipped(record(71, fill));
}

TEST(MetafileLimits, ObjectIndexesStayInsideTheTable)
{
    // The default writer's table holds eight objects.
    expectSkipped(record(37, Bytes().u32(8)));
    expectSkipped(record(39, Bytes().u32(100).u32(0).u32(0x00FF00).u32(0)));

    // A Windows metafile follows the same rule: the record is lost, not the file.
    WmfWriter wmf(8);
    wmf.createBrush(0, Qt::red).selectObject(20).selectObject(0).rectangle(0, 0, 10, 10);
    const auto image = playWmf(wmf.placeable(QRect(0, 0, 50, 50), 96));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(pixel(*image, 5, 5), QColor(Qt::red));
}

TEST(MetafileLimits, SavedStatesHaveADepthLimit)
{
    PlayLimits limits;
    limits.maxSaveDepth = 16;
    EmfWriter deep;
    for (int i = 0; i < 16; ++i)
        deep.rec(33, {});
    deep.rectangle(0, 0, 10, 10);
    EXPECT_TRUE(playsEmf(deep, limits));
    deep.rec(33, {});
    EXPECT_FALSE(playsEmf(deep, limits));

    // The default depth stops a file of SaveDC records long before memory does.
    WmfWriter wmf;
    for (int i = 0; i < PlayLimits{}.maxSaveDepth + 1; ++i)
        wmf.rec(0x001E, {});
    EXPECT_FALSE(playsWmf(wmf));
}

TEST(MetafileLimits, RecordsPointsPixelsAndTimeAreBounded)
{
    EmfWriter twenty;
    for (int i = 0; i < 20; ++i)
        twenty.rectangle(i, i, i + 5, i + 5);
    PlayLimits records;
    records.maxRecords = 10;
    EXPECT_TRUE(playsEmf(twenty));
    EXPECT_FALSE(playsEmf(twenty, records));

    QVector<QPoint> line;
    for (int i = 0; i < 200; ++i)
        line.append(QPoint(i % 50, i / 4));
    EmfWriter points;
    points.poly(4, line);
    PlayLimits fewPoints;
    fewPoints.maxPoints = 100;
    EXPECT_TRUE(playsEmf(points));
    EXPECT_FALSE(playsEmf(points, fewPoints));

    // A picture of any size plays only the part the view shows.
    PlayLimits shownOnly;
    shownOnly.maxPixels = kView.width() * kView.height();
    EXPECT_TRUE(playsEmf(EmfWriter(), shownOnly, QSize(5000, 5000)));
    EXPECT_TRUE(playsEmf(EmfWriter(), shownOnly, QSize(20000, 10)));
    // The shown part itself is held to the pixel limit, whatever its sides.
    PlayLimits tinyView;
    tinyView.maxPixels = 99;
    EXPECT_FALSE(playsEmf(EmfWriter(), tinyView, QSize(10, 10)));
    // A side beyond what the painter can address is refused, however thin the picture.
    EXPECT_TRUE(playsEmf(EmfWriter(), {}, QSize(1 << 22, 1)));
    EXPECT_FALSE(playsEmf(EmfWriter(), {}, QSize((1 << 22) + 1, 1)));
    EXPECT_TRUE(playsEmf(EmfWriter(), {}, QSize(1, 1 << 22)));
    EXPECT_FALSE(playsEmf(EmfWriter(), {}, QSize(1, (1 << 22) + 1)));
    EXPECT_FALSE(playsEmf(EmfWriter(), {}, QSize(5000000, 1)));
    EXPECT_FALSE(playsEmf(EmfWriter(), {}, QSize(1, 5000000)));
    WmfWriter wide;
    EXPECT_TRUE(platform::metafile::playMetafile(wide.placeable(QRect(0, 0, 30000, 30000), 96), MetafileFormat::Windows,
                                                 kView, shownOnly)
                    .has_value());

    PlayLimits noTime;
    noTime.timeBudgetMs = -1;
    EXPECT_FALSE(playsEmf(twenty, noTime));
    WmfWriter wmf;
    wmf.rectangle(0, 0, 10, 10);
    EXPECT_FALSE(playsWmf(wmf, noTime));
}

TEST(MetafileLimits, DrawingsAreChargedBeforeQtRasterisesThem)
{
    // A star of 2000 edges, each crossing the picture from top to bottom.
    QVector<QPoint> star;
    for (int i = 0; i < 2000; ++i)
        star.append(QPoint((i * 37) % 200, i % 2 ? 0 : 199));
    EmfWriter polygon;
    polygon.rec(19, {2}).poly(3, star);
    PlayLimits raster;
    raster.maxRasterWork = 100'000;
    EXPECT_TRUE(playsEmf(polygon, {}, QSize(200, 200)));
    EXPECT_FALSE(playsEmf(polygon, raster, QSize(200, 200)));

    // The same bound covers wide pens, whose outline is what gets filled.
    EmfWriter wide;
    wide.createPen(1, 0, 150, Qt::red).selectObject(1).poly(4, star.mid(0, 300));
    EXPECT_FALSE(playsEmf(wide, raster, QSize(200, 200)));

    // Glyphs of 180 pixels, four hundred of them on top of each other.
    EmfWriter text;
    text.createFont(1, -180, 0, "Tahoma")
        .selectObject(1)
        .textOutW(0, 0, QString(400, QLatin1Char('W')), QVector<int>(400, 0));
    EXPECT_FALSE(playsEmf(text, raster, QSize(200, 200)));

    // Small glyphs pay for the width their font stretches them to.
    const auto stretchedText = [](int width) {
        Bytes font;
        font.u32(1).i32(-20).i32(width).i32(0).i32(0).i32(400).u32(0).u32(0);
        for (const char c : QByteArray("Tahoma").leftJustified(32, '\0'))
            font.u16(c);
        EmfWriter w;
        w.rec(82, font).selectObject(1).textOutW(0, 0, QString(600, QLatin1Char('W')), QVector<int>(600, 0));
        return w;
    };
    EXPECT_TRUE(playsEmf(stretchedText(0), raster, QSize(200, 200)));
    EXPECT_FALSE(playsEmf(stretchedText(4000), raster, QSize(200, 200)));

    // Clip regions of thousands of bands combined again and again.
    EmfWriter clips = withRecord({});
    QVector<QRect> bands;
    for (int i = 0; i < 2000; ++i)
        bands.append(QRect(0, i * 4, 200, 2));
    clips.clipRegion(bands, 5);
    for (int i = 0; i < 20; ++i)
        clips.clipRegion(bands, 3);
    PlayLimits clipping;
    clipping.maxClipWork = 3'000;
    EXPECT_TRUE(playsEmf(clips, {}, QSize(200, 200)));
    EXPECT_FALSE(playsEmf(clips, clipping, QSize(200, 200)));

    // A clip path of slanted edges is charged for the pixel rows it makes.
    EmfWriter slanted = withRecord({});
    slanted.rec(59, {}).poly(3, {{0, 0}, {200, 0}, {0, 200}}).rec(60, {}).rec(67, {5});
    PlayLimits fewRows;
    fewRows.maxClipWork = 100;
    EXPECT_TRUE(playsEmf(slanted, {}, QSize(200, 200)));
    EXPECT_FALSE(playsEmf(slanted, fewRows, QSize(200, 200)));
}

TEST(MetafileLimits, AClipCostsWhatItHoldsNotItsHistory)
{
    // Thirteen thousand one-pixel holes, many of them the same, well
    // within the clock.
    WmfWriter holes;
    holes.createPen(5, 0, Qt::black).selectObject(0).createBrush(0, Qt::red).selectObject(1);
    for (int i = 0; i < 13'000; ++i) {
        const int x = (i * 7) % 100;
        const int y = (i * 13) % 100;
        holes.rec(0x0415, {y + 1, x + 1, y, x});
    }
    holes.rectangle(0, 0, 100, 100);
    const auto image = playWmf(holes.placeable(QRect(0, 0, 100, 100), 96));
    ASSERT_TRUE(image.has_value());
    EXPECT_TRUE(isBlank(*image, 7, 13));
    EXPECT_EQ(pixel(*image, 8, 13), QColor(Qt::red));
}

TEST(MetafileLimits, BrokenBitmapsAndUnknownRecordsLeaveTheRest)
{
    QImage one(4, 4, QImage::Format_RGB32);
    one.fill(Qt::red);
    Dib cut = makeDib(one, 24);
    cut.info[14] = 7; // no such depth
    EmfWriter w;
    w.createBrush(1, 0, Qt::blue)
        .selectObject(1)
        .stretchDiBits(QRect(0, 0, 4, 4), QRect(0, 0, 4, 4), cut)
        .rec(4242, {1, 2})
        .rectangle(10, 10, 20, 20);
    const auto image = playEmf(w.bytes(QSize(30, 30)));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(pixel(*image, 15, 15), QColor(Qt::blue));
    EXPECT_TRUE(isBlank(*image, 2, 2));

    WmfWriter wmf;
    wmf.rec(0x0999, {1, 2, 3}).rectangle(0, 0, 10, 10);
    EXPECT_TRUE(playsWmf(wmf));
}
