#include "GridInputSupport.h"
#include "PreviewGrid.h"

#include "CellGridProbe.h"
#include "TestSupport.h"

#include <QScrollBar>
#include <gtest/gtest.h>

using namespace testsupport;

namespace {

constexpr int TowardUser = -120;
constexpr int AwayFromUser = 120;

} // namespace

TEST(GridWheel, PlainTurnChangesNothingInTheOneCellGrid)
{
    const WheelPlatform platform;
    PreviewForm preview;
    ASSERT_EQ(TCellGridProbe(preview.grid).WheelScrollLines(), 3);
    for (const int delta : {TowardUser, AwayFromUser}) {
        turnWheel(preview.grid, delta);
        EXPECT_EQ(preview.grid->Row(), 0);
        EXPECT_EQ(preview.grid->Col(), 0);
        EXPECT_EQ(preview.grid->ColWidths(0), 75);
        EXPECT_EQ(preview.grid->ZoomOffset(), 0);
    }
}

TEST(GridWheel, CtrlWheelZoomsTheCellWithinTenPixels)
{
    const WheelPlatform platform;
    PreviewForm preview;
    TCellGrid &grid = *preview.grid;
    // Zooming does not keep the message from the wheel's own handling.
    int notches = 0;
    grid.OnMouseWheelDown = [&](QObject *, TShiftState, QPoint, bool &) { ++notches; };
    for (int turn = 0; turn < 3; ++turn)
        turnWheel(&grid, TowardUser, Qt::ControlModifier);
    EXPECT_EQ(notches, 3);
    EXPECT_EQ(grid.ColWidths(0), 84);
    EXPECT_EQ(grid.RowHeights(0), 84);
    EXPECT_EQ(grid.ZoomOffset(), 9);

    turnWheel(&grid, TowardUser, Qt::ControlModifier);
    EXPECT_EQ(grid.ColWidths(0), 84);
    EXPECT_EQ(grid.ZoomOffset(), 9);

    for (int turn = 0; turn < 6; ++turn)
        turnWheel(&grid, AwayFromUser, Qt::ControlModifier);
    EXPECT_EQ(grid.ColWidths(0), 66);
    EXPECT_EQ(grid.RowHeights(0), 66);
    EXPECT_EQ(grid.ZoomOffset(), -9);
    EXPECT_EQ(grid.Row(), 0);

    // The bounds themselves can be reached, never passed.
    grid.ZoomCells(-1);
    EXPECT_EQ(grid.ZoomOffset(), -10);
    grid.ZoomCells(-1);
    EXPECT_EQ(grid.ZoomOffset(), -10);
    grid.ZoomCells(20);
    EXPECT_EQ(grid.ZoomOffset(), 10);
    grid.ZoomCells(1);
    EXPECT_EQ(grid.ZoomOffset(), 10);
    EXPECT_EQ(grid.ColWidths(0), 85);
}

TEST(GridWheel, ZoomLeavesSizesThatWouldNotStayAboveZero)
{
    const WheelPlatform platform;
    GeneralForm general;
    TCellGrid &grid = *general.grid;
    grid.SetColWidths(2, 2);
    grid.SetColWidths(3, 4);
    grid.SetRowHeights(3, 3);
    grid.ZoomCells(-3);
    EXPECT_EQ(grid.ColWidths(2), 2);
    EXPECT_EQ(grid.ColWidths(3), 1);
    EXPECT_EQ(grid.RowHeights(3), 3);
    EXPECT_EQ(grid.ColWidths(1), 37);
    EXPECT_EQ(grid.RowHeights(0), 17);
    EXPECT_EQ(grid.ZoomOffset(), -3);
}

TEST(GridWheel, ZoomingPastTheClientBringsOutTheScrollBarsAndBackIn)
{
    const WheelPlatform platform;
    GeneralForm general;
    TCellGrid &grid = *general.grid;
    grid.SetScrollBars(ssBoth);
    const QList<QScrollBar *> bars = grid.findChildren<QScrollBar *>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_EQ(bars.size(), 2);
    const auto shown = [&bars] { return int(bars[0]->isVisible()) + int(bars[1]->isVisible()); };
    EXPECT_EQ(shown(), 0);
    turnWheel(&grid, TowardUser, Qt::ControlModifier);
    EXPECT_EQ(shown(), 2);
    turnWheel(&grid, AwayFromUser, Qt::ControlModifier);
    EXPECT_EQ(shown(), 0);
}

