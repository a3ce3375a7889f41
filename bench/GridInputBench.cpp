#include "grid/CellGrid.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QTimerEvent>
#include <QWheelEvent>
#include <benchmark/benchmark.h>

namespace {

void turnWheel(QWidget &widget, int delta, Qt::KeyboardModifiers modifiers)
{
    QWheelEvent event(QPointF(10, 10), QPointF(widget.mapToGlobal(QPoint(10, 10))), QPoint(), QPoint(0, delta),
                      Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&widget, &event);
}

// Ctrl+wheel in a grid of a thousand columns and a hundred thousand rows:
// every column and row changes size, once in and once out per iteration.
void BM_ZoomLargeGrid(benchmark::State &state)
{
    TCellGrid grid;
    grid.SetColCount(1000);
    grid.SetRowCount(100000);
    for (auto _ : state) {
        turnWheel(grid, -120, Qt::ControlModifier);
        turnWheel(grid, 120, Qt::ControlModifier);
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_ZoomLargeGrid)->Unit(benchmark::kMillisecond);

// Plain wheel notches walking the current row of a million-row grid.
void BM_WheelThroughMillionRows(benchmark::State &state)
{
    TCellGrid grid;
    grid.SetRowCount(1000000);
    grid.resize(400, 300);
    for (auto _ : state) {
        turnWheel(grid, -120, Qt::NoModifier);
        if (grid.Row() >= grid.RowCount() - 1)
            grid.SetRow(1);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_WheelThroughMillionRows)->Unit(benchmark::kMicrosecond);

// Pan ticks in a shown grid with the pointer below the origin: one cursor
// change, one row and the marker per tick.
void BM_PanTick(benchmark::State &state)
{
    QWidget form;
    form.resize(500, 400);
    auto *grid = new TCellGrid(&form);
    grid->SetRowCount(1000000);
    grid->resize(400, 300);
    form.show();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(100, 100), QPointF(grid->mapToGlobal(QPoint(100, 100))),
                      Qt::MiddleButton, Qt::MiddleButton, Qt::NoModifier);
    QApplication::sendEvent(grid, &press);
    QCursor::setPos(grid->mapToGlobal(QPoint(100, 200)));
    for (auto _ : state) {
        QTimerEvent tick(0x7ffffff0);
        QApplication::sendEvent(grid, &tick);
        if (grid->Row() >= grid->RowCount() - 1)
            grid->SetRow(1);
    }
    state.SetItemsProcessed(state.iterations());
    QMouseEvent end(QEvent::MouseButtonPress, QPointF(100, 100), QPointF(grid->mapToGlobal(QPoint(100, 100))),
                    Qt::MiddleButton, Qt::MiddleButton, Qt::NoModifier);
    QApplication::sendEvent(grid, &end);
}
BENCHMARK(BM_PanTick)->Unit(benchmark::kMicrosecond);

} // namespace
