#include "MetafileTestSupport.h"
#include "MetafileWriter.h"

#include <gtest/gtest.h>

using namespace testsupport;

namespace {

enum : std::uint32_t {
    NullPen = 0x80000008,
    BlackBrush = 0x80000004,
    NullBrush = 0x80000005,
    WhiteBrush = 0x80000000,
};

QImage play(const EmfWriter &writer, QSize size = QSize(100, 100))
{
    const auto image = playEmf(writer.bytes(size));
    EXPECT_TRUE(image.has_value());
    return image.value_or(QImage());
}

// A writer whose pen draws nothing and whose brush fills with colour.
EmfWriter filling(QColor color)
{
    EmfWriter w;
    w.selectObject(NullPen).createBrush(1, 0, color).selectObject(1);
    return w;
}

const QColor red(255, 0, 0);
const QColor blue(0, 0, 255);
const QColor green(0, 255, 0);

} // namespace

TEST(EmfPlayer, PictureSizeComesFromTheFrame)
{
    EXPECT_EQ(play(EmfWriter(), QSize(150, 40)).size(), QSize(150, 40));

    // A frame of 2 x 1 inches on a 96 dpi reference device is 192 x 96 pixels.
    QByteArray data = EmfWriter().bytes(QSize(10, 10));
    Bytes frame;
    frame.i32(0).i32(0).i32(5080).i32(2540);
    data.replace(24, 16, frame.data());
    const auto image = playEmf(data);
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->size(), QSize(192, 96));
}

TEST(EmfPlayer, RectangleLeavesOutItsRightAndBottomEdges)
{
    EmfWriter w;
    w.createPen(1, 0, 1, red).selectObject(1).createBrush(2, 0, blue).selectObject(2).rectangle(10, 10, 20, 30);
    const QImage image = play(w);
    EXPECT_EQ(inkBounds(image), QRect(QPoint(10, 10), QPoint(19, 29)));
    EXPECT_EQ(pixel(image, 10, 15), red);
    EXPECT_EQ(pixel(image, 19, 15), red);
    EXPECT_EQ(pixel(image, 15, 29), red);
    EXPECT_EQ(pixel(image, 15, 15), blue);

    // Without a pen the interior alone is one pixel smaller.
    EmfWriter bare = filling(blue);
    bare.rectangle(10, 10, 20, 30);
    EXPECT_EQ(inkBounds(play(bare)), QRect(QPoint(10, 10), QPoint(18, 28)));
}

TEST(EmfPlayer, ShapesCoverTheirOwnAreas)
{
    // Ellipse, round rectangle, pie and chord in the same 40 x 40 box.
    const auto shape = [](std::uint32_t type, std::initializer_list<std::int32_t> extra) {
        EmfWriter w = filling(red);
        QVector<std::int32_t> values{10, 10, 50, 50};
        values += QVector<std::int32_t>(extra);
        Bytes b;
        for (std::int32_t v : values)
            b.i32(v);
        w.rec(type, b);
        return play(w);
    };
    const QImage ellipse = shape(42, {});
    EXPECT_EQ(pixel(ellipse, 30, 30), red);
    EXPECT_TRUE(isBlank(ellipse, 12, 12));
    EXPECT_EQ(inkBounds(ellipse).adjusted(-1, -1, 1, 1).contains(QRect(10, 10, 39, 39)), true);

    const QImage round = shape(44, {20, 20});
    EXPECT_TRUE(isBlank(round, 10, 10));
    EXPECT_EQ(pixel(round, 30, 10), red);
    EXPECT_EQ(pixel(round, 10, 30), red);

    // Pie from the right-hand point round to the top one: the top-right quarter.
    const QImage pie = shape(47, {50, 30, 30, 10});
    EXPECT_EQ(pixel(pie, 40, 20), red);
    EXPECT_TRUE(isBlank(pie, 20, 20));
    EXPECT_TRUE(isBlank(pie, 40, 40));

    // The chord over the same quarter leaves out the triangle at the centre.
    const QImage chord = shape(46, {50, 30, 30, 10});
    EXPECT_EQ(pixel(chord, 42, 18), red);
    EXPECT_TRUE(isBlank(chord, 33, 27));

    // An arc draws only its outline.
    EmfWriter arc;
    arc.createPen(1, 0, 1, red).selectObject(1).rec(45, {10, 10, 50, 50, 50, 30, 30, 10});
    const QImage arcImage = play(arc);
    EXPECT_TRUE(isBlank(arcImage, 40, 20));
    EXPECT_TRUE(inkBounds(arcImage).intersects(QRect(30, 10, 20, 20)));
    EXPECT_FALSE(inkBounds(arcImage).intersects(QRect(10, 31, 40, 19)));
}

