#include "GridInputSupport.h"
#include "PreviewGrid.h"

#include "CellGridProbe.h"
#include "TestSupport.h"

#include <QApplication>
#include <QHelpEvent>
#include <QTest>

#include <gtest/gtest.h>

using namespace testsupport;

TEST(GridKeys, TabAndShiftTabLeaveTheGrid)
{
    const WheelPlatform platform;
    PreviewForm preview;
    preview.focusGrid();
    QTest::keyClick(preview.grid, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), preview.other);
    preview.grid->setFocus();
    QTest::keyClick(preview.grid, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), preview.other);
}

TEST(GridKeys, EveryNavigationKeyKeepsTheOnlyCellCurrent)
{
    const WheelPlatform platform;
    PreviewForm preview;
    preview.focusGrid();
    TCellGrid &grid = *preview.grid;
    for (const Qt::KeyboardModifiers modifiers : {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::ControlModifier),
                                                  Qt::KeyboardModifiers(Qt::ShiftModifier)}) {
        for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp,
                                  Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End}) {
            QTest::keyClick(&grid, key, modifiers);
            EXPECT_EQ(grid.Col(), 0) << key;
            EXPECT_EQ(grid.Row(), 0) << key;
            EXPECT_EQ(grid.Selection(), (TGridRect{0, 0, 0, 0})) << key;
            EXPECT_EQ(grid.LeftCol(), 0);
            EXPECT_EQ(grid.TopRow(), 0);
        }
    }
    EXPECT_EQ(QApplication::focusWidget(), &grid);
}

