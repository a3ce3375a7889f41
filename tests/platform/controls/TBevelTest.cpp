#include "platform/controls/TBevel.h"
#include "TestSupport.h"
#include "platform/Colors.h"

#include <gtest/gtest.h>

using platform::TBevel;

TEST(TBevel, LoweredBoxHasShadowAboveAndLeftAndHighlightBelowAndRight)
{
    QWidget window;
    window.resize(60, 60);
    TBevel bevel(&window);
    bevel.setGeometry(5, 5, 40, 30);
    const QImage shot = testsupport::grab(window);
    const QRgb shadow = platform::resolveColor(clBtnShadow).rgb();
    const QRgb highlight = platform::resolveColor(clBtnHighlight).rgb();
    ASSERT_NE(shadow, highlight);
    EXPECT_EQ(shot.pixel(5, 5), shadow);
    EXPECT_EQ(shot.pixel(20, 5), shadow);
    EXPECT_EQ(shot.pixel(5, 20), shadow);
    EXPECT_EQ(shot.pixel(44, 34), highlight);
    EXPECT_EQ(shot.pixel(44, 5), highlight);
    EXPECT_EQ(shot.pixel(5, 34), highlight);
    EXPECT_EQ(shot.pixel(20, 20), window.palette().color(QPalette::Window).rgb());

    bevel.setStyle(TBevel::bsRaised);
    const QImage raised = testsupport::grab(window);
    EXPECT_EQ(raised.pixel(5, 5), highlight);
    EXPECT_EQ(raised.pixel(44, 34), shadow);
}

TEST(TBevel, ThePointerReachesWhatLiesUnderIt)
{
    QWidget window;
    window.resize(60, 60);
    QWidget under(&window);
    under.setGeometry(10, 10, 30, 20);
    TBevel bevel(&window);
    bevel.setGeometry(5, 5, 50, 50);
    EXPECT_EQ(window.childAt(20, 20), &under);
    EXPECT_EQ(window.childAt(50, 50), nullptr);
}