TEST(EmfPlayer, PolygonFillModes)
{
    // A five-pointed star: its centre is inside only under the winding rule.
    const QVector<QPoint> star{{50, 5}, {78, 90}, {5, 35}, {95, 35}, {22, 90}};
    EmfWriter alternate = filling(red);
    alternate.poly(3, star);
    EXPECT_TRUE(isBlank(play(alternate), 50, 50));
    EmfWriter winding = filling(red);
    winding.rec(19, {2}).poly(3, star);
    EXPECT_EQ(pixel(play(winding), 50, 50), red);

    // The 16-bit form and the poly-polygon draw the same.
    EmfWriter small = filling(blue);
    small.poly(86, {{10, 10}, {40, 10}, {40, 40}, {10, 40}}, true);
    EXPECT_EQ(pixel(play(small), 20, 20), blue);
    EmfWriter two = filling(blue);
    two.polyPoly(8, {{{10, 10}, {30, 10}, {30, 30}}, {{60, 60}, {90, 60}, {90, 90}}});
    const QImage twoImage = play(two);
    EXPECT_EQ(pixel(twoImage, 27, 15), blue);
    EXPECT_EQ(pixel(twoImage, 85, 70), blue);
}

TEST(EmfPlayer, LinesLeaveOutTheirEndPoint)
{
    EmfWriter w;
    w.createPen(1, 0, 0, red)
        .selectObject(1)
        .moveTo(10, 10)
        .lineTo(20, 10)
        .poly(4, {{10, 20}, {20, 20}})
        .poly(87, {{10, 30}, {20, 30}}, true);
    const QImage image = play(w);
    for (int y : {10, 20, 30}) {
        EXPECT_EQ(pixel(image, 10, y), red) << y;
        EXPECT_EQ(pixel(image, 19, y), red) << y;
        EXPECT_TRUE(isBlank(image, 20, y)) << y;
    }

    // A Bezier from (10, 50) to (90, 50) bulging upwards.
    EmfWriter bezier;
    bezier.createPen(1, 0, 0, blue).selectObject(1).poly(2, {{10, 50}, {30, 10}, {70, 10}, {90, 50}});
    const QRect bounds = inkBounds(play(bezier));
    EXPECT_LE(bounds.top(), 22);
    EXPECT_GE(bounds.top(), 18);
    EXPECT_EQ(bounds.left(), 10);
}

TEST(EmfPlayer, WidePensAndDashes)
{
    EmfWriter wide;
    wide.createPen(1, 0x2000 | 0x200, 9, red).selectObject(1).moveTo(20, 50).lineTo(80, 50);
    const QRect bounds = inkBounds(play(wide));
    EXPECT_NEAR(bounds.height(), 9, 1);

    // A dashed cosmetic line has gaps.
    EmfWriter dashed;
    dashed.createPen(1, 1, 0, red).selectObject(1).moveTo(0, 50).lineTo(100, 50);
    const QImage image = play(dashed);
    int inked = 0;
    for (int x = 0; x < 100; ++x)
        inked += isBlank(image, x, 50) ? 0 : 1;
    EXPECT_GT(inked, 40);
    EXPECT_LT(inked, 90);

    // A wide pen's dash is three widths on and one off; its dot one and one.
    EmfWriter wideDashes;
    wideDashes.createPen(1, 0x200 | 1, 10, red)
        .selectObject(1)
        .moveTo(0, 20)
        .lineTo(100, 20)
        .createPen(2, 0x200 | 2, 10, red)
        .selectObject(2)
        .moveTo(0, 60)
        .lineTo(100, 60);
    const QImage widePattern = play(wideDashes);
    EXPECT_EQ(pixel(widePattern, 25, 20), red);
    EXPECT_TRUE(isBlank(widePattern, 35, 20));
    EXPECT_EQ(pixel(widePattern, 45, 20), red);
    EXPECT_EQ(pixel(widePattern, 5, 60), red);
    EXPECT_TRUE(isBlank(widePattern, 15, 60));
    EXPECT_EQ(pixel(widePattern, 25, 60), red);
}

TEST(EmfPlayer, MetricAndEnglishModesRunUpwards)
{
    // One inch in each mode's units.
    const std::pair<int, int> modes[] = {{2, 254}, {3, 2540}, {4, 100}, {5, 1000}, {6, 1440}};
    for (const auto &[mode, inch] : modes) {
        SCOPED_TRACE(mode);
        EmfWriter w = filling(red);
        w.setMapMode(mode).rectangle(0, 0, inch / 2, -inch / 4);
        const QImage image = play(w, QSize(100, 100));
        // Half an inch wide and a quarter high below the origin, at 96 dpi.
        EXPECT_EQ(inkBounds(image), QRect(0, 0, 47, 23));
    }
}

