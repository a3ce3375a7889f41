#include "platform/ClipboardFormats.h"

#include <gtest/gtest.h>

TEST(ClipboardFormats, NamesAreNumberedFrom0xC000AndKeepTheirNumber)
{
    platform::ClipboardFormats formats;
    const std::uint32_t cells = formats.registerFormat(QStringLiteral("TCellGrid Cells"));
    const std::uint32_t other = formats.registerFormat(QStringLiteral("Other"));
    EXPECT_EQ(cells, 0xC000u);
    EXPECT_EQ(other, 0xC001u);
    EXPECT_EQ(formats.registerFormat(QStringLiteral("TCellGrid Cells")), cells);
    EXPECT_EQ(formats.mimeType(cells), QStringLiteral("application/x-qlm-tcellgrid-cells"));
    EXPECT_NE(formats.mimeType(other), formats.mimeType(cells));
    EXPECT_TRUE(formats.mimeType(0xC002u).isEmpty());
}
