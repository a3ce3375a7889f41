#include "app/LevelRecord.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

const QString kStop = QStringLiteral(".");

QStringList lines(std::initializer_list<const char *> texts)
{
    QStringList list;
    for (const char *text : texts)
        list << QString::fromLatin1(text);
    return list;
}

} // namespace

TEST(LevelRecord, WorkedExamples)
{
    EXPECT_EQ(levelRecordLines(1, 120, 160, 90, kStop), lines({"type=bubbles", "pos=120,2,160", "rot=0,0.1571,0"}));
    EXPECT_EQ(levelRecordLines(0, 120, 160, 90, kStop), lines({"pos=120,2,160", "rot=0,0.1571,0"}));
    EXPECT_EQ(levelRecordLines(3, 0, 0, 0, kStop), lines({"type=shell", "pos=0,2,0", "rot=0,0.0000,0"}));
    EXPECT_EQ(levelRecordLines(2, 5110, 5110, 359, kStop), lines({"type=grass", "pos=5110,2,5110", "rot=0,0.6266,0"}));
    EXPECT_EQ(levelRecordLines(1, -40, 160, 1, kStop), lines({"type=bubbles", "pos=-40,2,160", "rot=0,0.0017,0"}));
}

TEST(LevelRecord, NoKindLineWithoutAKnownItem)
{
    for (int index : {-1, 4, 100})
        EXPECT_EQ(levelRecordLines(index, 1, 2, 0, kStop), lines({"pos=1,2,2", "rot=0,0.0000,0"})) << index;
    EXPECT_EQ(levelRecordLines(1, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(), 0,
                               kStop)[1],
              QStringLiteral("pos=-2147483648,2,2147483647"));
}

TEST(LevelRecord, RotationTableValues)
{
    const struct
    {
        int angle;
        const char *text;
    } table[] = {{0, "0.0000"},   {1, "0.0017"},   {2, "0.0035"},   {45, "0.0785"},  {57, "0.0995"}, {90, "0.1571"},
                 {179, "0.3124"}, {180, "0.3142"}, {182, "0.3176"}, {270, "0.4712"}, {359, "0.6266"}};
    for (const auto &row : table)
        EXPECT_EQ(rotationText(row.angle, kStop), QString::fromLatin1(row.text)) << row.angle;
}

TEST(LevelRecord, AllPositionsAgreeWithAnIndependentDoubleComputation)
{
    for (int angle = 0; angle < 360; ++angle) {
        const double r = angle * 3.14159265358979323846 / 1800.0;
        EXPECT_EQ(rotationText(angle, kStop), QString::number(r, 'f', 4)) << angle;
    }
}

TEST(LevelRecord, CommaAndFullStopGiveAFullStopOtherSeparatorsPassThrough)
{
    EXPECT_EQ(rotationText(90, QStringLiteral(",")), QStringLiteral("0.1571"));
    EXPECT_EQ(rotationText(90, QStringLiteral(".")), QStringLiteral("0.1571"));
    EXPECT_EQ(rotationText(90, QStringLiteral("\u066B")), QStringLiteral("0\u066B1571"));
    EXPECT_EQ(rotationText(359, QStringLiteral("'")), QStringLiteral("0'6266"));
    EXPECT_EQ(levelRecordLines(0, 0, 0, 90, QStringLiteral(","))[1], QStringLiteral("rot=0,0.1571,0"));
}

TEST(LevelRecord, ProductsWrapAroundIn32Bits)
{
    EXPECT_EQ(wrappedProduct(30, 4), 120);
    EXPECT_EQ(wrappedProduct(-10, 4), -40);
    EXPECT_EQ(wrappedProduct(511, 10), 5110);
    EXPECT_EQ(wrappedProduct(2147483647, 2), -2);
    EXPECT_EQ(wrappedProduct(65536, 65536), 0);
    EXPECT_EQ(wrappedProduct(100000, 50000), 705032704);
    EXPECT_EQ(wrappedProduct(std::numeric_limits<std::int32_t>::min(), -1), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(wrappedProduct(-511, 2147483647), -2147483137);
}

TEST(LevelRecord, CoordinateText)
{
    EXPECT_EQ(coordinateText(120, 160), QStringLiteral("X: 120  Y: 160"));
    EXPECT_EQ(coordinateText(-40, 0), QStringLiteral("X: -40  Y: 0"));
}