TEST(EmfPlayer, IsotropicAndAnisotropicScaling)
{
    const auto scaled = [](int mode) {
        EmfWriter w = filling(red);
        w.setMapMode(mode).rec(9, {200, 100}).rec(11, {100, 100}).rec(12, {10, 10}).rectangle(0, 0, 100, 100);
        return inkBounds(play(w, QSize(200, 200)));
    };
    // Window 200 x 100 onto viewport 100 x 100: half in both directions when
    // isotropic, one to one vertically otherwise.
    EXPECT_EQ(scaled(7), QRect(10, 10, 49, 49));
    EXPECT_EQ(scaled(8), QRect(10, 10, 49, 99));

    // Origins: window (50, 50) shows at viewport (0, 0), scaled by the extents.
    EmfWriter moved = filling(blue);
    moved.setMapMode(8).rec(9, {10, 10}).rec(11, {20, 20}).rec(10, {5, 5}).rectangle(5, 5, 10, 10);
    EXPECT_EQ(inkBounds(play(moved)), QRect(0, 0, 9, 9));

    // The text mode ignores the extents.
    EmfWriter text = filling(blue);
    text.rec(9, {10, 10}).rec(11, {20, 20}).rectangle(5, 5, 10, 10);
    EXPECT_EQ(inkBounds(play(text)), QRect(5, 5, 4, 4));
}

TEST(EmfPlayer, WorldTransformAndSavedStates)
{
    EmfWriter w = filling(red);
    w.rec(33, {}).setWorldTransform(2, 0, 0, 2, 10, 0).rectangle(0, 0, 10, 10).rec(34, {-1}).rectangle(50, 50, 60, 60);
    const QImage image = play(w);
    EXPECT_EQ(pixel(image, 25, 15), red);
    EXPECT_TRUE(isBlank(image, 5, 5));
    EXPECT_EQ(pixel(image, 52, 52), red);
    EXPECT_TRUE(isBlank(image, 62, 62));

    // Rotated by 90 degrees about the origin, then moved into view.
    EmfWriter rotated = filling(blue);
    rotated.setWorldTransform(0, 1, -1, 0, 50, 0).rectangle(0, 0, 40, 10);
    const QRect bounds = inkBounds(play(rotated));
    EXPECT_NEAR(bounds.width(), 10, 1);
    EXPECT_NEAR(bounds.height(), 40, 1);

    // Saved states restore by relative index: -2 goes two levels back.
    EmfWriter nested;
    nested.createBrush(1, 0, red)
        .createBrush(2, 0, blue)
        .selectObject(NullPen)
        .selectObject(1)
        .rec(33, {})
        .selectObject(2)
        .rec(33, {})
        .selectObject(BlackBrush)
        .rec(34, {-2})
        .rectangle(0, 0, 10, 10);
    EXPECT_EQ(pixel(play(nested), 5, 5), red);
}

TEST(EmfPlayer, ObjectTableAndStockObjects)
{
    EmfWriter w;
    w.selectObject(NullPen)
        .createBrush(1, 0, red)
        .selectObject(BlackBrush)
        .rectangle(0, 0, 10, 10)
        .selectObject(1)
        .rectangle(10, 0, 20, 10)
        .rec(40, {1})
        .createBrush(1, 0, blue)
        .selectObject(1)
        .rectangle(20, 0, 30, 10)
        .selectObject(NullBrush)
        .rectangle(30, 0, 40, 10);
    const QImage image = play(w);
    EXPECT_EQ(pixel(image, 5, 5), QColor(Qt::black));
    EXPECT_EQ(pixel(image, 15, 5), red);
    EXPECT_EQ(pixel(image, 25, 5), blue);
    EXPECT_TRUE(isBlank(image, 35, 5));
}

TEST(EmfPlayer, PaletteIndexesTakeTheSelectedPaletteColours)
{
    const std::int32_t paletteIndex = 0x01000000;
    Bytes palette;
    palette.u32(2).u16(0x0300).u16(3).u32(colorRef(green)).u32(0).u32(0);
    EmfWriter w;
    w.selectObject(NullPen)
        .createBrush(1, 0, Qt::black)
        .rec(39, {1, 0, paletteIndex | 13, 0}) // the default palette's red
        .selectObject(1)
        .rectangle(0, 0, 10, 10)
        .rec(49, palette)
        .rec(48, {2})
        .rec(39, {3, 0, paletteIndex, 0})
        .selectObject(3)
        .rectangle(10, 0, 20, 10)
        .rec(48, {std::int32_t(0x8000000F)}) // back to the default palette
        .rec(39, {4, 0, paletteIndex | 11, 0})
        .selectObject(4)
        .rectangle(20, 0, 30, 10)
        .rec(48, {2})
        .rec(50, {2, 2, 2, std::int32_t(colorRef(Qt::yellow)), std::int32_t(colorRef(blue))})
        .rec(39, {5, 0, paletteIndex | 2, 0})
        .selectObject(5)
        .rectangle(30, 0, 40, 10);
    const QImage image = play(w);
    EXPECT_EQ(pixel(image, 5, 5), red);
    EXPECT_EQ(pixel(image, 15, 5), green);
    EXPECT_EQ(pixel(image, 25, 5), QColor(160, 160, 164));
    // Entries set later: from the third on, none past the palette's end.
    EXPECT_EQ(pixel(image, 35, 5), QColor(Qt::yellow));
}

