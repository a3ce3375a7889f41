#include "grid/CellGrid.h"
#include "grid/PreviewGridSettings.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <memory>

namespace {

std::size_t heapInUse()
{
    return mallinfo2().uordblks;
}

// A grid of a million rows by a thousand columns with a thousand written
// cells: the store may cost only what the written cells hold.
void BM_LargeGridWithFewWrittenCells(benchmark::State &state)
{
    std::size_t gridBytes = 0;
    std::size_t cellBytes = 0;
    for (auto _ : state) {
        const std::size_t before = heapInUse();
        auto grid = std::make_unique<TCellGrid>();
        grid->SetColCount(1000);
        grid->SetRowCount(1000000);
        const std::size_t shaped = heapInUse();
        for (std::int32_t i = 0; i < 1000; ++i)
            grid->WriteCellText(i, i * 997, QStringLiteral("cell %1").arg(i));
        const std::size_t written = heapInUse();
        gridBytes = shaped - before;
        cellBytes = written - shaped;
        benchmark::DoNotOptimize(grid->StoredCellCount());
        grid.reset();
    }
    state.counters["grid_bytes"] = double(gridBytes);
    state.counters["bytes_per_written_cell"] = double(cellBytes) / 1000.0;
}
BENCHMARK(BM_LargeGridWithFewWrittenCells)->Unit(benchmark::kMillisecond);

// Reading every written cell back and one empty cell per written one.
void BM_ReadCellsOfLargeGrid(benchmark::State &state)
{
    TCellGrid grid;
    grid.SetColCount(1000);
    grid.SetRowCount(1000000);
    for (std::int32_t i = 0; i < 1000; ++i)
        grid.WriteCellText(i, i * 997, QStringLiteral("cell %1").arg(i));
    for (auto _ : state) {
        for (std::int32_t i = 0; i < 1000; ++i) {
            benchmark::DoNotOptimize(grid.ReadCellText(i, i * 997));
            benchmark::DoNotOptimize(grid.ReadCellText(i, i * 997 + 1));
        }
    }
    state.SetItemsProcessed(state.iterations() * 2000);
}
BENCHMARK(BM_ReadCellsOfLargeGrid)->Unit(benchmark::kMicrosecond);

// The main window's angle changes: ten thousand rotations of the one
// preview cell, each releasing the old graphic and attaching a fresh one.
void BM_TenThousandRotationsOfOneCell(benchmark::State &state)
{
    QWidget form;
    TCellGrid grid(&form);
    applyPreviewGridSettings(grid);
    form.show();
    const QString text = QStringLiteral("orientation");
    for (auto _ : state) {
        for (int i = 0; i < 10000; ++i)
            grid.SetRotatedCell(0, 0, std::int16_t(i % 360), text);
        QApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_TenThousandRotationsOfOneCell)->Unit(benchmark::kMillisecond);

} // namespace
