#include "platform/pictures/PictureLoader.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <algorithm>
#include <cstdint>

namespace {

constexpr int kView = 512;
constexpr qint64 kHeaderBytes = 54;

qint64 stride(int side)
{
    return (qint64(side) * 3 + 3) / 4 * 4;
}

void putLe32(QByteArray &data, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        data.append(char((value >> (8 * i)) & 0xFF));
}

// A 24-bit bitmap of side x side pixels as a sparse file: its headers and
// the rows the view shows are written, the rest is a hole.
QString sparseBitmap(const QTemporaryDir &dir, int side, bool topDown)
{
    const QString path = dir.filePath(QStringLiteral("%1-%2.bmp").arg(side).arg(topDown ? "top" : "bottom"));
    if (QFile::exists(path))
        return path;
    const qint64 pixels = stride(side) * side;
    QByteArray head("BM");
    putLe32(head, std::uint32_t(std::min<qint64>(kHeaderBytes + pixels, 0xFFFFFFFF)));
    putLe32(head, 0);
    putLe32(head, std::uint32_t(kHeaderBytes));
    for (const std::uint32_t value :
         {40u, std::uint32_t(side), std::uint32_t(topDown ? -side : side), 0x00180001u, 0u, 0u, 2835u, 2835u, 0u, 0u})
        putLe32(head, value);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(head) != kHeaderBytes || !file.resize(kHeaderBytes + pixels))
        return {};
    const QByteArray row(int(std::min<qint64>(stride(side), kView * 3)), char(0x5A));
    for (int y = 0; y < std::min(side, kView); ++y) {
        file.seek(kHeaderBytes + (topDown ? y : side - 1 - y) * stride(side));
        file.write(row);
    }
    return path;
}

const QTemporaryDir &benchDir()
{
    static const QTemporaryDir dir;
    return dir;
}

void setPeakMemory(benchmark::State &state)
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MiB"] = double(usage.ru_maxrss) / 1024;
}

// Args: side, top-down (1) or bottom-up (0).
void BM_OpenBitmap(benchmark::State &state)
{
    const QString path = sparseBitmap(benchDir(), int(state.range(0)), state.range(1) != 0);
    for (auto _ : state) {
        const auto picture = platform::loadPicture(path, QSize(kView, kView));
        if (!picture) {
            state.SkipWithError("the bitmap did not open");
            return;
        }
        benchmark::DoNotOptimize(picture->shown.constBits());
    }
    setPeakMemory(state);
}

// The floor: open the file, seek to each shown row and read its shown bytes.
void BM_ReadShownRowsFloor(benchmark::State &state)
{
    const int side = int(state.range(0));
    const bool topDown = state.range(1) != 0;
    const QString path = sparseBitmap(benchDir(), side, topDown);
    const qint64 shownBytes = std::min(side, kView) * 3;
    QByteArray row(int(shownBytes), '\0');
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
            state.SkipWithError("the bitmap did not open");
            return;
        }
        for (int y = 0; y < std::min(side, kView); ++y) {
            file.seek(kHeaderBytes + (topDown ? y : side - 1 - y) * stride(side));
            benchmark::DoNotOptimize(file.read(row.data(), shownBytes));
        }
    }
    setPeakMemory(state);
}

void bitmapSizes(benchmark::internal::Benchmark *bench)
{
    for (const int side : {512, 8192, 30000})
        for (const int topDown : {0, 1})
            bench->Args({side, topDown});
    bench->Unit(benchmark::kMicrosecond);
}

BENCHMARK(BM_ReadShownRowsFloor)->Apply(bitmapSizes);
BENCHMARK(BM_OpenBitmap)->Apply(bitmapSizes);

} // namespace
