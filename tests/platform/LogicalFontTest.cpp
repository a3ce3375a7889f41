#include "platform/LogicalFont.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <gtest/gtest.h>

#include <climits>

using namespace platform;

namespace {

LogicalFont sans(int height)
{
    LogicalFont record;
    record.height = height;
    record.faceName = QStringLiteral("DejaVu Sans");
    return record;
}

double cellHeight(const QFont &font)
{
    const QFontMetricsF metrics(font);
    return metrics.ascent() + metrics.descent();
}

} // namespace

TEST(LogicalFont, NegativeHeightIsTheCharacterHeightPositiveTheCellHeight)
{
    EXPECT_EQ(toQFont(sans(-24)).pixelSize(), 24);
    const QFont cell = toQFont(sans(24));
    EXPECT_LT(cell.pixelSize(), 24);
    EXPECT_NEAR(cellHeight(cell), 24, 1.0);
    // Heights in logical units scale to device pixels before either rule applies.
    EXPECT_EQ(toQFont(sans(-48), 0.5).pixelSize(), 24);
    EXPECT_EQ(toQFont(sans(48), 0.5).pixelSize(), cell.pixelSize());
}

TEST(LogicalFont, ZeroEmptyAndAbsurdFieldsStillGiveAUsableFont)
{
    LogicalFont record;
    EXPECT_EQ(toQFont(record).pixelSize(), 16);
    EXPECT_FALSE(QFontInfo(toQFont(record)).family().isEmpty());
    record.height = INT_MIN;
    EXPECT_EQ(toQFont(record).pixelSize(), 2048);
    record.height = INT_MAX;
    EXPECT_LE(toQFont(record).pixelSize(), 2048);
    record.height = 10;
    EXPECT_EQ(toQFont(record, 0).pixelSize(), 1);
    record.weight = 5000;
    EXPECT_EQ(toQFont(record).weight(), QFont::Black);
}