TEST(GridKeys, NavigationMovesWithinTheNormalCells)
{
    const WheelPlatform platform;
    GeneralForm general;
    TCellGrid &grid = *general.grid;
    grid.setFocus();
    const struct
    {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        TGridCoord current;
    } steps[] = {
        {Qt::Key_Left, {}, {1, 1}},
        {Qt::Key_Up, {}, {1, 1}},
        {Qt::Key_Right, {}, {2, 1}},
        {Qt::Key_Down, {}, {2, 2}},
        {Qt::Key_End, {}, {4, 2}},
        {Qt::Key_Right, {}, {4, 2}},
        {Qt::Key_Home, {}, {1, 2}},
        {Qt::Key_End, Qt::ControlModifier, {4, 4}},
        {Qt::Key_PageUp, Qt::ControlModifier, {4, 1}},
        {Qt::Key_PageDown, {}, {4, 4}},
        {Qt::Key_Home, Qt::ControlModifier, {1, 1}},
        {Qt::Key_Down, Qt::ControlModifier, {1, 1}},
    };
    for (const auto &step : steps) {
        QTest::keyClick(&grid, step.key, step.modifiers);
        EXPECT_EQ(grid.Col(), step.current.X) << step.key;
        EXPECT_EQ(grid.Row(), step.current.Y) << step.key;
        // Every cell fits the window, so nothing scrolls.
        EXPECT_EQ(grid.TopRow(), 1) << step.key;
    }
    // Shift stretches the selection from where it was.
    QTest::keyClick(&grid, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(&grid, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(grid.Selection(), (TGridRect{1, 1, 2, 2}));
    // Tab is not the grid's: the focus moves on.
    QTest::keyClick(&grid, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), &grid);
}

TEST(GridKeys, TabWithGoTabsWalksTheCellsAndWraps)
{
    const WheelPlatform platform;
    GeneralForm general;
    TCellGrid &grid = *general.grid;
    grid.SetOptions(grid.Options() | goTabs);
    grid.setFocus();
    grid.SetCol(4);
    QTest::keyClick(&grid, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &grid);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.Row(), 2);
    QTest::keyClick(&grid, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(grid.Col(), 4);
    EXPECT_EQ(grid.Row(), 1);
}

TEST(GridKeys, CellChangeCanBeRefusedAndHomeEndCanGoToRows)
{
    const WheelPlatform platform;
    GeneralForm general;
    TCellGrid &grid = *general.grid;
    grid.setFocus();
    std::vector<QString> raised;
    bool allowRow = false;
    grid.OnRowChanging = [&](QObject *, std::int32_t from, std::int32_t to, bool &allow) {
        raised.push_back(QStringLiteral("row %1>%2").arg(from).arg(to));
        allow = allowRow;
    };
    grid.OnCellChanging = [&](QObject *, std::int32_t, std::int32_t, std::int32_t, std::int32_t, bool &allow) {
        raised.push_back(QStringLiteral("cell %1").arg(allow));
    };
    int asked = 0;
    grid.OnSelectCell = [&](QObject *, std::int32_t col, std::int32_t, bool &canSelect) {
        ++asked;
        canSelect = col != 3;
    };
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(raised, (std::vector<QString>{QStringLiteral("row 1>2"), QStringLiteral("cell 0")}));
    QTest::keyClick(&grid, Qt::Key_Right);
    QTest::keyClick(&grid, Qt::Key_Right);
    EXPECT_EQ(grid.Col(), 2);
    // Making the current cell current again is no choice of a cell: nothing is asked.
    const int askedBefore = asked;
    grid.SetCol(2);
    grid.SetRow(1);
    EXPECT_EQ(asked, askedBefore);

    allowRow = true;
    grid.Navigation()->setProperty("HomeEndKey", QVariant::fromValue(heFirstLastRow));
    QTest::keyClick(&grid, Qt::Key_End);
    EXPECT_EQ(grid.Row(), 4);
    EXPECT_EQ(grid.Col(), 2);
    QTest::keyClick(&grid, Qt::Key_Home);
    EXPECT_EQ(grid.Row(), 1);
}

TEST(GridPointer, DraggingSelectsAndTheReleaseClicksOnce)
{
    const WheelPlatform platform;
    GeneralForm general;
    TCellGrid &grid = *general.grid;
    int clicks = 0;
    std::vector<TGridCoord> clickedCells;
    grid.OnClick = [&](QObject *) { ++clicks; };
    grid.OnClickCell = [&](QObject *, std::int32_t row, std::int32_t col) { clickedCells.push_back({col, row}); };
    press(&grid, Qt::LeftButton, QPoint(50, 25));
    EXPECT_EQ(QApplication::focusWidget(), &grid);
    EXPECT_EQ(grid.GridState(), gsSelecting);
    EXPECT_EQ(grid.Timers().interval(TBaseGrid::DragScrollTimerId), 60);
    QApplication::processEvents();
    {
        // Growing the selection repaints it.
        const PaintCounter counter(grid);
        move(&grid, QPoint(130, 65), Qt::LeftButton);
        QApplication::processEvents();
        EXPECT_GT(counter.paints(), 0);
    }
    EXPECT_EQ(grid.Selection(), (TGridRect{1, 1, 3, 3}));
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.Row(), 1);
    release(&grid, Qt::LeftButton, QPoint(130, 65));
    EXPECT_EQ(grid.GridState(), gsNormal);
    EXPECT_FALSE(grid.Timers().isActive(TBaseGrid::DragScrollTimerId));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(clickedCells.size(), 1u);

    // Shift moves the far corner; the current cell stays.
    press(&grid, Qt::LeftButton, QPoint(170, 85), Qt::ShiftModifier);
    EXPECT_EQ(grid.Selection(), (TGridRect{1, 1, 4, 4}));
    release(&grid, Qt::LeftButton, QPoint(170, 85));
    // A press on a fixed cell makes nothing current.
    press(&grid, Qt::LeftButton, QPoint(10, 50));
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.GridState(), gsNormal);
    release(&grid, Qt::LeftButton, QPoint(10, 50));
    EXPECT_EQ(clickedCells.size(), 2u);

    // Without range selection Shift only moves the current cell.
    grid.SetOptions(grid.Options() & ~goRangeSelect);
    press(&grid, Qt::LeftButton, QPoint(130, 65), Qt::ShiftModifier);
    release(&grid, Qt::LeftButton, QPoint(130, 65));
    EXPECT_EQ(grid.Selection(), (TGridRect{3, 3, 3, 3}));

    // A quick second right press is a press like the first.
    int downs = 0;
    grid.OnMouseDown = [&](auto &&...) { ++downs; };
    general.other->setFocus();
    doubleClick(&grid, Qt::RightButton, QPoint(50, 25));
    EXPECT_EQ(QApplication::focusWidget(), &grid);
    EXPECT_EQ(downs, 1);
    // Every left release clicked, even over a fixed cell; no right one did.
    EXPECT_EQ(clicks, 4);
}

