#include "PreviewGrid.h"

#include <gtest/gtest.h>

#include <vector>

using testsupport::countPixels;
using testsupport::inkBounds;
using testsupport::PreviewForm;

namespace {

const QRgb kButtonFace = qRgb(0xF0, 0xF0, 0xF0);
const QRgb kFocusDot = qRgb(0x0F, 0x0F, 0x0F);
const QRgb kSilver = qRgb(0xC0, 0xC0, 0xC0);
// Inside the clip rectangle of the rotated text.
const QRect kTextArea(2, 2, 71, 71);

// Ink on each side of the middle of the ink's box: the word's base line
// lies on the heavier side, since "orientation" has ascenders but no
// descenders.
struct InkBalance
{
    int left = 0, right = 0, top = 0, bottom = 0;
};

InkBalance balance(const QImage &image, const QRect &bounds)
{
    InkBalance result;
    const QPointF centre = QRectF(bounds).center();
    for (int y = bounds.top(); y <= bounds.bottom(); ++y)
        for (int x = bounds.left(); x <= bounds.right(); ++x) {
            if (image.pixel(x, y) == kButtonFace)
                continue;
            const int weight = 255 - qGray(image.pixel(x, y));
            (x + 0.5 < centre.x() ? result.left : result.right) += weight;
            (y + 0.5 < centre.y() ? result.top : result.bottom) += weight;
        }
    return result;
}

} // namespace

TEST(PreviewCellPaint, EmptyCellShowsFillAndSilverBottomLine)
{
    PreviewForm preview;
    preview.focusElsewhere();
    const QImage image = preview.paint();
    ASSERT_EQ(image.size(), QSize(73, 75));
    EXPECT_EQ(countPixels(image, QRect(0, 0, 73, 74), kButtonFace), 73 * 74);
    EXPECT_EQ(countPixels(image, QRect(0, 74, 73, 1), kSilver), 73);
    EXPECT_EQ(preview.alignmentCalls, 2);
}

TEST(PreviewCellPaint, FocusRectangleOnlyWhileTheGridHasTheKeyboardFocus)
{
    PreviewForm preview;
    preview.grid->SetRotatedCell(0, 0, 0, QStringLiteral("orientation"));
    preview.focusGrid();
    const QImage focused = preview.paint();
    // Every other pixel of the frame (0,0)-(74,74) is inverted; its right edge lies outside the window.
    EXPECT_EQ(countPixels(focused, QRect(0, 0, 73, 1), kFocusDot), 37);
    EXPECT_EQ(countPixels(focused, QRect(0, 73, 73, 1), kFocusDot), 36);
    EXPECT_GE(countPixels(focused, QRect(0, 1, 1, 72), kFocusDot), 35);
    EXPECT_EQ(countPixels(focused, QRect(0, 74, 73, 1), kSilver), 73);

    preview.focusElsewhere();
    const QImage unfocused = preview.paint();
    EXPECT_EQ(countPixels(unfocused, QRect(0, 0, 73, 75), kFocusDot), 0);
    // Only the focus rectangle differs: the colours stay.
    EXPECT_EQ(inkBounds(focused, kTextArea, kButtonFace), inkBounds(unfocused, kTextArea, kButtonFace));

    preview.focusGrid();
    preview.grid->setProperty("HideFocusRect", QVariant::fromValue(true));
    EXPECT_EQ(countPixels(preview.paint(), QRect(0, 0, 73, 75), kFocusDot), 0);
    preview.grid->setProperty("HideFocusRect", QVariant::fromValue(false));
    preview.grid->SetOptions(preview.grid->Options() | goRowSelect);
    EXPECT_EQ(countPixels(preview.paint(), QRect(0, 0, 73, 75), kFocusDot), 0);
}

