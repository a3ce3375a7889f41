#include "grid/CellTextFormat.h"

#include <gtest/gtest.h>

using namespace celltext;

TEST(CellTextFormat, TextKindsByStartAndTags)
{
    EXPECT_EQ(ClassifyCellText(QString(), true), tkPlain);
    EXPECT_EQ(ClassifyCellText(QStringLiteral("orientation"), true), tkPlain);
    for (const char *plain : {"a<b", "<br>", "x < y", "{", "{x"})
        EXPECT_EQ(ClassifyCellText(QString::fromLatin1(plain), true), tkPlain) << plain;
    for (const char *html : {"<B>bold", "x<I>", "a</b>"}) {
        EXPECT_EQ(ClassifyCellText(QString::fromLatin1(html), true), tkHTML) << html;
        EXPECT_EQ(ClassifyCellText(QString::fromLatin1(html), false), tkPlain) << html;
    }
    EXPECT_EQ(ClassifyCellText(QStringLiteral("=1+2</b>"), true), tkFormula);
    EXPECT_EQ(ClassifyCellText(QStringLiteral("=1"), false), tkFormula);
    EXPECT_EQ(ClassifyCellText(QStringLiteral("{\\rtf1 <B>"), true), tkRichText);
}

TEST(CellTextFormat, WrapFlagsAndTheSingleLineRuleDroppedForMultiLineGrids)
{
    EXPECT_EQ(WrapFlag(false), 0x20u);
    EXPECT_EQ(WrapFlag(true), 0x2010u);
    ClearSingleLineWrapFlag();
    EXPECT_EQ(WrapFlag(false), 0u);
    EXPECT_EQ(WrapFlag(true), 0x2010u);
    ResetWrapFlags();
    EXPECT_EQ(WrapFlag(false), 0x20u);
}