TEST(GridPointer, APointerPastAnEdgePullsTheSelectionOneCellPerTick)
{
    const WheelPlatform platform;
    GeneralForm general;
    TCellGrid &grid = *general.grid;
    grid.SetColCount(10);
    grid.SetRowCount(10);
    grid.SetTopRow(3);
    press(&grid, Qt::LeftButton, QPoint(130, 25));
    ASSERT_EQ(grid.GridState(), gsSelecting);
    pointAt(&grid, QPoint(210, 25));
    fireTimer(&grid, TBaseGrid::DragScrollInterval);
    EXPECT_EQ(grid.Selection(), (TGridRect{3, 3, 4, 3}));
    EXPECT_EQ(grid.LeftCol(), 1);
    // Past the last whole column the grid scrolls by one.
    fireTimer(&grid, TBaseGrid::DragScrollInterval);
    EXPECT_EQ(grid.Selection(), (TGridRect{3, 3, 5, 3}));
    EXPECT_EQ(grid.LeftCol(), 2);
    // Over the fixed row it pulls upwards, scrolling to show the row.
    pointAt(&grid, QPoint(100, 10));
    fireTimer(&grid, TBaseGrid::DragScrollInterval);
    EXPECT_EQ(grid.Selection(), (TGridRect{3, 2, 5, 3}));
    EXPECT_EQ(grid.TopRow(), 2);
    pointAt(&grid, QPoint(10, 50));
    fireTimer(&grid, TBaseGrid::DragScrollInterval);
    EXPECT_EQ(grid.Selection(), (TGridRect{3, 2, 4, 3}));
    release(&grid, Qt::LeftButton, QPoint(10, 50));
}

TEST(GridPointer, KeepHorizScrollHoldsTheColumnsOnlyInRowSelection)
{
    const WheelPlatform platform;
    GeneralForm general;
    TCellGrid &grid = *general.grid;
    grid.SetWidth(150);
    grid.Navigation()->setProperty("KeepHorizScroll", true);
    // A press on the column cut off at the right edge brings it into view.
    press(&grid, Qt::LeftButton, QPoint(140, 25));
    release(&grid, Qt::LeftButton, QPoint(140, 25));
    EXPECT_EQ(grid.Col(), 3);
    EXPECT_EQ(grid.LeftCol(), 2);
    grid.SetOptions(grid.Options() | goRowSelect);
    grid.SetLeftCol(1);
    press(&grid, Qt::LeftButton, QPoint(140, 45));
    release(&grid, Qt::LeftButton, QPoint(140, 45));
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(grid.LeftCol(), 1);
}

TEST(GridPointer, SelectZonesShowTheirCursors)
{
    const WheelPlatform platform;
    GeneralForm general;
    TCellGrid &grid = *general.grid;
    move(&grid, QPoint(10, 50));
    EXPECT_EQ(TCellGridProbe(grid).PointerZone(), 0);
    EXPECT_EQ(grid.cursor().shape(), Qt::ArrowCursor);

    grid.MouseActions()->setProperty("RowSelect", true);
    grid.MouseActions()->setProperty("ColSelect", true);
    grid.MouseActions()->setProperty("AllSelect", true);
    const struct
    {
        QPoint point;
        int zone;
        int cursor;
    } zones[] = {{{10, 50}, 2, 8010}, {{60, 10}, 1, 8011}, {{10, 10}, 3, 8012}};
    for (const auto &zone : zones) {
        move(&grid, zone.point);
        EXPECT_EQ(TCellGridProbe(grid).PointerZone(), zone.zone);
        EXPECT_EQ(grid.cursor().pixmap().toImage(), cursorImage(zone.cursor));
    }
    move(&grid, QPoint(60, 50));
    EXPECT_EQ(TCellGridProbe(grid).PointerZone(), 0);
    EXPECT_EQ(grid.cursor().shape(), Qt::ArrowCursor);
}