TEST(PreviewCellPaint, RotatedWordIsCentredAndTurnedCounterClockwise)
{
    PreviewForm preview;
    preview.focusElsewhere();
    for (const int angle : {0, 45, 90, 180, 270, 359}) {
        SCOPED_TRACE(angle);
        preview.grid->SetRotatedCell(0, 0, std::int16_t(angle), QStringLiteral("orientation"));
        const QImage image = preview.paint();
        EXPECT_EQ(preview.alignmentCalls, 2);
        const QRect ink = inkBounds(image, kTextArea, kButtonFace);
        ASSERT_FALSE(ink.isEmpty());
        // The rotated box sits about two pixels up and left of the cell's middle.
        const QPointF centre = QRectF(ink).center();
        EXPECT_NEAR(centre.x(), 34.5, 4.0);
        EXPECT_NEAR(centre.y(), 35.0, 4.0);

        const InkBalance side = balance(image, ink);
        switch (angle) {
        case 0:
        case 359:
            EXPECT_GT(ink.width(), 3 * ink.height());
            EXPECT_GT(side.bottom, side.top);
            break;
        case 180:
            EXPECT_GT(ink.width(), 3 * ink.height());
            EXPECT_GT(side.top, side.bottom);
            break;
        case 90:
            // Reads upwards: the base line is on the right.
            EXPECT_GT(ink.height(), 3 * ink.width());
            EXPECT_GT(side.right, side.left);
            break;
        case 270:
            EXPECT_GT(ink.height(), 3 * ink.width());
            EXPECT_GT(side.left, side.right);
            break;
        case 45:
            // Rising to the right: the word's end is up right, its start down left.
            EXPECT_NEAR(double(ink.width()) / ink.height(), 1.0, 0.4);
            EXPECT_GT(side.right + side.bottom, side.left + side.top);
            break;
        }
        // The fill around the word and the silver line stay.
        EXPECT_EQ(image.pixel(1, 1), kButtonFace);
        EXPECT_EQ(countPixels(image, QRect(0, 74, 73, 1), kSilver), 73);
    }
}

TEST(PreviewCellPaint, AlignmentIsAskedTwicePerPaintForCellZeroZero)
{
    PreviewForm preview;
    std::vector<std::pair<int, int>> asked;
    const auto answer = preview.grid->OnGetAlignment;
    preview.grid->OnGetAlignment = [&](QObject *sender, std::int32_t row, std::int32_t col, TAlignment &h,
                                       TVAlignment &v) {
        EXPECT_EQ(sender, preview.grid);
        asked.emplace_back(row, col);
        answer(sender, row, col, h, v);
    };
    preview.grid->SetRotatedCell(0, 0, 30, QStringLiteral("orientation"));
    preview.paint();
    EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{0, 0}, {0, 0}}));
}

TEST(PreviewCellPaint, RotatedTextKeepsTheGridFontColourWhileSelected)
{
    PreviewForm preview;
    preview.grid->setProperty("SelectionTextColor", QVariant::fromValue(clRed));
    preview.grid->SetRotatedCell(0, 0, 0, QStringLiteral("orientation"));
    for (const bool focus : {true, false}) {
        SCOPED_TRACE(focus);
        focus ? preview.focusGrid() : preview.focusElsewhere();
        const QImage image = preview.paint();
        int ink = 0;
        for (int y = 2; y < 73; ++y)
            for (int x = 2; x < 71; ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.rgb() == kButtonFace)
                    continue;
                ++ink;
                EXPECT_LE(c.red() - c.green(), 8) << x << "," << y;
            }
        EXPECT_GT(ink, 40);
    }
}

