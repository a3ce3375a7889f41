#include "platform/controls/WholeNumberText.h"

#include <gtest/gtest.h>

using platform::parseWholeNumber;

TEST(WholeNumberText, ReadsSignedDecimalWithLeadingBlanks)
{
    EXPECT_EQ(parseWholeNumber(QStringLiteral("4")), 4);
    EXPECT_EQ(parseWholeNumber(QStringLiteral("   +7")), 7);
    EXPECT_EQ(parseWholeNumber(QStringLiteral(" -3")), -3);
    EXPECT_EQ(parseWholeNumber(QStringLiteral("007")), 7);
    EXPECT_EQ(parseWholeNumber(QStringLiteral("50")), 50);
    EXPECT_EQ(parseWholeNumber(QStringLiteral("2147483647")), 2147483647);
    EXPECT_EQ(parseWholeNumber(QStringLiteral("-2147483648")), -2147483647 - 1);
}

TEST(WholeNumberText, RefusesEverythingElse)
{
    for (const char *text : {"", " ", "-", "+", "+-1", "1.5", "1,5", "5x", "5 ", "x5", "2147483648", "-2147483649",
                             "99999999999999999999999", "0x10", "\t5", "1e3"})
        EXPECT_FALSE(parseWholeNumber(QString::fromLatin1(text)).has_value()) << '"' << text << '"';
    // Digits of other scripts are not decimal digits here.
    EXPECT_FALSE(parseWholeNumber(QStringLiteral("\u0661\u0662")).has_value());
}
