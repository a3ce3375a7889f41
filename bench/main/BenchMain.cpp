#include "platform/FormFonts.h"

#include <QApplication>
#include <benchmark/benchmark.h>

// Shared entry point of the benchmark programs: an offscreen application with
// the program's style and fonts, so that painting costs what it costs on screen.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    platform::registerFormFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
