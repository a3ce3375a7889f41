#include "platform/Colors.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(Colors, RgbValuesKeepRedInTheLowByte)
{
    EXPECT_EQ(platform::resolveColor(clRed), QColor(255, 0, 0));
    EXPECT_EQ(platform::resolveColor(clBlue), QColor(0, 0, 255));
    EXPECT_EQ(platform::resolveColor(clSilver), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(platform::rgbColor(0x12, 0x34, 0x56), TColor(0x563412));
}

TEST(Colors, SystemColoursFollowThePaletteAtDrawTime)
{
    const QPalette palette = testsupport::fixedPalette();
    EXPECT_EQ(platform::resolveColor(clBtnFace), palette.color(QPalette::Button));
    EXPECT_EQ(platform::resolveColor(clWindowText), palette.color(QPalette::Text));
    EXPECT_EQ(platform::resolveColor(clHighlight), palette.color(QPalette::Highlight));
    EXPECT_EQ(platform::resolveColor(clHighlightText), palette.color(QPalette::HighlightedText));
    EXPECT_EQ(platform::resolveColor(clWindow), palette.color(QPalette::Base));
}

TEST(Colors, NotSetHasNoColour)
{
    EXPECT_FALSE(platform::resolveColor(clNone).isValid());
    EXPECT_FALSE(platform::resolveColor(clDefault).isValid());
}
