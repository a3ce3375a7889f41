#include "MetafileTestSupport.h"
#include "MetafileWriter.h"

#include "platform/metafile/AnsiText.h"
#include "platform/metafile/SymbolFonts.h"

#include <gtest/gtest.h>

using namespace testsupport;

namespace {

const QColor red(255, 0, 0);
const QColor blue(0, 0, 255);
const QColor green(0, 255, 0);

constexpr int kNullPen = 5;

QImage play(const QByteArray &data)
{
    const auto image = playWmf(data);
    EXPECT_TRUE(image.has_value());
    return image.value_or(QImage());
}

// A 100 x 100 picture at one unit per pixel.
QImage playPlaced(const WmfWriter &writer)
{
    return play(writer.placeable(QRect(0, 0, 100, 100), 96));
}

// Pen 0 draws nothing, brush 1 fills with colour.
WmfWriter filling(QColor color)
{
    WmfWriter w;
    w.createPen(kNullPen, 0, Qt::black).selectObject(0).createBrush(0, color).selectObject(1);
    return w;
}

} // namespace

TEST(WmfPlayer, PlaceableSizeFromBoundingBoxAndUnitsPerInch)
{
    // Two by one inches at 1440 units per inch; the box starts at (100, 100).
    WmfWriter w = filling(red);
    w.rectangle(100, 100, 820, 820);
    const auto image = playWmf(w.placeable(QRect(100, 100, 2880, 1440), 1440));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->size(), QSize(192, 96));
    // 720 units are half an inch: 48 pixels, less the edge a rectangle leaves out.
    EXPECT_EQ(inkBounds(*image), QRect(0, 0, 47, 47));
}

TEST(WmfPlayer, PlainFrameFromTheFirstWindowElseViewportElseTheDrawing)
{
    // The first window is the frame at a pixel per unit; a viewport does not
    // change that, and a later window maps into the frame.
    WmfWriter window = filling(red);
    window.rec(0x0103, {8})
        .rec(0x020B, {-20, -10})
        .rec(0x020C, {60, 80})
        .rec(0x020E, {5000, 5000})
        .rectangle(-10, -20, 30, 20)
        .rec(0x020C, {120, 160})
        .rectangle(80, 60, 100, 80);
    const QImage windowed = play(window.plain());
    EXPECT_EQ(windowed.size(), QSize(80, 60));
    EXPECT_EQ(pixel(windowed, 0, 0), red);
    EXPECT_TRUE(isBlank(windowed, 40, 0));
    EXPECT_EQ(pixel(windowed, 45, 40), red);
    EXPECT_TRUE(isBlank(windowed, 55, 45));

    // A window with y running up is turned over; one wider than 1024
    // pixels is scaled down to that width.
    WmfWriter wide = filling(blue);
    wide.rec(0x020B, {100, 0}).rec(0x020C, {-100, 2048}).rectangle(0, 50, 1024, 100);
    const QImage scaled = play(wide.plain());
    EXPECT_EQ(scaled.size(), QSize(1024, 50));
    EXPECT_EQ(pixel(scaled, 5, 5), blue);
    EXPECT_TRUE(isBlank(scaled, 5, 30));
    EXPECT_TRUE(isBlank(scaled, 520, 5));

    // Without a window the viewport is the frame, in pixels.
    WmfWriter viewport = filling(blue);
    viewport.rec(0x020D, {10, 20}).rec(0x020E, {30, 40}).rectangle(0, 0, 10, 10);
    const QImage placed = play(viewport.plain());
    EXPECT_EQ(placed.size(), QSize(40, 30));
    EXPECT_EQ(inkBounds(placed), QRect(0, 0, 9, 9));

    // Without either, the picture is what the records draw, text included.
    WmfWriter drawing = filling(blue);
    drawing.rectangle(2000, 100, 3000, 600).createFont(-40, 0, "Arial").selectObject(2).textOut(0, 0, "Reef");
    const QImage drawn = play(drawing.plain());
    EXPECT_EQ(drawn.width(), 1024);
    EXPECT_NEAR(drawn.height(), 600 * 1024 / 2999, 2);
    EXPECT_FALSE(inkBounds(drawn.copy(0, 0, 100, 30)).isEmpty());

    // An opaque text box counts whole.
    WmfWriter box;
    box.rec(0x0A32, {10, 10, 1, 2, 0, 0, 300, 200}, QByteArray("I\0", 2));
    const QImage boxed = play(box.plain());
    EXPECT_EQ(boxed.size(), QSize(300, 200));

    // Drawing nothing gives no picture.
    EXPECT_FALSE(playWmf(WmfWriter().plain()).has_value());
}