TEST(PreviewCellPaint, CellColourHandlerLosesTheFillToTheSelectionButKeepsTheText)
{
    PreviewForm preview;
    int calls = 0;
    preview.grid->OnGetCellColor = [&](QObject *, std::int32_t row, std::int32_t col, TGridDrawState,
                                       platform::TBrush &brush, platform::TFont &font) {
        EXPECT_EQ(row, 0);
        EXPECT_EQ(col, 0);
        ++calls;
        brush.setColor(clYellow);
        font.setColor(clBlue);
    };
    preview.grid->SetRotatedCell(0, 0, 0, QStringLiteral("orientation"));
    preview.focusElsewhere();
    calls = 0;
    const QImage image = preview.paint();
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(countPixels(image, QRect(0, 0, 73, 2), kButtonFace), 73 * 2);
    int blue = 0;
    for (int y = 2; y < 73; ++y)
        for (int x = 2; x < 71; ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.rgb() != kButtonFace && c.blue() > c.red() + 40)
                ++blue;
        }
    EXPECT_GT(blue, 40);
    // The text leaves the fill behind it alone.
    EXPECT_EQ(countPixels(image, QRect(0, 0, 73, 75), qRgb(0xFF, 0xFF, 0x00)), 0);
}

TEST(PreviewCellPaint, WithoutGridLinesTheFillCoversTheWholeCell)
{
    PreviewForm preview;
    preview.grid->SetGridLineWidth(0);
    preview.focusElsewhere();
    const QImage image = preview.paint();
    EXPECT_EQ(countPixels(image, QRect(0, 0, 73, 75), kButtonFace), 73 * 75);
}

TEST(PreviewCellPaint, SameAngleTwiceEqualAnglesAndEmptyText)
{
    PreviewForm preview;
    preview.focusElsewhere();
    preview.grid->SetRotatedCell(0, 0, 270, QStringLiteral("orientation"));
    const QImage first = preview.paint();
    preview.grid->SetRotatedCell(0, 0, 270, QStringLiteral("orientation"));
    EXPECT_EQ(preview.paint(), first);
    preview.grid->SetRotatedCell(0, 0, -90, QStringLiteral("orientation"));
    EXPECT_EQ(preview.paint(), first);

    preview.grid->SetRotatedCell(0, 0, 0, QStringLiteral("orientation"));
    const QImage upright = preview.paint();
    preview.grid->SetRotatedCell(0, 0, 360, QStringLiteral("orientation"));
    EXPECT_EQ(preview.paint(), upright);

    preview.grid->SetRotatedCell(0, 0, 45, QString());
    EXPECT_TRUE(inkBounds(preview.paint(), kTextArea, kButtonFace).isEmpty());
}

TEST(PreviewCellPaint, ZoomGrowsTheRotatedFont)
{
    PreviewForm preview;
    preview.focusElsewhere();
    preview.grid->SetRotatedCell(0, 0, 0, QStringLiteral("orient"));
    const QRect normal = inkBounds(preview.paint(), kTextArea, kButtonFace);
    preview.grid->SetZoomOffset(4);
    const QRect zoomed = inkBounds(preview.paint(), kTextArea, kButtonFace);
    EXPECT_GT(zoomed.width(), normal.width() + 8);
    EXPECT_GT(zoomed.height(), normal.height());
}

TEST(PreviewCellPaint, OverhangingRotatedTextStopsTwoPixelsInsideTheCell)
{
    PreviewForm preview;
    preview.focusElsewhere();
    const QString longText = QStringLiteral("orientation orientation orientation");
    preview.grid->SetRotatedCell(0, 0, 0, longText);
    const QImage across = preview.paint();
    EXPECT_EQ(countPixels(across, QRect(0, 0, 2, 74), kButtonFace), 2 * 74);
    EXPECT_EQ(inkBounds(across, kTextArea, kButtonFace).left(), 2);
    // The 75-pixel cell runs past the 73-pixel window: its clip ends on the last column.
    EXPECT_EQ(inkBounds(across, kTextArea, kButtonFace).right(), 72);

    preview.grid->SetRotatedCell(0, 0, 90, longText);
    const QImage upright = preview.paint();
    EXPECT_EQ(countPixels(upright, QRect(0, 0, 73, 2), kButtonFace), 2 * 73);
    EXPECT_EQ(countPixels(upright, QRect(0, 73, 73, 1), kButtonFace), 73);
    EXPECT_EQ(inkBounds(upright, kTextArea, kButtonFace).top(), 2);
    EXPECT_EQ(inkBounds(upright, kTextArea, kButtonFace).bottom(), 72);
}
