#include "platform/FormFonts.h"

#include <QFile>
#include <QFontInfo>
#include <gtest/gtest.h>

TEST(FormFonts, CellFontResolvesToTahomaWhenInstalled)
{
    const QFont font = platform::formFont(platform::kCellFontFamily, 11);
    EXPECT_EQ(QFontInfo(font).pixelSize(), 11);
    if (QFile::exists(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"))) {
        EXPECT_EQ(QFontInfo(font).family(), platform::kCellFontFamily);
    }
}