TEST(WmfPlayer, ADamagedRecordLosesOnlyItself)
{
    // A region whose scans are cut short, a bitmap whose colour table runs
    // past its record and a polygon with more points than its record holds.
    Bytes region;
    region.u16(0).u16(6).u32(0).u16(48).u16(5).u16(0).u16(0).u16(0).u16(100).u16(100).u16(2).u16(10);
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    Dib bitmap = makeDib(image, 8);
    bitmap.info.replace(32, 4, Bytes().u32(200).data());
    WmfWriter w;
    w.rec(0x06FF, {}, region.data())
        .createPen(kNullPen, 0, Qt::black)
        .createBrush(0, blue)
        .selectObject(1)
        .selectObject(2)
        .stretchDib(QRect(0, 0, 50, 50), QRect(0, 0, 2, 2), bitmap)
        .rec(0x0324, {1000, 1, 1, 2, 2})
        .rectangle(60, 60, 90, 90);
    const QImage drawn = playPlaced(w);
    // The damaged region kept its slot, so the brush is still number 2.
    EXPECT_EQ(pixel(drawn, 75, 75), blue);
    EXPECT_TRUE(isBlank(drawn, 10, 10));

    // Without its end record the file still plays; an object index outside
    // the table loses only its record.
    const QRect frame(0, 0, 100, 100);
    w.selectObject(99);
    EXPECT_EQ(pixel(play(w.placeable(frame, 96).chopped(6)), 75, 75), blue);
    WmfWriter sound = filling(red);
    sound.rectangle(0, 0, 10, 10);
    EXPECT_TRUE(playWmf(sound.placeable(frame, 96).chopped(6)).has_value());
    // A record whose size runs past the file breaks the stream.
    sound.rawRecord(Bytes().u32(1000).u16(0x041B).data());
    EXPECT_FALSE(playWmf(sound.placeable(frame, 96)).has_value());
}

TEST(WmfPlayer, BadHeadersAreNoPicture)
{
    WmfWriter w;
    w.rectangle(0, 0, 10, 10);
    EXPECT_FALSE(playWmf(w.placeable(QRect(0, 0, 10, 10), 96, true)).has_value());
    EXPECT_FALSE(playWmf(w.placeable(QRect(0, 0, 10, 10), 0)).has_value());
    QByteArray wrongType = w.plain();
    wrongType[0] = 7;
    EXPECT_FALSE(playWmf(wrongType).has_value());
    EXPECT_FALSE(playWmf(w.plain().left(12)).has_value());
}

