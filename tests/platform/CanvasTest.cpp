#include "platform/Canvas.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace platform;

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
const QRgb kRed = QColor(255, 0, 0).rgb();
const QRgb kBlue = QColor(0, 0, 255).rgb();

QImage blankImage(int width, int height, QRgb fill = kWhite)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

// The smallest rectangle holding every pixel that differs from background.
QRect inkBounds(const QImage &image, QRgb background = kWhite)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

TFont cellFont()
{
    TFont font;
    font.setName(QStringLiteral("Tahoma"));
    font.setHeight(-11);
    font.setColor(clBlack);
    return font;
}

} // namespace

TEST(Canvas, RectangleOutlinesWithPenFillsWithBrushAndExcludesRightAndBottom)
{
    QImage image = blankImage(10, 10);
    {
        TCanvas canvas(image);
        canvas.pen().color = clRed;
        canvas.brush().setColor(clBlue);
        canvas.rectangle({2, 2, 6, 6});
    }
    for (int i = 2; i <= 5; ++i) {
        EXPECT_EQ(image.pixel(i, 2), kRed) << i;
        EXPECT_EQ(image.pixel(i, 5), kRed) << i;
        EXPECT_EQ(image.pixel(2, i), kRed) << i;
        EXPECT_EQ(image.pixel(5, i), kRed) << i;
        EXPECT_EQ(image.pixel(6, i), kWhite) << i;
        EXPECT_EQ(image.pixel(i, 6), kWhite) << i;
    }
    EXPECT_EQ(image.pixel(3, 3), kBlue);
    EXPECT_EQ(image.pixel(4, 4), kBlue);
    EXPECT_EQ(image.pixel(1, 1), kWhite);
}

TEST(Canvas, ClearBrushLeavesTheInteriorAndColourMakesItSolidAgain)
{
    QImage image = blankImage(10, 10);
    {
        TCanvas canvas(image);
        canvas.pen().color = clRed;
        canvas.brush().setColor(clBlue);
        canvas.brush().setStyle(TBrushStyle::bsClear);
        canvas.rectangle({0, 0, 5, 5});
        canvas.fillRect({0, 5, 5, 10});
        canvas.brush().setColor(clBlue);
        EXPECT_EQ(canvas.brush().style(), TBrushStyle::bsSolid);
        canvas.fillRect({5, 5, 7, 7});
    }
    EXPECT_EQ(image.pixel(0, 0), kRed);
    EXPECT_EQ(image.pixel(2, 2), kWhite);
    EXPECT_EQ(image.pixel(2, 7), kWhite);
    EXPECT_EQ(image.pixel(5, 5), kBlue);
    EXPECT_EQ(image.pixel(6, 6), kBlue);
    EXPECT_EQ(image.pixel(7, 7), kWhite);
}

TEST(Canvas, LinesLeaveOutTheirEndPointInEveryDirection)
{
    QImage image = blankImage(12, 12);
    {
        TCanvas canvas(image);
        canvas.pen().color = clRed;
        canvas.moveTo(1, 1);
        canvas.lineTo(5, 1);
        EXPECT_EQ(canvas.penPos(), QPoint(5, 1));
        canvas.moveTo(9, 3);
        canvas.lineTo(5, 3);
        canvas.moveTo(10, 1);
        canvas.lineTo(10, 6);
        canvas.moveTo(0, 6);
        canvas.lineTo(4, 10);
    }
    for (int x = 1; x <= 4; ++x)
        EXPECT_EQ(image.pixel(x, 1), kRed) << x;
    EXPECT_EQ(image.pixel(5, 1), kWhite);
    for (int x = 6; x <= 9; ++x)
        EXPECT_EQ(image.pixel(x, 3), kRed) << x;
    EXPECT_EQ(image.pixel(5, 3), kWhite);
    for (int y = 1; y <= 5; ++y)
        EXPECT_EQ(image.pixel(10, y), kRed) << y;
    EXPECT_EQ(image.pixel(10, 6), kWhite);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(image.pixel(i, 6 + i), kRed) << i;
    EXPECT_EQ(image.pixel(4, 10), kWhite);
}