TEST(GridWheel, WheelMovesTheRowByTheWheelLinesAndOneNotch)
{
    const WheelPlatform platform;
    GeneralForm general;
    TCellGrid &grid = *general.grid;
    grid.SetRowCount(20);
    grid.SetRow(10);
    int downs = 0;
    int ups = 0;
    grid.OnMouseWheelDown = [&](QObject *, TShiftState, QPoint, bool &) { ++downs; };
    grid.OnMouseWheelUp = [&](QObject *, TShiftState, QPoint, bool &) { ++ups; };

    turnWheel(&grid, TowardUser);
    EXPECT_EQ(grid.Row(), 14);
    // The step holds painting back only while it moves the row.
    EXPECT_EQ(grab(grid).pixel(150, 50), qRgb(0xFF, 0xFF, 0xFF));
    turnWheel(&grid, AwayFromUser);
    EXPECT_EQ(grid.Row(), 10);
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(ups, 1);

    // One message of three notches: one wheel step, three notches.
    turnWheel(&grid, TowardUser * 3);
    EXPECT_EQ(grid.Row(), 16);

    // Near the ends the target stops at the first and last normal row.
    grid.SetRow(17);
    turnWheel(&grid, TowardUser);
    EXPECT_EQ(grid.Row(), 19);
    grid.SetRow(2);
    turnWheel(&grid, AwayFromUser);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 1);

    // A notch onto a cell covered by a span makes its base cell current.
    TCellProperties &base = grid.EnsureCellProperties(1, 5);
    base.CellSpanX = 0;
    base.CellSpanY = 1;
    TCellProperties &covered = grid.EnsureCellProperties(1, 6);
    covered.IsBaseCell = false;
    covered.CellSpanX = 0;
    covered.CellSpanY = 1;
    grid.SetRow(10);
    turnWheel(&grid, AwayFromUser);
    EXPECT_EQ(grid.Row(), 5);

    // A handled notch keeps the row where the wheel step put it.
    grid.OnMouseWheelDown = [](QObject *, TShiftState, QPoint, bool &handled) { handled = true; };
    grid.SetRow(5);
    turnWheel(&grid, TowardUser);
    EXPECT_EQ(grid.Row(), 8);
    // Alone, the step reaches the last normal row, which fixed footers move up.
    grid.SetRow(17);
    turnWheel(&grid, TowardUser);
    EXPECT_EQ(grid.Row(), 19);
    grid.setProperty("FixedFooters", 2);
    grid.SetRow(15);
    turnWheel(&grid, TowardUser);
    EXPECT_EQ(grid.Row(), 17);
}

TEST(GridWheel, PartialTurnsAddUpToWholeNotches)
{
    const WheelPlatform platform;
    GeneralForm general;
    TCellGrid &grid = *general.grid;
    grid.setProperty("EnableWheel", QVariant::fromValue(false));
    grid.SetRow(1);
    turnWheel(&grid, -60);
    EXPECT_EQ(grid.Row(), 1);
    turnWheel(&grid, -60);
    EXPECT_EQ(grid.Row(), 2);
    turnWheel(&grid, -250);
    EXPECT_EQ(grid.Row(), 4);
    turnWheel(&grid, 20);
    EXPECT_EQ(grid.Row(), 4);
}

TEST(GridWheel, OneRowGridWithFixedRowAlwaysDropsTheWheel)
{
    const WheelPlatform platform;
    PreviewForm preview;
    TCellGrid &grid = *preview.grid;
    int notches = 0;
    grid.OnMouseWheelDown = [&](QObject *, TShiftState, QPoint, bool &) { ++notches; };
    turnWheel(&grid, TowardUser);
    EXPECT_EQ(notches, 1);
    grid.setProperty("FixedRowAlways", QVariant::fromValue(true));
    turnWheel(&grid, TowardUser);
    EXPECT_EQ(notches, 1);
    // Zooming is not dropped.
    turnWheel(&grid, TowardUser, Qt::ControlModifier);
    EXPECT_EQ(grid.ZoomOffset(), 3);
}

TEST(GridWheel, WithoutTheWheelMessageCtrlWheelDoesNotZoom)
{
    const WheelPlatform platform(true);
    PreviewForm preview;
    ASSERT_EQ(preview.grid->WheelMessage(), 0);
    turnWheel(preview.grid, TowardUser, Qt::ControlModifier);
    EXPECT_EQ(preview.grid->ZoomOffset(), 0);
    EXPECT_EQ(preview.grid->ColWidths(0), 75);
}

TEST(GridWheel, AltWheelArrivesSidewaysAndStillMovesTheRow)
{
    const WheelPlatform platform;
    GeneralForm general;
    TCellGrid &grid = *general.grid;
    grid.SetRowCount(20);
    grid.SetRow(10);
    turnWheel(&grid, QPoint(TowardUser, 0), Qt::AltModifier);
    EXPECT_EQ(grid.Row(), 14);
    // A sideways turn without Alt is no row wheel.
    turnWheel(&grid, QPoint(TowardUser, 0), Qt::NoModifier);
    EXPECT_EQ(grid.Row(), 14);
}