TEST(WmfPlayer, RecordsMapTheirOwnWindowAndViewportOntoThePlaceableFrame)
{
    // A 96 x 96 frame at 1000 units per inch. The records' window fills it,
    // whatever the header's box was in its units.
    const QRect inch(0, 0, 1000, 1000);
    WmfWriter window = filling(red);
    window.rec(0x020B, {0, 0}).rec(0x020C, {10, 10}).rectangle(0, 0, 5, 5);
    EXPECT_EQ(inkBounds(play(window.placeable(inch, 1000))), QRect(0, 0, 47, 47));

    // Their viewport is in hundredths of a millimetre: window 50 x 25 shown
    // on a half inch square from (12.7 mm, 6.35 mm).
    WmfWriter viewport = filling(red);
    viewport.rec(0x0103, {8})
        .rec(0x020C, {25, 50})
        .rec(0x020E, {1270, 1270})
        .rec(0x020D, {635, 1270})
        .rectangle(0, 0, 25, 25);
    EXPECT_EQ(inkBounds(play(viewport.placeable(inch, 1000))), QRect(48, 24, 23, 47));

    // Offsets and scaling: the window origin moves by (-5, -5) and its
    // extent halves, so a unit becomes 96 / 50 pixels.
    WmfWriter scaled = filling(blue);
    scaled.rec(0x0103, {8})
        .rec(0x020C, {100, 100})
        .rec(0x020E, {2540, 2540})
        .rec(0x020F, {-5, -5})
        .rec(0x0410, {2, 1, 2, 1})
        .rectangle(0, 0, 5, 5);
    EXPECT_EQ(inkBounds(play(scaled.placeable(inch, 1000))), QRect(10, 10, 8, 8));

    // Low metric runs upwards: 254 units are an inch.
    WmfWriter metric = filling(green);
    metric.rec(0x0103, {2}).rectangle(0, -254, 127, -381);
    EXPECT_EQ(inkBounds(playPlaced(metric)), QRect(0, 96, 47, 47).intersected(QRect(0, 0, 100, 100)));
}

TEST(WmfPlayer, ShapeRecords)
{
    WmfWriter w = filling(red);
    w.ellipse(0, 0, 40, 40)
        .rec(0x061C, {20, 20, 100, 40, 60, 0})         // round rectangle
        .rec(0x081A, {0, 80, 20, 100, 40, 100, 0, 60}) // pie: top-right quarter
        .polygon({{45, 45}, {55, 45}, {55, 55}})
        .rec(0x0538, {2, 3, 3, 60, 60, 80, 60, 80, 80, 80, 80, 99, 80, 99, 99})
        .rec(0x041F, {0x00FF, 0, 50, 0}); // set pixel (0, 50) red
    const QImage image = playPlaced(w);
    EXPECT_EQ(pixel(image, 20, 20), red);
    EXPECT_TRUE(isBlank(image, 2, 2));
    EXPECT_TRUE(isBlank(image, 1, 61));
    EXPECT_EQ(pixel(image, 20, 61), red);
    EXPECT_EQ(pixel(image, 1, 80), red);
    EXPECT_EQ(pixel(image, 88, 10), red);
    EXPECT_TRUE(isBlank(image, 70, 30));
    EXPECT_TRUE(isBlank(image, 88, 30));
    EXPECT_EQ(pixel(image, 53, 47), red);
    EXPECT_TRUE(isBlank(image, 47, 53));
    EXPECT_EQ(pixel(image, 77, 63), red);
    EXPECT_EQ(pixel(image, 97, 83), red);
    EXPECT_TRUE(isBlank(image, 63, 77));
    EXPECT_EQ(pixel(image, 0, 50), red);

    // A hatched brush paints its lines only.
    WmfWriter hatched;
    hatched.createPen(kNullPen, 0, Qt::black).selectObject(0).createBrush(2, blue, 0).selectObject(1).rectangle(0, 0, 20, 20);
    const QImage lined = playPlaced(hatched);
    int blueRows = 0;
    for (int y = 1; y < 17; ++y)
        blueRows += pixel(lined, 5, y) == blue;
    EXPECT_GT(blueRows, 0);
    EXPECT_LT(blueRows, 8);

    // Arc and polyline are outlines only; lines leave out their end point.
    WmfWriter lines;
    lines.createPen(0, 0, blue)
        .selectObject(0)
        .rec(0x0817, {20, 40, 20, 0, 40, 40, 0, 0}) // the lower half
        .polyline({{0, 90}, {50, 90}})
        .moveTo(0, 95)
        .lineTo(50, 95);
    const QImage drawn = playPlaced(lines);
    EXPECT_TRUE(isBlank(drawn, 20, 20));
    EXPECT_EQ(pixel(drawn, 49, 90), blue);
    EXPECT_TRUE(isBlank(drawn, 50, 90));
    EXPECT_EQ(pixel(drawn, 49, 95), blue);
    EXPECT_TRUE(isBlank(drawn, 50, 95));
    const QRect arc = inkBounds(drawn.copy(0, 0, 45, 45));
    EXPECT_NEAR(arc.top(), 19, 1);
    EXPECT_NEAR(arc.bottom(), 39, 1);
}

