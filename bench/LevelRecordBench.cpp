#include "app/Main.h"
#include "grid/GridUnits.h"
#include "platform/SystemServices.h"
#include "platform/controls/TMemo.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A click's record, timed on a text area that already holds about as many
// lines as the argument, beside a bare text edit that appends the same
// lines: the floor that the window's own work stands on. Each run clicks a
// fixed number of times so that the text grows by the same amount at every
// size.
constexpr int kClicks = 300;
constexpr int kLinesPerRecord = 2;

// Everything a main window needs in the benchmark: the grid's units, and a
// state folder of its own so that unsaved records stay out of the user's.
void prepareMainWindows()
{
    static const QTemporaryDir stateFolder;
    static const std::unique_ptr<TGridUnits> units = [] {
        qputenv("XDG_STATE_HOME", stateFolder.path().toLocal8Bit());
        return std::make_unique<TGridUnits>(platform::defaultSystemServices());
    }();
}

void BM_RecordClick(benchmark::State &state)
{
    prepareMainWindows();
    TForm1 form;
    form.show();
    for (int i = 0; i < state.range(0) / kLinesPerRecord; ++i)
        form.Image1Click(nullptr);
    QApplication::processEvents();
    for (auto _ : state)
        form.Image1Click(nullptr);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RecordClick)->Arg(1000)->Arg(10000)->Arg(100000)->Iterations(kClicks)->Unit(benchmark::kMicrosecond);

void BM_BareTextEditAppend(benchmark::State &state)
{
    QPlainTextEdit edit;
    edit.resize(289, 353);
    edit.show();
    for (int i = 0; i < state.range(0) / kLinesPerRecord; ++i)
        edit.appendPlainText(QStringLiteral("pos=0,2,0\nrot=0,0.0000,0"));
    QApplication::processEvents();
    for (auto _ : state)
        edit.appendPlainText(QStringLiteral("pos=0,2,0\nrot=0,0.0000,0"));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BareTextEditAppend)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Iterations(kClicks)
    ->Unit(benchmark::kMicrosecond);

} // namespace