TEST(EmfPlayer, MonochromeBrushesPaintInTheTextAndBackgroundColours)
{
    QImage checker(2, 2, QImage::Format_RGB32);
    checker.fill(Qt::white);
    checker.setPixel(0, 0, qRgb(0, 0, 0));
    checker.setPixel(1, 1, qRgb(0, 0, 0));
    const Dib dib = makeDib(checker, 1);
    Bytes brush;
    brush.u32(1).u32(0).u32(32).u32(std::uint32_t(dib.info.size()));
    brush.u32(std::uint32_t(32 + dib.info.size())).u32(std::uint32_t(dib.bits.size())).raw(dib.packed());
    EmfWriter w;
    w.selectObject(NullPen)
        .rec(93, brush)
        .selectObject(1)
        .rec(24, {std::int32_t(colorRef(red))}) // colours chosen after the brush
        .rec(25, {std::int32_t(colorRef(blue))})
        .rec(18, {1})
        .rectangle(0, 0, 10, 10);
    const QImage image = play(w);
    EXPECT_EQ(pixel(image, 0, 0), red);
    EXPECT_EQ(pixel(image, 1, 0), blue);
    EXPECT_EQ(pixel(image, 1, 1), red);
}

TEST(EmfPlayer, HatchedBrushesRepeatEveryEightPixels)
{
    EmfWriter w;
    w.selectObject(NullPen).rec(18, {1}).createBrush(1, 2, red, 1).selectObject(1).rectangle(0, 0, 40, 40);
    const QImage image = play(w);
    int columns = 0;
    for (int x = 0; x < 32; ++x)
        columns += pixel(image, x, 5) == red ? 1 : 0;
    EXPECT_EQ(columns, 4);
    EXPECT_EQ(pixel(image, 7, 5) == red, pixel(image, 15, 13) == red);
    // A transparent background leaves the gaps empty.
    EXPECT_TRUE(isBlank(image, 3, 5) || isBlank(image, 4, 5));
}

TEST(EmfPlayer, ClippingByRectanglesRegionsAndPaths)
{
    EmfWriter intersect = filling(red);
    intersect.rec(30, {20, 20, 40, 40}).rectangle(0, 0, 100, 100);
    EXPECT_EQ(inkBounds(play(intersect)), QRect(20, 20, 20, 20));

    EmfWriter exclude = filling(red);
    exclude.rec(29, {20, 20, 40, 40}).rectangle(0, 0, 100, 100);
    const QImage hole = play(exclude);
    EXPECT_TRUE(isBlank(hole, 30, 30));
    EXPECT_EQ(pixel(hole, 10, 10), red);

    // Saving and restoring brings the clip back.
    EmfWriter saved = filling(red);
    saved.rec(33, {})
        .rec(30, {0, 0, 10, 10})
        .rectangle(0, 0, 100, 100)
        .rec(34, {-1})
        .rectangle(0, 0, 100, 100);
    EXPECT_EQ(pixel(play(saved), 50, 50), red);
    // Each restore takes the state saved before the one it restored.
    EmfWriter nested = filling(red);
    nested.rec(33, {}).rec(30, {0, 0, 50, 50}).rec(33, {}).rec(30, {0, 0, 10, 10}).rec(34, {-1}).rec(34, {-1});
    nested.rectangle(0, 0, 100, 100);
    EXPECT_EQ(pixel(play(nested), 70, 70), red);

    EmfWriter region = filling(blue);
    region.clipRegion({QRect(0, 0, 10, 10), QRect(50, 50, 10, 10)}, 5).rectangle(0, 0, 100, 100);
    const QImage regionImage = play(region);
    EXPECT_EQ(pixel(regionImage, 55, 55), blue);
    EXPECT_TRUE(isBlank(regionImage, 30, 30));
    EXPECT_EQ(inkBounds(regionImage), QRect(0, 0, 60, 60));

    // Dropping the clip frees the whole picture; a region selected again after that still clips.
    EmfWriter again = filling(blue);
    again.clipRegion({QRect(0, 0, 10, 10)}, 5)
        .rectangle(0, 0, 100, 100)
        .rec(75, {0, 5})
        .rectangle(90, 90, 100, 100)
        .clipRegion({QRect(0, 0, 10, 10)}, 5)
        .rectangle(0, 0, 100, 100);
    const QImage againImage = play(again);
    EXPECT_TRUE(isBlank(againImage, 50, 50));
    EXPECT_EQ(pixel(againImage, 95, 95), blue);

    // A triangle path as the clip.
    EmfWriter path = filling(green);
    path.rec(59, {}).poly(3, {{0, 0}, {100, 0}, {0, 100}}).rec(60, {}).rec(67, {5}).rectangle(0, 0, 100, 100);
    const QImage pathImage = play(path);
    EXPECT_EQ(pixel(pathImage, 20, 20), green);
    EXPECT_TRUE(isBlank(pathImage, 80, 80));
}