TEST(WmfPlayer, ObjectsTakeTheLowestFreeSlot)
{
    WmfWriter w;
    w.createPen(kNullPen, 0, Qt::black)
        .createBrush(0, red)
        .createBrush(0, blue)
        .deleteObject(1)
        .createBrush(0, green)
        .selectObject(0)
        .selectObject(1)
        .rectangle(0, 0, 10, 10)
        .selectObject(2)
        .rectangle(10, 0, 20, 10);
    const QImage image = playPlaced(w);
    EXPECT_EQ(pixel(image, 5, 5), green);
    EXPECT_EQ(pixel(image, 15, 5), blue);

    // A full table has no slot for another object: that record is lost.
    WmfWriter full(1);
    full.createBrush(0, red).createBrush(0, blue).selectObject(0).rectangle(0, 0, 10, 10);
    EXPECT_EQ(pixel(play(full.placeable(QRect(0, 0, 10, 10), 96)), 5, 5), red);
}

TEST(WmfPlayer, ClippingAndSavedStates)
{
    WmfWriter w = filling(red);
    w.rec(0x001E, {})
        .rec(0x0416, {60, 60, 20, 20})
        .rec(0x0415, {40, 40, 30, 30})
        .rectangle(0, 0, 100, 50)
        .rec(0x0127, {0xFFFF})
        .rectangle(0, 50, 100, 100);
    const QImage image = playPlaced(w);
    EXPECT_EQ(inkBounds(image.copy(0, 0, 100, 50)), QRect(20, 20, 40, 29));
    EXPECT_TRUE(isBlank(image, 35, 35));
    EXPECT_EQ(pixel(image, 5, 60), red);

    // A region object selected as the clip: two bands of the scan list.
    Bytes region;
    region.u16(0)
        .u16(6)
        .u32(0)
        .u16(48)
        .u16(2)
        .u16(0)
        .u16(0)
        .u16(0)
        .u16(100)
        .u16(100)
        .u16(2)
        .u16(10)
        .u16(20)
        .u16(10)
        .u16(20)
        .u16(2)
        .u16(2)
        .u16(50)
        .u16(60)
        .u16(50)
        .u16(60)
        .u16(2);
    WmfWriter clipped = filling(blue);
    clipped.rec(0x06FF, {}, region.data()).rec(0x012C, {2}).rectangle(0, 0, 100, 100);
    const QImage bands = playPlaced(clipped);
    EXPECT_EQ(pixel(bands, 15, 15), blue);
    EXPECT_EQ(pixel(bands, 55, 55), blue);
    EXPECT_TRUE(isBlank(bands, 30, 30));
}

TEST(WmfPlayer, TextRecords)
{
    WmfWriter w;
    w.createFont(-20, 0, "Tahoma").selectObject(0).rec(0x0209, {0x00FF, 0}).rec(0x0102, {1}).textOut(10, 10, "Reef");
    const QImage flat = playPlaced(w);
    const QRect ink = inkBounds(flat);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.top(), 10);
    EXPECT_GT(ink.width(), ink.height());

    // Escapement 2700: the text runs downwards.
    WmfWriter down;
    down.createFont(-20, 2700, "Tahoma").selectObject(0).rec(0x0102, {1}).textOut(50, 10, "Reef");
    const QRect downInk = inkBounds(playPlaced(down));
    EXPECT_GT(downInk.height(), downInk.width());
    EXPECT_GE(downInk.top(), 10);

    // Extended text out with an opaque box and advances of 20 units.
    WmfWriter ext;
    ext.createFont(-12, 0, "Tahoma")
        .selectObject(0)
        .rec(0x0201, {0xFF00, 0})
        .rec(0x0A32, {60, 10, 2, 2, 10, 60, 90, 80}, QByteArray("II") + Bytes().u16(20).u16(20).data());
    const QImage extImage = playPlaced(ext);
    EXPECT_EQ(pixel(extImage, 60, 76), green);
    EXPECT_EQ(pixel(extImage, 88, 78), green);
}

