#include "GridInputSupport.h"
#include "PreviewGrid.h"
#include "TestSupport.h"

#include "grid/PanMarker.h"
#include "platform/ProgramResources.h"

#include "CellGridProbe.h"
#include <QApplication>
#include <QGuiApplication>
#include <QTest>

#include <gtest/gtest.h>

using namespace testsupport;

TEST(GridPan, MarkerPictureTurnsTheBackgroundWhite)
{
    const QImage bitmap = platform::resourceBitmap(QStringLiteral("INTLI3"));
    ASSERT_EQ(bitmap.size(), QSize(26, 26));
    const QImage picture = TPanMarker::PictureOf(bitmap);
    EXPECT_EQ(picture.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(bitmap.pixel(0, 0), qRgb(255, 0, 0));
    int white = 0;
    int unchanged = 0;
    for (int y = 0; y < 26; ++y) {
        for (int x = 0; x < 26; ++x) {
            if (bitmap.pixel(x, y) == qRgb(255, 0, 0))
                white += picture.pixel(x, y) == qRgb(255, 255, 255);
            else
                unchanged += picture.pixel(x, y) == bitmap.pixel(x, y);
        }
    }
    EXPECT_GT(white, 0);
    EXPECT_EQ(white + unchanged, 26 * 26);
}

TEST(GridPan, MiddlePressShowsMarkerAndCursorsAndMovesNothing)
{
    const WheelPlatform platform;
    PreviewForm preview;
    preview.focusElsewhere();
    TCellGrid &grid = *preview.grid;
    const QPoint origin(20, 30);
    const QRect markerArea(origin, QSize(26, 26));
    const QImage before = grab(grid).copy(markerArea);
    press(&grid, Qt::MiddleButton, origin);
    ASSERT_TRUE(grid.Panning());
    EXPECT_EQ(TCellGridProbe(grid).PanOrigin(), origin);
    EXPECT_EQ(grid.Timers().interval(999), 10);
    EXPECT_EQ(QWidget::mouseGrabber(), &grid);
    EXPECT_EQ(QApplication::focusWidget(), &grid);
    EXPECT_EQ(overrideCursorImage(), cursorImage(8000));

    const QImage marker = TPanMarker::PictureOf(platform::resourceBitmap(QStringLiteral("INTLI3")));
    EXPECT_EQ(grab(grid).copy(QRect(origin, marker.size())).convertToFormat(QImage::Format_RGB32), marker);

    // Vertical panning: the dead zone is 5 pixels with its bounds; sideways
    // offsets alone count for nothing.
    const struct
    {
        QPoint offset;
        int cursor;
    } steps[] = {{{0, -5}, 8000}, {{0, -6}, 8004}, {{0, 6}, 8001}, {{0, 5}, 8000}, {{30, 0}, 8000}, {{-30, 20}, 8001}};
    for (const auto &step : steps) {
        pointAt(&grid, origin + step.offset);
        timerTick(&grid);
        EXPECT_EQ(overrideCursorImage(), cursorImage(step.cursor)) << step.offset.x() << "," << step.offset.y();
        EXPECT_EQ(grid.Row(), 0);
        EXPECT_EQ(grid.Col(), 0);
    }
    EXPECT_FALSE(TCellGridProbe(grid).ShowHint());

    press(&grid, Qt::MiddleButton, origin);
    EXPECT_FALSE(grid.Panning());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_TRUE(TCellGridProbe(grid).ShowHint());
    // The marker is gone: the cell is back under it.
    EXPECT_FALSE(grid.Timers().isActive(999));
    EXPECT_EQ(grab(grid).copy(markerArea), before);
}

TEST(GridPan, LeftPressWhilePanningEndsItAndIsAPressToo)
{
    const WheelPlatform platform;
    PreviewForm preview;
    preview.focusGrid();
    TCellGrid &grid = *preview.grid;
    press(&grid, Qt::MiddleButton, QPoint(30, 30));
    release(&grid, Qt::MiddleButton, QPoint(30, 30));
    ASSERT_TRUE(grid.Panning());
    preview.other->setFocus();

    int presses = 0;
    grid.OnMouseDown = [&](QObject *, Qt::MouseButton button, TShiftState, int, int) {
        presses += button == Qt::LeftButton;
    };
    press(&grid, Qt::LeftButton, QPoint(30, 30));
    EXPECT_FALSE(grid.Panning());
    EXPECT_EQ(presses, 1);
    EXPECT_EQ(QApplication::focusWidget(), &grid);
    EXPECT_EQ(grid.GridState(), gsSelecting);
    EXPECT_TRUE(grid.Timers().isActive(TBaseGrid::DragScrollTimerId));
    // A one-row grid ends selecting at the first motion.
    move(&grid, QPoint(31, 31), Qt::LeftButton);
    EXPECT_EQ(grid.GridState(), gsNormal);
    EXPECT_FALSE(grid.Timers().isActive(TBaseGrid::DragScrollTimerId));
    release(&grid, Qt::LeftButton, QPoint(31, 31));
    EXPECT_EQ(grid.Row(), 0);
    EXPECT_EQ(grid.Col(), 0);
}

TEST(GridPan, KeyOrQuickSecondMiddlePressEndsPanning)
{
    const WheelPlatform platform;
    PreviewForm preview;
    preview.focusGrid();
    TCellGrid &grid = *preview.grid;
    press(&grid, Qt::MiddleButton, QPoint(10, 10));
    ASSERT_TRUE(grid.Panning());
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_FALSE(grid.Panning());

    press(&grid, Qt::MiddleButton, QPoint(10, 10));
    release(&grid, Qt::MiddleButton, QPoint(10, 10));
    ASSERT_TRUE(grid.Panning());
    doubleClick(&grid, Qt::MiddleButton, QPoint(10, 10));
    EXPECT_FALSE(grid.Panning());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(GridPan, NoPanningWithoutWheelMessageOrWithIntelliPanNone)
{
    {
        const WheelPlatform platform(true);
        PreviewForm preview;
        press(preview.grid, Qt::MiddleButton, QPoint(10, 10));
        EXPECT_FALSE(preview.grid->Panning());
    }
    const WheelPlatform platform;
    PreviewForm preview;
    preview.grid->setProperty("IntelliPan", QVariant::fromValue(ipNone));
    press(preview.grid, Qt::MiddleButton, QPoint(10, 10));
    EXPECT_FALSE(preview.grid->Panning());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(GridPan, OriginLeftOfOrAboveTheWindowKeepsItsSign)
{
    const WheelPlatform platform;
    PreviewForm preview;
    preview.focusGrid();
    TCellGrid &grid = *preview.grid;
    // A press outside the window reaches the grid while it holds the pointer.
    press(&grid, Qt::MiddleButton, QPoint(-20, -20));
    ASSERT_TRUE(grid.Panning());
    EXPECT_EQ(TCellGridProbe(grid).PanOrigin(), QPoint(-20, -20));
    pointAt(&grid, QPoint(-18, -18));
    timerTick(&grid);
    EXPECT_EQ(overrideCursorImage(), cursorImage(8000));
    press(&grid, Qt::RightButton, QPoint(-18, -18));
    EXPECT_FALSE(grid.Panning());
}

TEST(GridPan, PanningMovesOneCellPerTickAndStopsAtTheNormalCells)
{
    const WheelPlatform platform;
    GeneralForm general;
    TCellGrid &grid = *general.grid;
    grid.setProperty("IntelliPan", QVariant::fromValue(ipBoth));
    const QPoint origin(100, 50);
    press(&grid, Qt::MiddleButton, origin);
    ASSERT_TRUE(grid.Panning());
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.Row(), 1);

    pointAt(&grid, origin + QPoint(80, 40));
    timerTick(&grid);
    EXPECT_EQ(overrideCursorImage(), cursorImage(8007));
    EXPECT_EQ(grid.Col(), 2);
    EXPECT_EQ(grid.Row(), 2);
    for (int tick = 0; tick < 5; ++tick)
        timerTick(&grid);
    EXPECT_EQ(grid.Col(), 4);
    EXPECT_EQ(grid.Row(), 4);

    pointAt(&grid, origin + QPoint(-80, 0));
    timerTick(&grid);
    EXPECT_EQ(overrideCursorImage(), cursorImage(8002));
    EXPECT_EQ(grid.Col(), 3);
    EXPECT_EQ(grid.Row(), 4);

    pointAt(&grid, origin + QPoint(-80, -40));
    for (int tick = 0; tick < 6; ++tick)
        timerTick(&grid);
    EXPECT_EQ(overrideCursorImage(), cursorImage(8006));
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.Row(), 1);
    // The other two diagonals.
    pointAt(&grid, origin + QPoint(80, -40));
    timerTick(&grid);
    EXPECT_EQ(overrideCursorImage(), cursorImage(8005));
    pointAt(&grid, origin + QPoint(-80, 40));
    timerTick(&grid);
    EXPECT_EQ(overrideCursorImage(), cursorImage(8008));
    QTest::keyClick(&grid, Qt::Key_Escape);
    EXPECT_FALSE(grid.Panning());
}

TEST(GridPan, EachPanDirectionHasItsMarker)
{
    const WheelPlatform platform;
    PreviewForm preview;
    preview.focusGrid();
    TCellGrid &grid = *preview.grid;
    const QPoint origin(10, 10);
    const std::pair<TIntelliPan, const char *> markers[] = {
        {ipVertical, "INTLI3"}, {ipHorizontal, "INTLI2"}, {ipBoth, "INTLI1"}};
    for (const auto &[pan, name] : markers) {
        SCOPED_TRACE(name);
        grid.setProperty("IntelliPan", QVariant::fromValue(pan));
        press(&grid, Qt::MiddleButton, origin);
        release(&grid, Qt::MiddleButton, origin);
        const QImage marker = TPanMarker::PictureOf(platform::resourceBitmap(QString::fromLatin1(name)));
        EXPECT_EQ(grab(grid).copy(QRect(origin, marker.size())).convertToFormat(QImage::Format_RGB32), marker);
        QTest::keyClick(&grid, Qt::Key_Down);
        ASSERT_FALSE(grid.Panning());
    }
}