TEST(GridPointer, EnteringTheGridChecksAndRemembersTheCurrentCell)
{
    const WheelPlatform platform;
    PreviewForm preview;
    preview.focusElsewhere();
    TCellGrid &grid = *preview.grid;
    grid.SetCells(0, 0, QStringLiteral("orientation"));
    int enters = 0;
    int selects = 0;
    grid.OnEnter = [&](QObject *) { ++enters; };
    grid.OnSelectCell = [&](QObject *, std::int32_t, std::int32_t, bool &) { ++selects; };
    QTest::keyClick(preview.other, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), &grid);
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(selects, 1);
    EXPECT_EQ(TCellGridProbe(grid).RememberedCell(), (TGridCoord{0, 0}));
    EXPECT_EQ(TCellGridProbe(grid).RememberedText(), QStringLiteral("orientation"));
}

TEST(GridPointer, HintsAreAnsweredOnlyAfterTheFirstPanning)
{
    const WheelPlatform platform;
    PreviewForm preview;
    preview.focusGrid();
    TCellGrid &grid = *preview.grid;
    const auto askForHint = [&] {
        QHelpEvent help(QEvent::ToolTip, QPoint(30, 30), grid.mapToGlobal(QPoint(30, 30)));
        QApplication::sendEvent(&grid, &help);
    };
    askForHint();
    EXPECT_EQ(TCellGridProbe(grid).HintCell(), (TGridCoord{-1, -1}));
    press(&grid, Qt::MiddleButton, QPoint(30, 30));
    press(&grid, Qt::MiddleButton, QPoint(30, 30));
    ASSERT_TRUE(TCellGridProbe(grid).ShowHint());
    std::vector<QString> asked;
    grid.OnGridHint = [&](QObject *, std::int32_t row, std::int32_t col, QString &text) {
        asked.push_back(QStringLiteral("%1,%2 '%3'").arg(row).arg(col).arg(text));
    };
    askForHint();
    EXPECT_EQ(TCellGridProbe(grid).HintCell(), (TGridCoord{0, 0}));
    // With no hint and every hint switch off, the handler is offered an empty text.
    EXPECT_EQ(asked, std::vector<QString>{QStringLiteral("0,0 ''")});
    // The hint stays while the pointer moves within its cell and goes when it leaves.
    move(&grid, QPoint(40, 40));
    EXPECT_EQ(TCellGridProbe(grid).HintCell(), (TGridCoord{0, 0}));
    move(&grid, QPoint(150, 100));
    EXPECT_EQ(TCellGridProbe(grid).HintCell(), (TGridCoord{-1, -1}));
}

TEST(GridPointer, ConfiguredGridKeepsTheInputSwitchesOff)
{
    const WheelPlatform platform;
    PreviewForm preview;
    const TCellGrid &grid = *preview.grid;
    EXPECT_FALSE(grid.Options().testAnyFlags(goEditing | goTabs | goRowSelect | goRowSizing | goColSizing | goRowMoving
                                             | goColMoving));
    EXPECT_FALSE(grid.Navigation()->AllowClipboardShortCuts() || grid.Navigation()->AllowInsertRow()
                 || grid.Navigation()->AllowDeleteRow() || grid.Navigation()->AlwaysEdit()
                 || grid.Navigation()->AdvanceOnEnter() || grid.Navigation()->AutoGotoWhenSorted());
    EXPECT_FALSE(grid.MouseActions()->RangeSelectAndEdit() || grid.MouseActions()->DirectEdit()
                 || grid.MouseActions()->DisjunctRowSelect() || grid.MouseActions()->RowSelect()
                 || grid.MouseActions()->ColSelect() || grid.MouseActions()->AllSelect());
    for (const char *off : {"URLShow", "Hovering", "HintShowCells", "HintShowLargeText", "EnhRowColMove",
                            "FixedAsButtons", "SelectionResizer"})
        EXPECT_FALSE(grid.property(off).toBool()) << off;
}