TEST(WmfPlayer, AFontWidthStretchesTheGlyphsToThatAverage)
{
    const auto inkWidth = [](int width) {
        Bytes font;
        font.u16(-40).u16(width).u16(0).u16(0).u16(400).u8(0).u8(0).u8(0).u8(0).u32(0).raw("Arial").u8(0);
        WmfWriter w;
        w.rec(0x02FB, {}, font.data()).selectObject(0).rec(0x0102, {1}).textOut(0, 10, "nn");
        return inkBounds(playPlaced(w)).width();
    };
    // Arial's own average at this height is about 18 units, so asking for
    // it changes nothing; half of it halves the text.
    ASSERT_GT(inkWidth(0), 30);
    EXPECT_NEAR(inkWidth(18), inkWidth(0), 1);
    EXPECT_NEAR(inkWidth(9) * 2, inkWidth(0), 4);
}

TEST(WmfPlayer, TextBytesFollowTheFontCharacterSet)
{
    EXPECT_EQ(platform::metafile::decodeAnsi("\x80", 0), QString(QChar(0x20AC)));
    EXPECT_EQ(platform::metafile::decodeAnsi("\xC0\xE9", 0), QString::fromUtf8("\u00C0\u00E9"));
    EXPECT_EQ(platform::metafile::decodeAnsi("\xC0", 204), QString(QChar(0x0410)));
    EXPECT_EQ(platform::metafile::decodeAnsi("\xE1", 161), QString(QChar(0x03B1)));
    EXPECT_EQ(platform::metafile::decodeAnsi("\xFD", 162), QString(QChar(0x0131)));
    EXPECT_EQ(platform::metafile::decodeAnsi("\xE0", 177), QString(QChar(0x05D0)));
    EXPECT_EQ(platform::metafile::decodeAnsi("\xC7", 178), QString(QChar(0x0627)));
    EXPECT_EQ(platform::metafile::decodeAnsi("\xE0", 186), QString(QChar(0x0105)));
    EXPECT_EQ(platform::metafile::decodeAnsi("\xA1", 222), QString(QChar(0x0E01)));
    // The double-byte pages of East Asian fonts.
    EXPECT_EQ(platform::metafile::decodeAnsi("\x82\xA0", 128), QString(QChar(0x3042)));
    EXPECT_EQ(platform::metafile::decodeAnsi("\xB0\xA1", 129), QString(QChar(0xAC00)));
    EXPECT_EQ(platform::metafile::decodeAnsi("\xC4\xE3", 134), QString(QChar(0x4F60)));
    EXPECT_EQ(platform::metafile::decodeAnsi("\xA4\xA4", 136), QString(QChar(0x4E2D)));
}