TEST(Canvas, WideLinesAreCentredOnTheirPath)
{
    QImage image = blankImage(10, 10);
    {
        TCanvas canvas(image);
        canvas.pen().color = clRed;
        canvas.pen().width = 3;
        canvas.moveTo(2, 5);
        canvas.lineTo(8, 5);
    }
    EXPECT_EQ(inkBounds(image), QRect(QPoint(2, 4), QPoint(7, 6)));
}

TEST(Canvas, FocusRectangleInvertsEveryOtherFramePixelAndTwiceRestores)
{
    QImage image = blankImage(12, 12);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x)
            image.setPixel(x, y, qRgb(x * 20, y * 20, 100));
    const QImage before = image;
    {
        TCanvas canvas(image);
        canvas.drawFocusRect({1, 1, 11, 9});
    }
    const QRgb original = before.pixel(1, 1);
    EXPECT_EQ(image.pixel(1, 1), qRgb(255 - qRed(original), 255 - qGreen(original), 255 - qBlue(original)));
    EXPECT_EQ(image.pixel(2, 1), before.pixel(2, 1));
    EXPECT_NE(image.pixel(3, 1), before.pixel(3, 1));
    EXPECT_NE(image.pixel(10, 8), before.pixel(10, 8));
    EXPECT_EQ(image.pixel(5, 5), before.pixel(5, 5));
    EXPECT_EQ(image.pixel(11, 9), before.pixel(11, 9));
    {
        TCanvas canvas(image);
        canvas.drawFocusRect({1, 1, 11, 9});
    }
    EXPECT_EQ(image, before);
}