TEST(EmfPlayer, PathsFillStrokeAndAbort)
{
    EmfWriter fill = filling(red);
    fill.rec(59, {}).moveTo(10, 10).lineTo(90, 10).lineTo(50, 90).rec(61, {}).rec(60, {}).rec(62, {});
    const QImage filled = play(fill);
    EXPECT_EQ(pixel(filled, 50, 30), red);
    EXPECT_TRUE(isBlank(filled, 15, 80));

    // Nothing inside a path is drawn until the path is used.
    EmfWriter stroke;
    stroke.createPen(1, 0, 0, blue).selectObject(1).rec(59, {}).moveTo(10, 50).lineTo(90, 50).rec(60, {});
    EXPECT_TRUE(inkBounds(play(stroke)).isEmpty());
    stroke.rec(64, {});
    EXPECT_EQ(pixel(play(stroke), 50, 50), blue);

    // Stroked and filled at once: a blue outline round a red inside.
    EmfWriter both = filling(red);
    both.createPen(2, 0, 0, blue).selectObject(2).rec(59, {}).rectangle(10, 10, 50, 50).rec(60, {}).rec(63, {});
    const QImage framed = play(both);
    EXPECT_EQ(pixel(framed, 30, 30), red);
    EXPECT_EQ(pixel(framed, 10, 30), blue);

    EmfWriter aborted = filling(red);
    aborted.rec(59, {}).rectangle(10, 10, 50, 50).rec(68, {}).rec(62, {});
    EXPECT_TRUE(inkBounds(play(aborted)).isEmpty());
}

TEST(EmfPlayer, TextColourAlignmentAndAngle)
{
    const auto text = [](int escapement, int align, int windowHeight = 0) {
        EmfWriter w;
        if (windowHeight)
            w.setMapMode(8).rec(9, {100, windowHeight}).rec(11, {100, 100}).rec(10, {0, windowHeight < 0 ? 100 : 0});
        w.createFont(1, -20, escapement, "Tahoma")
            .selectObject(1)
            .rec(24, {0x0000FF})
            .rec(18, {1})
            .rec(22, {align})
            .textOutW(50, 50, "Reef");
        return play(w);
    };
    const QImage flat = text(0, 0);
    const QRect flatInk = inkBounds(flat);
    ASSERT_FALSE(flatInk.isEmpty());
    EXPECT_GT(flatInk.width(), flatInk.height());
    EXPECT_GE(flatInk.top(), 50);
    EXPECT_GE(flatInk.left(), 50);
    EXPECT_EQ(pixel(flat, flatInk.center().x(), flatInk.center().y()).alpha() > 0, true);

    // Rotated by 90 degrees counter-clockwise the text runs upwards.
    const QRect upward = inkBounds(text(900, 0));
    EXPECT_GT(upward.height(), upward.width());
    EXPECT_LE(upward.bottom(), 50);
    // A window whose y runs up mirrors the turn: 270 degrees reads upwards.
    const QRect mirrored = inkBounds(text(2700, 0, -100));
    EXPECT_GT(mirrored.height(), mirrored.width());
    EXPECT_LE(mirrored.bottom(), 50);
    EXPECT_EQ(inkBounds(text(900, 0, 100)), upward);
    // So does a window that shrinks the picture.
    const QRect shrunk = inkBounds(text(900, 0, 200));
    EXPECT_GT(shrunk.height(), shrunk.width());
    EXPECT_LE(shrunk.bottom(), 26);

    // On the baseline the text stands above the reference point; centred it
    // spreads to both sides.
    const QRect baseline = inkBounds(text(0, 24 | 6));
    EXPECT_LE(baseline.bottom(), 50);
    EXPECT_LT(baseline.left(), 50);
    EXPECT_GT(baseline.right(), 50);

    // The character height: capitals of a -20 font are about 14 pixels high.
    EXPECT_NEAR(flatInk.height(), 15, 3);
}

TEST(EmfPlayer, TextWithYAdvancesRaisesTheNextCharacter)
{
    EmfWriter w;
    w.rec(18, {1}).createFont(1, -20, 0, "Arial").selectObject(1).textOutW(10, 60, "II", {40, 40, 0, 0}, 0x2000);
    const QImage image = play(w);
    EXPECT_FALSE(inkBounds(image.copy(45, 15, 30, 30)).isEmpty());
    EXPECT_TRUE(inkBounds(image.copy(45, 50, 30, 50)).isEmpty());
}