TEST(WmfPlayer, SymbolFontCodesDrawTheSymbolsTheyShow)
{
    // Symbol's "D" is a Delta: Symbol's metric-compatible copy draws it at
    // Symbol's width where that copy is installed; elsewhere it draws as a
    // Delta in Greek text does.
    const auto wmfText = [](const char *face, int charset, const QByteArray &bytes) {
        Bytes font;
        font.u16(-40).u16(0).u16(0).u16(0).u16(400).u8(0).u8(0).u8(0).u8(charset).u32(0).raw(face).u8(0);
        WmfWriter w;
        w.rec(0x02FB, {}, font.data()).selectObject(0).rec(0x0102, {1}).textOut(10, 10, bytes);
        return playPlaced(w);
    };
    const auto symbol = platform::metafile::SymbolFont::named("Symbol");
    ASSERT_TRUE(symbol.has_value());
    const bool copied = symbol->ownCodes("D").has_value();
    const QImage delta = copied ? wmfText("Standard Symbols PS", 0, "D") : wmfText("Symbola", 161, "\xC4");
    EXPECT_NE(delta, wmfText("Liberation Serif", 0, "D"));
    EXPECT_EQ(wmfText("Symbol", 0, "D"), delta);
    // A space is one of the copy's own codes, so it keeps a run in the copy.
    if (copied) {
        EXPECT_EQ(symbol->ownCodes("D D").value_or(QStringList()).size(), 3);
    }
    EXPECT_EQ(wmfText("symbol", 2, "D"), delta);
    EXPECT_NE(wmfText("Symbola", 0, "D"), delta);

    // Unicode text in Wingdings, as plain or private-use codes: "J" is a smile.
    const auto emfText = [](const char *face, const QString &text) {
        EmfWriter w;
        w.createFont(1, -40, 0, face).selectObject(1).rec(18, {1}).textOutW(10, 10, text);
        return playEmf(w.bytes(QSize(100, 100))).value_or(QImage());
    };
    const QImage smile = emfText("Symbola", QString(QChar(0x263A)));
    EXPECT_FALSE(inkBounds(smile).isEmpty());
    EXPECT_EQ(emfText("Wingdings", "J"), smile);
    EXPECT_EQ(emfText("Wingdings", QString(QChar(0xF04A))), smile);
    // The other dingbat fonts have tables of their own: Wingdings 2's "P" is a check mark.
    EXPECT_EQ(emfText("Wingdings 2", "P"), emfText("Symbola", QString::fromUcs4(U"\U0001F5F8", 1)));

    // Codes past 0x7F arrive as the Western page read them; a symbol past
    // the 16-bit plane stays one character for per-character advances.
    const auto wingdings = platform::metafile::SymbolFont::named("Wingdings");
    ASSERT_TRUE(wingdings.has_value());
    EXPECT_EQ(wingdings->map(platform::metafile::decodeAnsi("\x80!")),
              QStringList({QString::fromUcs4(U"\U0001F10B", 1), QString::fromUcs4(U"\U0001F589", 1)}));
    EXPECT_FALSE(platform::metafile::SymbolFont::named("Times New Roman").has_value());
}

TEST(WmfPlayer, BitmapRecords)
{
    QImage two(2, 2, QImage::Format_RGB32);
    two.setPixel(0, 0, qRgb(255, 0, 0));
    two.setPixel(1, 0, qRgb(0, 0, 255));
    two.setPixel(0, 1, qRgb(0, 255, 0));
    two.setPixel(1, 1, qRgb(255, 255, 255));

    // Each depth stretched to 10 x 10 at its own place.
    WmfWriter w;
    const struct
    {
        int depth;
        bool rle;
        bool core;
    } kinds[] = {
        {1, false, false},  {4, false, false}, {8, false, false}, {16, false, false}, {24, false, false},
        {32, false, false}, {4, true, false},  {8, true, false},  {8, false, true},
    };
    int x = 0;
    for (const auto &k : kinds) {
        QImage source = two;
        if (k.depth == 1)
            source.setPixel(1, 1, qRgb(0, 0, 255)), source.setPixel(0, 1, qRgb(0, 0, 255));
        w.stretchDib(QRect(x, 0, 10, 10), QRect(0, 0, 2, 2), makeDib(source, k.depth, k.rle, k.core));
        x += 10;
    }
    const QImage image = playPlaced(w);
    // 16-bit pixels keep five bits per channel.
    const auto near = [](QColor a, QColor b) {
        return std::abs(a.red() - b.red()) < 8 && std::abs(a.green() - b.green()) < 8
               && std::abs(a.blue() - b.blue()) < 8 && a.alpha() == 255;
    };
    for (int i = 0; i < int(std::size(kinds)); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(near(pixel(image, i * 10 + 2, 2), red));
        EXPECT_TRUE(near(pixel(image, i * 10 + 7, 2), blue));
    }

    // Set DIB to device takes its source from the bottom row upwards; the
    // DIB blit and stretch blit from the top.
    WmfWriter device;
    device.rec(0x0D33, {0, 2, 0, 0, 0, 1, 1, 20, 20}, makeDib(two, 24).packed())
        .rec(0x0940, {0x0020, 0x00CC, 0, 1, 1, 1, 40, 40}, makeDib(two, 24).packed())
        .rec(0x0B41, {0x0020, 0x00CC, 1, 1, 0, 0, 10, 10, 60, 60}, makeDib(two, 24).packed());
    const QImage placed = playPlaced(device);
    EXPECT_EQ(pixel(placed, 20, 20), green);
    EXPECT_EQ(pixel(placed, 40, 40), blue);
    EXPECT_EQ(pixel(placed, 65, 65), red);

    // A DIB pattern brush tiles the blit's rectangle.
    WmfWriter pattern;
    pattern.rec(0x0142, {5, 0}, makeDib(two, 24).packed()).selectObject(0).rec(0x061D, {0x0021, 0x00F0, 10, 10, 0, 0});
    const QImage tiled = playPlaced(pattern);
    EXPECT_EQ(inkBounds(tiled), QRect(0, 0, 10, 10));
    EXPECT_EQ(pixel(tiled, 0, 0), pixel(tiled, 2, 2));
    EXPECT_NE(pixel(tiled, 0, 0), pixel(tiled, 1, 0));
}

