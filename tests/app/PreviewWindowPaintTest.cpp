#include "app/Main.h"
#include "platform/controls/TScrollBar.h"

#include "TestSupport.h"

#include <QApplication>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QRgb kButtonFace = qRgb(0xF0, 0xF0, 0xF0);
const QRgb kFocusDot = qRgb(0x0F, 0x0F, 0x0F);
const QRgb kSilver = qRgb(0xC0, 0xC0, 0xC0);

QRect inkBounds(const QImage &image)
{
    QRect bounds;
    for (int y = 2; y < 73; ++y)
        for (int x = 2; x < 71; ++x)
            if (image.pixel(x, y) != kButtonFace && image.pixel(x, y) != kFocusDot)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

int count(const QImage &image, const QRect &rect, QRgb colour)
{
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

// Drags the thumb of the scroll bar sideways by dx pixels.
void dragThumb(QScrollBar &bar, int dx)
{
    const QPoint thumb = testsupport::scrollBarPart(bar, QStyle::SC_ScrollBarSlider).center();
    QTest::mousePress(&bar, Qt::LeftButton, Qt::NoModifier, thumb);
    for (int step = 1; step <= 4; ++step)
        QTest::mouseMove(&bar, thumb + QPoint(dx * step / 4, 0));
    QTest::mouseRelease(&bar, Qt::LeftButton, Qt::NoModifier, thumb + QPoint(dx, 0));
}

} // namespace

TEST(PreviewWindowPaint, DraggingTheAngleBarTurnsTheWordInThePreview)
{
    TForm1 form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    TCellGrid &grid = *form.CellGrid1;

    // Before the first change the cell is empty.
    QImage image = testsupport::grab(grid);
    EXPECT_TRUE(inkBounds(image).isNull());
    EXPECT_EQ(count(image, QRect(0, 74, 73, 1), kSilver), 73);

    dragThumb(*form.ScrollBar1, 40);
    const int angle = form.ScrollBar1->value();
    ASSERT_GT(angle, 0);
    EXPECT_EQ(grid.FindCellGraphic(0, 0)->CellAngle, angle);
    image = testsupport::grab(grid);
    const QRect turned = inkBounds(image);
    ASSERT_FALSE(turned.isNull());
    EXPECT_NEAR(QRectF(turned).center().x(), 34.5, 4.0);
    EXPECT_NEAR(QRectF(turned).center().y(), 35.0, 4.0);
    EXPECT_EQ(count(image, QRect(0, 74, 73, 1), kSilver), 73);

    form.ScrollBar1->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form.ScrollBar1, Qt::Key_Home);
    image = testsupport::grab(grid);
    const QRect upright = inkBounds(image);
    EXPECT_GT(upright.width(), 3 * upright.height());
    EXPECT_EQ(count(image, QRect(0, 0, 73, 75), kFocusDot), 0);
}

TEST(PreviewWindowPaint, FocusRectangleFollowsTheGridsKeyboardFocus)
{
    TForm1 form;
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.ScrollBar1->setValue(90);
    TCellGrid &grid = *form.CellGrid1;

    QTest::mouseClick(&grid, Qt::LeftButton, Qt::NoModifier, QPoint(30, 30));
    ASSERT_EQ(QApplication::focusWidget(), &grid);
    const QImage focused = testsupport::grab(grid);
    EXPECT_EQ(count(focused, QRect(0, 0, 73, 1), kFocusDot), 37);

    form.ScrollBar1->setFocus(Qt::TabFocusReason);
    const QImage unfocused = testsupport::grab(grid);
    EXPECT_EQ(count(unfocused, QRect(0, 0, 73, 75), kFocusDot), 0);
    // The word and its colours do not change with the focus.
    EXPECT_EQ(inkBounds(focused), inkBounds(unfocused));
    EXPECT_GT(inkBounds(unfocused).height(), 3 * inkBounds(unfocused).width());
}