TEST(EmfPlayer, GlyphIndexesDrawWhereTheFontKeepsTheStandardOrder)
{
    // Glyph 44 is "I" in that order; glyph 1000 has no character we know.
    const auto drawn = [](const QString &glyphs) {
        EmfWriter w;
        w.rec(18, {1}).createFont(1, -20, 0, "Arial").selectObject(1).textOutW(10, 10, glyphs, {}, 0x10);
        return !inkBounds(play(w)).isEmpty();
    };
    EXPECT_TRUE(drawn(QString(2, QChar(44))));
    EXPECT_FALSE(drawn(QString(QChar(44)) + QChar(1000)));
}

TEST(EmfPlayer, TextInCommonFontsKeepsTheirMetrics)
{
    // Top-aligned Arial capitals start 0.19 em below the point (ascent less
    // cap height); a substitute with other metrics puts them elsewhere.
    EmfWriter w;
    w.createFont(1, -100, 0, "Arial").selectObject(1).rec(18, {1}).textOutW(10, 10, "H");
    const QRect ink = inkBounds(play(w, QSize(200, 200)));
    EXPECT_NEAR(ink.top(), 10 + 19, 3);
    EXPECT_NEAR(ink.height(), 72, 3);
}

TEST(EmfPlayer, TextAdvancesAndOpaqueBox)
{
    EmfWriter spaced;
    spaced.createFont(1, -12, 0, "Tahoma").selectObject(1).rec(18, {1}).textOutW(0, 0, "II", {40, 40});
    const QRect spread = inkBounds(play(spaced));
    EXPECT_GE(spread.width(), 40);

    // An ExtTextOutW record with no characters and the box (10,10)-(30,20).
    const auto emptyText = [](std::uint32_t options) {
        Bytes b;
        b.i32(0).i32(0).i32(-1).i32(-1).u32(1).f32(1).f32(1);
        b.i32(10).i32(10).u32(0).u32(76).u32(options).i32(10).i32(10).i32(30).i32(20).u32(0);
        return b;
    };
    const std::uint32_t opaqueBox = 2;
    const std::uint32_t clippingBox = 4;

    // ETO_OPAQUE fills the box with the background colour.
    EmfWriter opaque;
    opaque.rec(25, {0x00FF00}).rec(84, emptyText(opaqueBox));
    EXPECT_EQ(inkBounds(play(opaque)), QRect(10, 10, 20, 10));
    // The box keeps inside the clip.
    EmfWriter clipped;
    clipped.rec(30, {0, 0, 20, 15}).rec(25, {0x00FF00}).rec(84, emptyText(opaqueBox));
    EXPECT_EQ(inkBounds(play(clipped)), QRect(10, 10, 10, 5));
    // A box that clips its text clips nothing drawn after it.
    EmfWriter clipping = filling(red);
    clipping.rec(84, emptyText(clippingBox)).rectangle(50, 50, 60, 60);
    EXPECT_EQ(pixel(play(clipping), 55, 55), red);

    // An opaque background fills the whole character cell, descent included.
    EmfWriter cell;
    cell.createFont(1, -20, 0, "Tahoma").selectObject(1).rec(18, {2}).rec(25, {0x00FF00}).textOutW(0, 0, "I", {});
    EXPECT_GT(inkBounds(play(cell)).height(), 20);
}

TEST(EmfPlayer, BitmapRecords)
{
    QImage two(2, 2, QImage::Format_RGB32);
    two.setPixel(0, 0, qRgb(255, 0, 0));
    two.setPixel(1, 0, qRgb(0, 0, 255));
    two.setPixel(0, 1, qRgb(0, 255, 0));
    two.setPixel(1, 1, qRgb(255, 255, 255));
    const Dib dib = makeDib(two, 24);

    // Stretched four times; the top row of the picture is the bitmap's top.
    EmfWriter stretch;
    stretch.stretchDiBits(QRect(0, 0, 8, 8), QRect(0, 0, 2, 2), dib);
    const QImage stretched = play(stretch);
    EXPECT_EQ(pixel(stretched, 1, 1), red);
    EXPECT_EQ(pixel(stretched, 6, 1), blue);
    EXPECT_EQ(pixel(stretched, 1, 6), green);

    // Pixels cut short draw nothing, not rows made up.
    Dib cut = dib;
    cut.bits.chop(cut.bits.size() / 2);
    EmfWriter shortBits;
    shortBits.stretchDiBits(QRect(0, 0, 8, 8), QRect(0, 0, 2, 2), cut);
    EXPECT_TRUE(inkBounds(play(shortBits)).isEmpty());

    // A source rectangle of a bottom-up bitmap counts rows from the bottom.
    EmfWriter bottomRow;
    bottomRow.stretchDiBits(QRect(0, 0, 4, 4), QRect(0, 0, 1, 1), dib);
    EXPECT_EQ(pixel(play(bottomRow), 1, 1), green);

    EmfWriter bitBlt;
    bitBlt.blit(76, QRect(10, 10, 2, 2), 0x00CC0020, QRect(1, 0, 2, 2), dib);
    EXPECT_EQ(pixel(play(bitBlt), 10, 10), blue);

    // Without a bitmap the blit fills with the brush.
    EmfWriter pattern;
    pattern.createBrush(1, 0, red).selectObject(1).blit(76, QRect(5, 5, 10, 10), 0x00F00021, {}, {});
    EXPECT_EQ(inkBounds(play(pattern)), QRect(5, 5, 10, 10));

    // The transparent colour leaves its pixels out.
    EmfWriter transparent;
    transparent.blit(116, QRect(0, 0, 2, 2), 0x0000FF, QRect(0, 0, 2, 2), dib);
    const QImage keyed = play(transparent);
    EXPECT_TRUE(isBlank(keyed, 0, 0));
    EXPECT_EQ(pixel(keyed, 1, 0), blue);

    // Half the constant alpha over white: pink.
    EmfWriter blend = filling(Qt::white);
    blend.rectangle(0, 0, 10, 10).blit(114, QRect(0, 0, 2, 2), 0x00800000, QRect(0, 0, 2, 2), dib);
    blend.createBrush(2, 0, blue).selectObject(2).rectangle(10, 0, 20, 10);
    const QImage blended = play(blend);
    const QColor mixed = pixel(blended, 0, 0);
    EXPECT_EQ(mixed.red(), 255);
    EXPECT_NEAR(mixed.green(), 127, 2);
    // What follows is opaque again.
    EXPECT_EQ(pixel(blended, 15, 5), blue);
}