TEST(WmfPlayer, PaletteIndexesTakeTheSelectedPaletteColours)
{
    const int paletteIndex = 0x0100; // high word of a PALETTEINDEX reference
    Bytes entries;
    entries.u16(0x0300).u16(2).u32(colorRef(green)).u32(colorRef(blue));
    QImage two(2, 1, QImage::Format_RGB32);
    two.setPixel(0, 0, qRgb(1, 1, 1));
    two.setPixel(1, 0, qRgb(2, 2, 2));
    // The bitmap's colour table names palette entries 1 and 0.
    const Dib dib = makeDib(two, 1);
    const QByteArray indexed = dib.info.left(40) + Bytes().u16(1).u16(0).data() + dib.bits;
    const QByteArray indexedCore =
        makeDib(two, 1, false, true).info.left(12) + Bytes().u16(1).u16(0).data() + dib.bits;

    WmfWriter w;
    w.rec(0x02FC, {0, 13, paletteIndex, 0}) // before any palette: the default one's red
        .createPen(kNullPen, 0, Qt::black)
        .selectObject(1)
        .selectObject(0)
        .rectangle(0, 0, 20, 20)
        .rec(0x00F7, {}, entries.data())
        .rec(0x0234, {2})
        .rec(0x0035, {})
        .rec(0x02FC, {0, 1, paletteIndex, 0})
        .selectObject(3)
        .rectangle(20, 0, 40, 20)
        .rec(0x0F43, {0x0020, 0x00CC, 1, 1, 2, 0, 0, 20, 20, 20, 0}, indexed)
        .rec(0x0F43, {0x0020, 0x00CC, 1, 1, 2, 0, 0, 20, 20, 20, 20}, indexedCore)
        .rec(0x0037, {1, 1, 0x00FF, 0}) // entry 1 becomes red
        .rec(0x02FC, {0, 1, paletteIndex, 0})
        .selectObject(4)
        .rectangle(40, 0, 60, 20);
    const QImage image = playPlaced(w);
    EXPECT_EQ(pixel(image, 5, 5), red);
    EXPECT_EQ(pixel(image, 25, 5), blue);
    EXPECT_EQ(pixel(image, 5, 25), blue);
    EXPECT_EQ(pixel(image, 15, 25), green);
    // The same with the small header of older bitmaps.
    EXPECT_EQ(pixel(image, 25, 25), blue);
    EXPECT_EQ(pixel(image, 35, 25), green);
    EXPECT_EQ(pixel(image, 45, 5), red);
}

TEST(WmfPlayer, TextWithYAdvancesRaisesTheNextCharacter)
{
    WmfWriter w;
    w.rec(0x0102, {1})
        .createFont(-20, 0, "Arial")
        .selectObject(0)
        .rec(0x0A32, {60, 10, 2, 0x2000}, QByteArray("II") + Bytes().u16(40).u16(40).u16(0).u16(0).data());
    const QImage image = playPlaced(w);
    EXPECT_FALSE(inkBounds(image.copy(45, 15, 30, 30)).isEmpty());
    EXPECT_TRUE(inkBounds(image.copy(45, 50, 30, 50)).isEmpty());

    // Without the option the advances are x only: one baseline.
    WmfWriter plain;
    plain.rec(0x0102, {1})
        .createFont(-20, 0, "Arial")
        .selectObject(0)
        .rec(0x0A32, {60, 10, 2, 0}, QByteArray("II") + Bytes().u16(40).u16(40).data());
    const QImage line = playPlaced(plain);
    const QRect first = inkBounds(line.copy(0, 0, 45, line.height()));
    const QRect second = inkBounds(line.copy(45, 0, 45, line.height()));
    ASSERT_FALSE(first.isEmpty() || second.isEmpty());
    EXPECT_EQ(second.top(), first.top());
    EXPECT_EQ(second.bottom(), first.bottom());
}