TEST(Canvas, MeasuringTextDrawsNothingAndFitsTheRectangle)
{
    QImage image = blankImage(80, 30);
    TCanvas canvas(image);
    canvas.font() = cellFont();
    const QSize extent = canvas.textExtent(QStringLiteral("orientation"));
    EXPECT_GT(extent.width(), 40);
    EXPECT_GT(extent.height(), 8);
    EXPECT_EQ(canvas.textHeight(QString()), extent.height());
    TRect rect{5, 6, 70, 28};
    const int height = canvas.drawText(QStringLiteral("orientation"), rect,
                                       DT_CALCRECT | DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
    EXPECT_EQ(height, extent.height());
    EXPECT_EQ(rect, (TRect{5, 6, 5 + extent.width(), 6 + extent.height()}));
    canvas.painter().end();
    EXPECT_TRUE(inkBounds(image).isNull());
}

TEST(Canvas, SingleLineTextIsPlacedByTheFlagsAndClippedToItsRectangle)
{
    QImage image = blankImage(100, 40);
    QSize extent;
    {
        TCanvas canvas(image);
        canvas.font() = cellFont();
        canvas.setBackgroundMode(TBackgroundMode::Transparent);
        extent = canvas.textExtent(QStringLiteral("orientation"));
        TRect rect{10, 5, 90, 35};
        canvas.drawText(QStringLiteral("orientation"), rect,
                        DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX | DT_EXPANDTABS);
    }
    const QRect ink = inkBounds(image);
    const int left = 10 + (80 - extent.width()) / 2;
    const int top = 5 + (30 - extent.height()) / 2;
    // Glyph edges may bleed one pixel past the advance.
    EXPECT_GE(ink.left(), left - 1);
    EXPECT_LE(ink.right(), left + extent.width());
    EXPECT_GE(ink.top(), top);
    EXPECT_LE(ink.bottom(), top + extent.height() - 1);
    EXPECT_LE(std::abs((ink.left() - 10) - (89 - ink.right())), 3);

    QImage clipped = blankImage(100, 40);
    {
        TCanvas canvas(clipped);
        canvas.font() = cellFont();
        TRect rect{10, 5, 30, 35};
        canvas.drawText(QStringLiteral("orientation"), rect, DT_SINGLELINE | DT_NOPREFIX);
    }
    const QRect clippedInk = inkBounds(clipped);
    EXPECT_FALSE(clippedInk.isNull());
    EXPECT_GE(clippedInk.left(), 10);
    EXPECT_LE(clippedInk.right(), 29);
}

TEST(Canvas, TransparentTextKeepsTheBackgroundAndOpaqueTextFillsItsBox)
{
    const QRgb grey = qRgb(200, 200, 200);
    QImage transparent = blankImage(60, 20, grey);
    QImage opaque = blankImage(60, 20, grey);
    for (QImage *image : {&transparent, &opaque}) {
        TCanvas canvas(*image);
        canvas.font() = cellFont();
        canvas.brush().setColor(clBlue);
        canvas.setBackgroundMode(image == &transparent ? TBackgroundMode::Transparent : TBackgroundMode::Opaque);
        TRect rect{0, 0, 60, 20};
        canvas.drawText(QStringLiteral("    "), rect, DT_SINGLELINE | DT_NOPREFIX);
    }
    EXPECT_EQ(transparent.pixel(1, 5), grey);
    EXPECT_EQ(opaque.pixel(1, 5), kBlue);
    EXPECT_EQ(opaque.pixel(1, 15), grey);
    EXPECT_EQ(opaque.pixel(59, 5), grey);
}

TEST(Canvas, LineBreaksDoNotBreakSingleLineTextButDoOtherwise)
{
    QImage image = blankImage(10, 10);
    TCanvas canvas(image);
    canvas.font() = cellFont();
    const int lineHeight = canvas.textHeight(QStringLiteral("hg"));
    TRect single{0, 0, 200, 100};
    EXPECT_EQ(canvas.drawText(QStringLiteral("a\r\nb"), single, DT_CALCRECT | DT_SINGLELINE), lineHeight);
    TRect several{0, 0, 200, 100};
    EXPECT_EQ(canvas.drawText(QStringLiteral("a\nb"), several, DT_CALCRECT), 2 * lineHeight);
    TRect prefixed{0, 0, 200, 100};
    canvas.drawText(QStringLiteral("a&&b"), prefixed, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(prefixed.width(), canvas.textWidth(QStringLiteral("a&b")));
    TRect wrapped{0, 0, 30, 100};
    canvas.drawText(QStringLiteral("one two three four"), wrapped, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_GE(wrapped.height(), 3 * lineHeight);
    EXPECT_EQ(wrapped.width(), 30);
}

namespace {

QRect rotatedInk(int tenths, int x, int y, const TRect &clip = {0, 0, 120, 120})
{
    QImage image = blankImage(120, 120);
    TCanvas canvas(image);
    canvas.font() = cellFont();
    LogicalFont record = canvas.font().logicalFont();
    record.escapement = record.orientation = tenths;
    const FontObject rotated(record);
    const FontObject *previous = canvas.selectFont(&rotated);
    EXPECT_EQ(previous, nullptr);
    canvas.setTextAlign(TA_LEFT | TA_TOP);
    canvas.brush().setStyle(TBrushStyle::bsClear);
    canvas.setBackgroundMode(TBackgroundMode::Transparent);
    canvas.textRect(clip, x, y, QStringLiteral("orientation"));
    EXPECT_EQ(canvas.selectFont(previous), &rotated);
    canvas.painter().end();
    return inkBounds(image);
}

} // namespace

TEST(Canvas, RotatedFontTurnsTextCounterClockwiseAboutItsTopLeftCorner)
{
    QImage probe(1, 1, QImage::Format_RGB32);
    TCanvas measure(probe);
    measure.font() = cellFont();
    const QSize extent = measure.textExtent(QStringLiteral("orientation"));
    const int w = extent.width();
    const int h = extent.height();

    const QRect upright = rotatedInk(0, 30, 40);
    EXPECT_TRUE(QRect(30, 40, w, h).contains(upright)) << upright.x() << "," << upright.y();
    EXPECT_GT(upright.width(), w - 4);

    // A quarter turn: reads bottom to top, the text's top facing left.
    const QRect quarter = rotatedInk(900, 30, 90);
    EXPECT_TRUE(QRect(30 - 1, 90 - w - 1, h + 2, w + 2).contains(quarter));
    EXPECT_GT(quarter.height(), w - 4);

    // Upside down: reads right to left, to the left of and above the point.
    const QRect half = rotatedInk(1800, 90, 60);
    EXPECT_TRUE(QRect(90 - w - 1, 60 - h - 1, w + 2, h + 2).contains(half));

    // Three quarters: reads top to bottom, left of the point.
    const QRect threeQuarters = rotatedInk(2700, 60, 20);
    EXPECT_TRUE(QRect(60 - h - 1, 20 - 1, h + 2, w + 2).contains(threeQuarters));

    const QRect clipped = rotatedInk(0, 30, 40, {0, 0, 50, 120});
    EXPECT_LE(clipped.right(), 49);
}

TEST(Canvas, ClipRectangleAndUpdateRegionLimitDrawing)
{
    QImage image = blankImage(20, 20);
    {
        TCanvas canvas(image);
        canvas.setUpdateRegion(QRegion(0, 0, 10, 20));
        EXPECT_TRUE(canvas.rectVisible({5, 5, 15, 15}));
        EXPECT_FALSE(canvas.rectVisible({12, 0, 20, 20}));
        canvas.selectClipRect(TRect{0, 0, 20, 10});
        EXPECT_FALSE(canvas.rectVisible({0, 12, 10, 20}));
        canvas.brush().setColor(clRed);
        canvas.fillRect({0, 0, 20, 20});
        canvas.selectClipRect(std::nullopt);
        canvas.brush().setColor(clBlue);
        canvas.fillRect({0, 15, 20, 20});
    }
    EXPECT_EQ(image.pixel(9, 9), kRed);
    EXPECT_EQ(image.pixel(10, 9), kWhite);
    EXPECT_EQ(image.pixel(5, 12), kWhite);
    EXPECT_EQ(image.pixel(5, 16), kBlue);
    EXPECT_EQ(image.pixel(15, 16), kWhite);
}

TEST(Canvas, FontSizeAndHeightFollowEachOtherAtNinetySixPixelsPerInch)
{
    TFont font;
    font.setHeight(-11);
    EXPECT_EQ(font.size(), 8);
    font.setHeight(-96);
    EXPECT_EQ(font.size(), 72);
    font.setHeight(-14); // 10.5 points round away from zero
    EXPECT_EQ(font.size(), 11);
    font.setSize(8 + 2);
    EXPECT_EQ(font.height(), -13);
    font.setSize(8);
    EXPECT_EQ(font.height(), -11);
    font.setName(QStringLiteral("Tahoma"));
    font.setStyle(fsBold | fsItalic);
    font.setEscapement(450);
    const LogicalFont record = font.logicalFont();
    EXPECT_EQ(record.height, -11);
    EXPECT_EQ(record.weight, FW_BOLD);
    EXPECT_TRUE(record.italic);
    EXPECT_EQ(record.escapement, 450);
    EXPECT_EQ(record.orientation, 450);
    EXPECT_EQ(record.charSet, DEFAULT_CHARSET);
    EXPECT_EQ(record.faceName, QStringLiteral("Tahoma"));
}

TEST(Canvas, AbsurdFontHeightsAndEmptyRectanglesAreHarmless)
{
    QImage image = blankImage(10, 10);
    TCanvas canvas(image);
    canvas.font().setHeight(INT32_MIN);
    EXPECT_GT(canvas.textHeight(QStringLiteral("x")), 0);
    canvas.font().setHeight(INT32_MAX);
    EXPECT_GT(canvas.textHeight(QStringLiteral("x")), 0);
    canvas.rectangle({5, 5, 2, 2});
    canvas.drawFocusRect({5, 5, 5, 9});
    TRect inverted{8, 8, 2, 2};
    canvas.drawText(QStringLiteral("x"), inverted, DT_SINGLELINE | DT_END_ELLIPSIS);
    canvas.painter().end();
    EXPECT_TRUE(inkBounds(image).isNull());
}