TEST(EmfPlayer, RasterOperationsActOnWhitePaper)
{
    // The transparent-bitmap idiom: a mask ORed, then the image ANDed.
    QImage mask(2, 1, QImage::Format_RGB32);
    mask.setPixel(0, 0, qRgb(0, 0, 0));
    mask.setPixel(1, 0, qRgb(255, 255, 255));
    QImage image(2, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(255, 255, 255));
    EmfWriter w;
    w.stretchDiBits(QRect(0, 0, 20, 10), QRect(0, 0, 2, 1), makeDib(mask, 24), 0x00EE0086)
        .stretchDiBits(QRect(0, 0, 20, 10), QRect(0, 0, 2, 1), makeDib(image, 24), 0x008800C6)
        .createBrush(1, 0, blue)
        .selectObject(1)
        .blit(76, QRect(0, 20, 10, 10), 0x005A0049, QRect(), Dib{}); // pattern XOR paper
    const QImage played = play(w);
    EXPECT_EQ(pixel(played, 5, 5), red);
    EXPECT_EQ(pixel(played, 15, 5), QColor(Qt::white));
    EXPECT_EQ(pixel(played, 5, 25), QColor(Qt::yellow));
    // What no operation touched stays transparent.
    EXPECT_TRUE(isBlank(played, 50, 50));
    EXPECT_TRUE(isBlank(played, 15, 25));
}

TEST(EmfPlayer, RegionsAndGradients)
{
    EmfWriter w;
    w.createBrush(1, 0, red);
    Bytes region;
    region.u32(32).u32(1).u32(1).u32(16).i32(0).i32(0).i32(0).i32(0);
    region.i32(20).i32(20).i32(30).i32(30);
    Bytes fill;
    fill.i32(20).i32(20).i32(30).i32(30).u32(std::uint32_t(region.size())).u32(1).raw(region.data());
    w.rec(71, fill);
    EXPECT_EQ(inkBounds(play(w)), QRect(20, 20, 10, 10));

    EmfWriter gradient;
    gradient.gradientRect(QPoint(0, 0), red, QPoint(100, 10), blue, false);
    const QImage shaded = play(gradient);
    EXPECT_GT(pixel(shaded, 2, 5).red(), 240);
    EXPECT_GT(pixel(shaded, 97, 5).blue(), 240);
    EXPECT_NEAR(pixel(shaded, 50, 5).red(), 128, 8);

    // A triangle is shaded with the mean of its corners and covers only itself.
    EmfWriter fan;
    fan.gradientTriangle(QPoint(0, 0), QColor(210, 30, 30), QPoint(60, 0), QColor(30, 120, 30), QPoint(0, 60),
                         QColor(30, 30, 60));
    const QImage fanned = play(fan);
    EXPECT_EQ(pixel(fanned, 10, 10), QColor(90, 60, 40));
    EXPECT_TRUE(isBlank(fanned, 50, 50));
}

TEST(EmfPlayer, CommentsAndUnknownRecordsAreSkipped)
{
    EmfWriter w = filling(red);
    w.rec(70, {4, 0x2B464D45}).rec(9999, {1, 2, 3}).rectangle(10, 10, 20, 20);
    EXPECT_EQ(inkBounds(play(w)), QRect(10, 10, 9, 9));
}