TEST(WmfPlayer, MonochromePatternBrushesPaintInTheTextAndBackgroundColours)
{
    QImage checker(2, 2, QImage::Format_RGB32);
    checker.fill(Qt::white);
    checker.setPixel(0, 0, qRgb(0, 0, 0));
    checker.setPixel(1, 1, qRgb(0, 0, 0));
    // The same checker as a pattern brush's DIB and as a device bitmap of
    // two-byte rows.
    const QByteArray bitmap =
        Bytes().u16(0).u16(2).u16(2).u16(2).u8(1).u8(1).u32(0).data() + QByteArray("\x40\0\x80\0", 4);
    WmfWriter w;
    w.createPen(kNullPen, 0, Qt::black)
        .selectObject(0)
        .rec(0x0142, {3, 0}, makeDib(checker, 1).packed())
        .rec(0x01F9, {}, bitmap)
        .rec(0x0209, {0x00FF, 0}) // red text, blue background
        .rec(0x0201, {0, 0x00FF})
        .selectObject(1)
        .rectangle(0, 0, 10, 10)
        .selectObject(2)
        .rectangle(20, 0, 30, 10);
    const QImage image = playPlaced(w);
    for (const int x : {0, 20}) {
        SCOPED_TRACE(x);
        EXPECT_EQ(pixel(image, x, 0), red);
        EXPECT_EQ(pixel(image, x + 1, 0), blue);
        EXPECT_EQ(pixel(image, x + 1, 1), red);
    }
}

TEST(WmfPlayer, AnEmbeddedEnhancedMetafileDrawsInPlaceOfTheRecords)
{
    EmfWriter emf;
    emf.selectObject(0x80000008).createBrush(1, 0, blue).selectObject(1).rectangle(0, 0, 30, 20);
    const QByteArray original = emf.bytes(QSize(40, 30));
    const auto picture = [](const QVector<QByteArray> &comments, bool placeable = true) {
        WmfWriter w = filling(red);
        for (const QByteArray &c : comments)
            w.rawRecord(c);
        w.rec(0x020C, {100, 100}).rectangle(0, 0, 100, 100);
        return play(placeable ? w.placeable(QRect(0, 0, 100, 100), 96) : w.plain());
    };

    // The original keeps its own size where the file gives none, and
    // fills the placeable header's box where it does.
    const QImage own = picture(emfComments(original, 64), false);
    EXPECT_EQ(own.size(), QSize(40, 30));
    EXPECT_EQ(pixel(own, 10, 10), blue);
    EXPECT_TRUE(isBlank(own, 35, 25));
    const QImage stretched = picture(emfComments(original, 64));
    EXPECT_EQ(stretched.size(), QSize(100, 100));
    EXPECT_EQ(pixel(stretched, 70, 60), blue);
    EXPECT_TRUE(isBlank(stretched, 80, 70));

    // A chunk missing, or chunks that do not add up to the original's own
    // size, leave the records to draw.
    QVector<QByteArray> gap = emfComments(original, 64);
    gap.remove(1);
    QVector<QByteArray> reordered = emfComments(original, 64);
    std::swap(reordered[0], reordered[1]);
    for (const QVector<QByteArray> &bad : {gap, reordered, emfComments(original, 64, 4)}) {
        const QImage fallback = picture(bad);
        EXPECT_EQ(fallback.size(), QSize(100, 100));
        EXPECT_EQ(pixel(fallback, 10, 10), red);
    }
}
