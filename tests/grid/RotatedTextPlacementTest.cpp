#include "grid/RotatedTextPlacement.h"

#include <gtest/gtest.h>

using platform::TRect;

namespace {

constexpr int kLeft = 0, kRight = 1, kCentre = 2;
constexpr int kTop = 0, kMiddle = 1, kBottom = 2;

QPoint place(int angle, int cx, int cy, int horizontal = kCentre, int vertical = kMiddle)
{
    TRect rect{0, 0, 75, 75};
    rotatedtext::Place(rect, angle, cx, cy, horizontal, vertical, 2, 2);
    EXPECT_EQ(rect.right, 73);
    EXPECT_EQ(rect.bottom, 73);
    return QPoint(rect.left, rect.top);
}

} // namespace

TEST(RotatedTextPlacement, WorkedTableOfThePreviewCell)
{
    struct Row
    {
        int angle, quadrant, wc, hs, ws, hc, x, y;
    };
    const Row rows[] = {
        {0, 1, 56, 0, 0, 13, 6, 28},    {45, 1, 39, 9, 39, 9, 10, 50},  {90, 1, 0, 13, 56, 0, 28, 63},
        {135, 2, 39, 9, 39, 9, 50, 59}, {180, 2, 56, 0, 0, 13, 63, 41}, {225, 3, 39, 9, 39, 9, 59, 20},
        {270, 3, 0, 13, 56, 0, 41, 7},  {315, 4, 39, 9, 39, 9, 19, 11}, {359, 4, 55, 0, 0, 12, 7, 29},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.angle);
        EXPECT_EQ(rotatedtext::Quadrant(row.angle), row.quadrant);
        const rotatedtext::Projections p = rotatedtext::Project(row.angle, 56, 13);
        EXPECT_EQ(p.wc, row.wc);
        EXPECT_EQ(p.hs, row.hs);
        EXPECT_EQ(p.ws, row.ws);
        EXPECT_EQ(p.hc, row.hc);
        EXPECT_EQ(place(row.angle, 56, 13), QPoint(row.x, row.y));
    }
}

TEST(RotatedTextPlacement, ExtendedPrecisionDecidesTheExactHalves)
{
    // sin(210) is -0.5; in extended precision with its pi the product lands
    // just short of 26, where double precision would reach it.
    const rotatedtext::Projections p = rotatedtext::Project(210, 52, 11);
    EXPECT_EQ(p.wc, 45);
    EXPECT_EQ(p.hs, 5);
    EXPECT_EQ(p.ws, 25);
    EXPECT_EQ(p.hc, 9);
    EXPECT_EQ(place(210, 52, 11), QPoint(60, 27));
}

TEST(RotatedTextPlacement, QuadrantBoundariesAndFullTurn)
{
    EXPECT_EQ(rotatedtext::Quadrant(0), 1);
    EXPECT_EQ(rotatedtext::Quadrant(90), 1);
    EXPECT_EQ(rotatedtext::Quadrant(91), 2);
    EXPECT_EQ(rotatedtext::Quadrant(180), 2);
    EXPECT_EQ(rotatedtext::Quadrant(270), 3);
    EXPECT_EQ(rotatedtext::Quadrant(271), 4);
    EXPECT_EQ(rotatedtext::Quadrant(360), 4);
    // 360 lands where 0 does, from the other quadrant's formulas.
    EXPECT_EQ(place(360, 56, 13), place(0, 56, 13));
    EXPECT_EQ(place(360, 52, 11), place(0, 52, 11));
}

TEST(RotatedTextPlacement, OneDegreeShortOfAFullTurnShrinksTheBoxByOnePixel)
{
    for (int cx = 1; cx <= 57; ++cx)
        for (int cy = 1; cy <= 57; ++cy) {
            const rotatedtext::Projections p = rotatedtext::Project(359, cx, cy);
            ASSERT_EQ(p.wc, cx - 1) << cx << "x" << cy;
            ASSERT_EQ(p.hc, cy - 1) << cx << "x" << cy;
            ASSERT_EQ(p.hs, 0);
            ASSERT_EQ(p.ws, 0);
        }
}

TEST(RotatedTextPlacement, EdgeAlignmentsAndOversizedText)
{
    EXPECT_EQ(place(0, 56, 13, kLeft, kTop), QPoint(-2, -2));
    EXPECT_EQ(place(0, 56, 13, kRight, kBottom), QPoint(15, 58));
    // The box at the edges in every quadrant: the output point is the box's
    // corner that the text's top-left corner turns to.
    const struct
    {
        int angle;
        QPoint leftTop, rightBottom;
    } edges[] = {
        {45, {-2, 37}, {23, 62}}, {135, {37, 46}, {62, 71}}, {225, {46, 7}, {71, 32}}, {315, {7, -2}, {32, 23}}};
    for (const auto &edge : edges) {
        SCOPED_TRACE(edge.angle);
        EXPECT_EQ(place(edge.angle, 56, 13, kLeft, kTop), edge.leftTop);
        EXPECT_EQ(place(edge.angle, 56, 13, kRight, kBottom), edge.rightBottom);
    }
    // Half of a negative difference rounds down.
    EXPECT_EQ(place(0, 80, 13).x(), -6);
    EXPECT_EQ(place(0, 0, 0), QPoint(34, 35));
    // The placement with Qt's measure of the word.
    EXPECT_EQ(place(0, 52, 11), QPoint(8, 29));
}

TEST(RotatedTextPlacement, CentredBoxSitsOnTheMiddleOfThePlacingRectangle)
{
    for (int angle = 0; angle <= 360; ++angle) {
        SCOPED_TRACE(angle);
        const rotatedtext::Projections p = rotatedtext::Project(angle, 56, 13);
        const QPoint point = place(angle, 56, 13) + QPoint(2, 2);
        const int quadrant = rotatedtext::Quadrant(angle);
        const QPoint offset = quadrant == 1   ? QPoint(0, p.ws)
                              : quadrant == 2 ? QPoint(p.wc, p.ws + p.hc)
                              : quadrant == 3 ? QPoint(p.hs + p.wc, p.hc)
                                              : QPoint(p.hs, 0);
        const QPoint boxTopLeft = point - offset;
        const double centreX = boxTopLeft.x() + (p.hs + p.wc) / 2.0;
        const double centreY = boxTopLeft.y() + (p.hc + p.ws) / 2.0;
        EXPECT_NEAR(centreX, 36.5, 1.0);
        EXPECT_NEAR(centreY, 36.5, 1.0);
    }
}

TEST(RotatedTextPlacement, ExtremeRectanglesDoNotOverflow)
{
    TRect rect{INT32_MIN, INT32_MIN, INT32_MIN + 1, INT32_MIN + 1};
    rotatedtext::Place(rect, 45, INT32_MAX, INT32_MAX, kCentre, kMiddle, 2, 2);
    EXPECT_EQ(rect.right, INT32_MIN);
    TRect huge{INT32_MAX - 1, INT32_MAX - 1, INT32_MAX, INT32_MAX};
    rotatedtext::Place(huge, 200, 100, 100, kRight, kBottom, 2, 2);
    EXPECT_LE(huge.left, INT32_MAX);
}