TEST(GridKeys, RowSelectTakesTheArrowsAloneSoTabLeavesEvenWithGoTabs)
{
    const WheelPlatform platform;
    GeneralForm general;
    TCellGrid &grid = *general.grid;
    grid.SetOptions(grid.Options() | goTabs | goRowSelect);
    grid.setFocus();
    QTest::keyClick(&grid, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), &grid);
    EXPECT_EQ(grid.Col(), 1);
}

TEST(GridKeys, EscGoesNoFurtherThanCancellingAnEdit)
{
    const WheelPlatform platform;
    GeneralForm general;
    TCellGrid &grid = *general.grid;
    grid.setFocus();
    QString pressed;
    grid.OnKeyPress = [&](QObject *, QChar &key) { pressed += key; };
    QTest::keyClick(&grid, Qt::Key_Escape);
    QTest::keyClick(&grid, Qt::Key_A);
    EXPECT_EQ(pressed, QStringLiteral("a"));
}

TEST(GridPointer, APressOnTheCurrentCellStillPassesTheCellCheck)
{
    const WheelPlatform platform;
    GeneralForm general;
    TCellGrid &grid = *general.grid;
    grid.setFocus();
    std::vector<TGridCoord> checked;
    grid.OnCanEditCell = [&](QObject *, std::int32_t row, std::int32_t col, bool &) { checked.push_back({col, row}); };
    press(&grid, Qt::LeftButton, QPoint(50, 25));
    release(&grid, Qt::LeftButton, QPoint(50, 25));
    EXPECT_EQ(checked, (std::vector<TGridCoord>{{1, 1}}));

    // A press on any cell of a merged span selects all of it.
    for (const int col : {2, 3}) {
        TCellProperties &properties = grid.EnsureCellProperties(col, 2);
        properties.IsBaseCell = col == 2;
        properties.CellSpanX = 1;
        properties.CellSpanY = 0;
    }
    press(&grid, Qt::LeftButton, QPoint(130, 45));
    release(&grid, Qt::LeftButton, QPoint(130, 45));
    EXPECT_EQ(grid.Selection(), (TGridRect{2, 2, 3, 2}));
}

TEST(GridFocus, AOneRowGridPutsItsHiddenSelectionBackWhenItGrows)
{
    const WheelPlatform platform;
    PreviewForm preview;
    TCellGrid &grid = *preview.grid;
    grid.setProperty("FixedRowAlways", QVariant::fromValue(true));
    grid.SetDefaultRowHeight(20);
    preview.focusGrid();
    EXPECT_EQ(grid.Selection(), (TGridRect{1, 1, 1, 1}));
    // Until the selection is back, a press would not reach the base grid.
    grid.SetRowCount(3);
    press(&grid, Qt::LeftButton, QPoint(10, 50));
    release(&grid, Qt::LeftButton, QPoint(10, 50));
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(grid.Selection(), (TGridRect{0, 2, 0, 2}));
}

TEST(GridPointer, ARightPressReportsTheCellUnderItFirstColumnIncluded)
{
    const WheelPlatform platform;
    GeneralForm general;
    std::vector<TGridCoord> clicked;
    general.grid->OnRightClickCell = [&](QObject *, std::int32_t row, std::int32_t col) {
        clicked.push_back({col, row});
    };
    press(general.grid, Qt::RightButton, QPoint(10, 30));
    press(general.grid, Qt::RightButton, QPoint(50, 50));
    EXPECT_EQ(clicked, (std::vector<TGridCoord>{{0, 1}, {1, 2}}));
}