namespace {

// Rewrites a written file's frame (hundredths of a millimetre) and its
// reference device (pixels, millimetres and micrometres).
QByteArray onDevice(QByteArray data, QRect frame, QSize pixels, QSize mm, QSize um)
{
    data.replace(24, 16, Bytes().i32(frame.left()).i32(frame.top()).i32(frame.right()).i32(frame.bottom()).data());
    data.replace(72, 16, Bytes().i32(pixels.width()).i32(pixels.height()).i32(mm.width()).i32(mm.height()).data());
    data.replace(100, 8, Bytes().i32(um.width()).i32(um.height()).data());
    return data;
}

} // namespace

TEST(EmfPlayer, ReferenceDeviceResolutionPerAxis)
{
    // 1280 x 800 pixels on 320 x 240 mm: 4 pixels per mm across, 3.33 down. A
    // rectangle over the frame's device pixels fills the whole picture, also
    // where the micrometre sizes hold numbers unrelated to the millimetres.
    EmfWriter w = filling(red);
    w.rectangle(0, 0, 104, 87);
    for (QSize um : {QSize(320000, 240000), QSize(6619244, 4390944), QSize(0, 0)}) {
        SCOPED_TRACE(um.width());
        const auto image = playEmf(onDevice(w.bytes(QSize(10, 10)), QRect(QPoint(0, 0), QPoint(2540, 2540)),
                                            QSize(1280, 800), QSize(320, 240), um));
        ASSERT_TRUE(image.has_value());
        EXPECT_EQ(image->size(), QSize(96, 96));
        EXPECT_EQ(inkBounds(*image), QRect(0, 0, 96, 96));
    }

    // Isotropic units are as long across as down on that device: a logical
    // square of 20 mm stays square.
    EmfWriter iso = filling(red);
    iso.setMapMode(7).rec(9, {100, 100}).rec(11, {400, 400}).rectangle(0, 0, 20, 20);
    const auto square = playEmf(onDevice(iso.bytes(QSize(10, 10)), QRect(QPoint(0, 0), QPoint(2540, 2540)),
                                         QSize(1280, 800), QSize(320, 240), QSize(320000, 240000)));
    ASSERT_TRUE(square.has_value());
    EXPECT_NEAR(inkBounds(*square).width(), 75, 1);
    EXPECT_NEAR(inkBounds(*square).height(), 75, 1);
}

TEST(EmfPlayer, AnisotropicWindowInHundredthsOfMmOnDevicePixels)
{
    // The window counts hundredths of a millimetre and the viewport the
    // device's pixels, on frames at the origin and wholly at negative
    // coordinates: a rectangle over the window fills the picture.
    for (QPoint at : {QPoint(0, 0), QPoint(-7813, -21000)}) {
        SCOPED_TRACE(at.x());
        const QRect frame(at, QSize(1447, 1430));
        EmfWriter w = filling(blue);
        w.setMapMode(8)
            .rec(10, {at.x(), at.y()})
            .rec(9, {1446, 1429})
            .rec(12, {at.x() * 32 / 1000, at.y() * 32 / 1000})
            .rec(11, {46, 46})
            .rectangle(at.x(), at.y(), at.x() + 1500, at.y() + 1500);
        const auto image = playEmf(
            onDevice(w.bytes(QSize(10, 10)), frame, QSize(1024, 768), QSize(320, 240), QSize(7929939, 7602291)));
        ASSERT_TRUE(image.has_value());
        EXPECT_EQ(image->size(), QSize(55, 54));
        EXPECT_EQ(inkBounds(*image), QRect(0, 0, 55, 54));
    }
}

TEST(EmfPlayer, HugeFramesPlayOnlyTheShownPart)
{
    // A red square of about 1000 device pixels in the corner of a frame too large
    // for any image: the picture is scaled down to 4096 x 4096 pixels in
    // area, its shape kept, and only the view's 512 x 512 are played.
    EmfWriter w = filling(red);
    w.rectangle(0, 0, 1000, 1000);
    const auto square =
        platform::playMetafile(w.bytes(QSize(100000, 100000)), platform::MetafileFormat::Enhanced, QSize(512, 512));
    ASSERT_TRUE(square.has_value());
    EXPECT_EQ(square->size, QSize(4096, 4096));
    EXPECT_EQ(square->shown.size(), QSize(512, 512));
    EXPECT_EQ(inkBounds(square->shown), QRect(0, 0, 40, 40));

    const auto wide =
        platform::playMetafile(w.bytes(QSize(100000, 25000)), platform::MetafileFormat::Enhanced, QSize(300, 200));
    ASSERT_TRUE(wide.has_value());
    EXPECT_EQ(wide->size, QSize(8192, 2048));
    EXPECT_EQ(wide->shown.size(), QSize(300, 200));
    EXPECT_EQ(inkBounds(wide->shown), QRect(0, 0, 81, 81));
}
