#include "grid/CellGraphicPlacement.h"

#include <gtest/gtest.h>

#include <climits>

using platform::TRect;

namespace {

// Content rectangle 10..110 across, 20..60 down; a graphic 16 x 8.
const TRect kContent{10, 20, 110, 60};

TRect place(TCellHAlign h, TCellVAlign v, int textWidth = 0, TAlignment textAlignment = taLeftJustify, int width = 16,
            int height = 8)
{
    return PlaceCellGraphic(kContent, width, height, textWidth, h, v, textAlignment);
}

} // namespace

TEST(CellGraphicPlacement, HorizontalTable)
{
    EXPECT_EQ(place(haLeft, vaFull).left, 11);
    EXPECT_EQ(place(haLeft, vaFull).right, 27);
    EXPECT_EQ(place(haRight, vaFull).left, 110 - 16 - 1);
    EXPECT_EQ(place(haRight, vaFull).right, 109);
    EXPECT_EQ(place(haCenter, vaFull).left, 10 + (100 - 16) / 2);
    EXPECT_EQ(place(haCenter, vaFull).right, 10 + 42 + 16);
    EXPECT_EQ(place(haFull, vaFull).left, 10);
    EXPECT_EQ(place(haFull, vaFull).right, 110);

    // Beside the text: its width counts 2 more, and the side depends on how the text was aligned.
    EXPECT_EQ(place(haBeforeText, vaFull, 30, taLeftJustify).left, 11);
    EXPECT_EQ(place(haBeforeText, vaFull, 30, taLeftJustify).right, 27);
    EXPECT_EQ(place(haBeforeText, vaFull, 30, taCenter).left, 110 - 32 - 16);
    EXPECT_EQ(place(haBeforeText, vaFull, 30, taCenter).right, 110 - 32);
    EXPECT_EQ(place(haAfterText, vaFull, 30, taRightJustify).left, 93);
    EXPECT_EQ(place(haAfterText, vaFull, 30, taRightJustify).right, 109);
    EXPECT_EQ(place(haAfterText, vaFull, 30, taLeftJustify).left, 10 + 32);
    EXPECT_EQ(place(haAfterText, vaFull, 30, taLeftJustify).right, 10 + 32 + 16);
    EXPECT_EQ(place(haAfterText, vaFull, 0, taLeftJustify).left, 10);
}

TEST(CellGraphicPlacement, VerticalTable)
{
    EXPECT_EQ(place(haFull, vaTop).top, 21);
    EXPECT_EQ(place(haFull, vaTop).bottom, 29);
    EXPECT_EQ(place(haFull, vaAboveText).top, 21);
    EXPECT_EQ(place(haFull, vaBottom).top, 60 - 8 - 1);
    EXPECT_EQ(place(haFull, vaBottom).bottom, 59);
    EXPECT_EQ(place(haFull, vaCenter).top, 20 + 16);
    EXPECT_EQ(place(haFull, vaCenter).bottom, 20 + 16 + 8);
    EXPECT_EQ(place(haFull, vaUnderText).top, 52);
    EXPECT_EQ(place(haFull, vaUnderText).bottom, 60);
    EXPECT_EQ(place(haFull, vaFull).top, 20);
    EXPECT_EQ(place(haFull, vaFull).bottom, 60);
}

TEST(CellGraphicPlacement, GraphicsLargerThanTheCell)
{
    // Centring gives way to the left and top edge when the graphic does not fit.
    const TRect big = place(haCenter, vaCenter, 0, taLeftJustify, 200, 50);
    EXPECT_EQ(big.left, 11);
    EXPECT_EQ(big.right, 211);
    EXPECT_EQ(big.top, 21);
    EXPECT_EQ(big.bottom, 71);
    EXPECT_EQ(place(haCenter, vaFull, 0, taLeftJustify, 110).left, 11);

    // Before a wide text the graphic would start left of the cell: it goes
    // to the left edge, keeping the right edge computed before.
    const TRect before = place(haBeforeText, vaFull, 90, taCenter);
    EXPECT_EQ(before.left, 11);
    EXPECT_EQ(before.right, 110 - 92);

    // Absurd sizes neither overflow nor wrap round.
    const TRect absurd =
        PlaceCellGraphic({INT_MAX - 10, 0, INT_MAX, 10}, INT_MAX, INT_MAX, INT_MAX, haAfterText, vaBottom, taCenter);
    EXPECT_EQ(absurd.right, INT_MAX);
    EXPECT_LE(absurd.top, absurd.bottom);
}
