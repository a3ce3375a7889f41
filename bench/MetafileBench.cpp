#include "platform/metafile/MetafilePlayer.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

constexpr int kRecords = 100'000;
constexpr int kSide = 1000;
constexpr int kExcludedCells = 13'362;

class Bytes
{
public:
    Bytes &u16(int v)
    {
        m_data.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
        return *this;
    }
    Bytes &u32(std::uint32_t v) { return u16(int(v & 0xFFFF)).u16(int(v >> 16)); }
    Bytes &i32(std::int32_t v) { return u32(std::uint32_t(v)); }
    Bytes &raw(const QByteArray &bytes)
    {
        m_data.append(bytes);
        return *this;
    }
    const QByteArray &data() const { return m_data; }

private:
    QByteArray m_data;
};

// A placeable Windows metafile whose records are the given body.
QByteArray placeableWmf(const QByteArray &records)
{
    Bytes plain;
    plain.u16(1).u16(9).u16(0x0300).u32(std::uint32_t((18 + records.size()) / 2)).u16(2).u32(13).u16(0);
    Bytes placeable;
    placeable.u32(0x9AC6CDD7).u16(0).u16(0).u16(0).u16(kSide).u16(kSide).u16(96).u32(0);
    int checksum = 0;
    for (int i = 0; i < 20; i += 2)
        checksum ^= quint8(placeable.data()[i]) | (quint8(placeable.data()[i + 1]) << 8);
    placeable.u16(checksum);
    return placeable.data() + plain.data() + records;
}

// Ten records per round: a brush made, selected and deleted, and seven
// drawing records spread over the picture.
QByteArray enhancedMetafile()
{
    Bytes body;
    int count = 0;
    const auto rec = [&](std::uint32_t type, std::initializer_list<std::int32_t> values) {
        body.u32(type).u32(std::uint32_t(8 + 4 * values.size()));
        for (std::int32_t v : values)
            body.i32(v);
        ++count;
    };
    for (int i = 0; count < kRecords - 1; ++i) {
        const int x = (i * 37) % (kSide - 60);
        const int y = (i * 53) % (kSide - 60);
        rec(39, {1, 0, std::int32_t((i * 2654435761u) & 0xFFFFFF), 0});
        rec(37, {1});
        rec(43, {x, y, x + 40, y + 30});
        rec(42, {y, x, y + 50, x + 20});
        rec(27, {x, y});
        rec(54, {x + 60, y + 10});
        rec(4, {0, 0, 0, 0, 4, x, y, x + 10, y + 40, x + 30, y + 5, x + 50, y + 50});
        rec(3, {0, 0, 0, 0, 3, x, y + 20, x + 30, y, x + 50, y + 40});
        rec(37, {std::int32_t(0x80000000)});
        rec(40, {1});
    }
    body.u32(14).u32(20).u32(0).u32(16).u32(20);
    const std::int32_t frame = std::int32_t(kSide * 2540 / 96);
    Bytes header;
    header.u32(1)
        .u32(108)
        .i32(0)
        .i32(0)
        .i32(kSide - 1)
        .i32(kSide - 1)
        .i32(0)
        .i32(0)
        .i32(frame)
        .i32(frame)
        .u32(0x464D4520)
        .u32(0x10000)
        .u32(std::uint32_t(108 + body.data().size()))
        .u32(std::uint32_t(count + 2))
        .u16(4)
        .u16(0)
        .u32(0)
        .u32(0)
        .u32(0)
        .i32(960)
        .i32(960)
        .i32(254)
        .i32(254)
        .u32(0)
        .u32(0)
        .u32(0)
        .i32(254000)
        .i32(254000);
    return header.data() + body.data();
}

QByteArray windowsMetafile()
{
    Bytes body;
    int count = 0;
    const auto rec = [&](int function, std::initializer_list<int> words) {
        body.u32(std::uint32_t(3 + words.size())).u16(function);
        for (int w : words)
            body.u16(w);
        ++count;
    };
    for (int i = 0; count < kRecords - 1; ++i) {
        const int x = (i * 37) % (kSide - 60);
        const int y = (i * 53) % (kSide - 60);
        const std::uint32_t color = (i * 2654435761u) & 0xFFFFFF;
        rec(0x02FC, {0, int(color & 0xFFFF), int(color >> 16), 0});
        rec(0x012D, {1});
        rec(0x041B, {y + 30, x + 40, y, x});
        rec(0x0418, {y + 50, x + 20, y, x});
        rec(0x0214, {y, x});
        rec(0x0213, {y + 10, x + 60});
        rec(0x0325, {4, x, y, x + 10, y + 40, x + 30, y + 5, x + 50, y + 50});
        rec(0x0324, {3, x, y + 20, x + 30, y, x + 50, y + 40});
        rec(0x012D, {0});
        rec(0x01F0, {1});
    }
    body.u32(3).u16(0);
    // Object 0: a pen, so that selecting it between rounds is valid.
    Bytes pen;
    pen.u32(8).u16(0x02FA).u16(0).u16(1).u16(0).u32(0);
    return placeableWmf(pen.data() + body.data());
}

// A chart's grid of cells, each cut out of the clip before the next is
// filled: the clip ends with thousands of holes.
QByteArray excludedCells()
{
    Bytes body;
    const auto rec = [&](int function, std::initializer_list<int> words) {
        body.u32(std::uint32_t(3 + words.size())).u16(function);
        for (int w : words)
            body.u16(w);
    };
    rec(0x02FC, {0, 0x00FF, 0, 0});
    rec(0x012D, {0});
    for (int i = 0; i < kExcludedCells; ++i) {
        const int x = (i * 37) % (kSide - 10);
        const int y = (i * 53) % (kSide - 10);
        rec(0x0415, {y + 8, x + 8, y, x});
        if (i % 100 == 0)
            rec(0x041B, {y + 40, x + 40, y, x});
    }
    body.u32(3).u16(0);
    return placeableWmf(body.data());
}

void playOrFail(benchmark::State &state, const QByteArray &data, platform::MetafileFormat format,
                int records = kRecords)
{
    for (auto _ : state) {
        const auto picture = platform::playMetafile(data, format, QSize(512, 512));
        if (!picture) {
            state.SkipWithError("the metafile did not play");
            return;
        }
        benchmark::DoNotOptimize(picture->shown.constBits());
    }
    state.SetItemsProcessed(state.iterations() * records);
}

void BM_PlayEnhancedMetafile100kRecords(benchmark::State &state)
{
    playOrFail(state, enhancedMetafile(), platform::MetafileFormat::Enhanced);
}
BENCHMARK(BM_PlayEnhancedMetafile100kRecords)->Unit(benchmark::kMillisecond);

void BM_PlayWindowsMetafile100kRecords(benchmark::State &state)
{
    playOrFail(state, windowsMetafile(), platform::MetafileFormat::Windows);
}
BENCHMARK(BM_PlayWindowsMetafile100kRecords)->Unit(benchmark::kMillisecond);

void BM_PlayWindowsMetafileExcluding13kClipRects(benchmark::State &state)
{
    playOrFail(state, excludedCells(), platform::MetafileFormat::Windows, kExcludedCells);
}
BENCHMARK(BM_PlayWindowsMetafileExcluding13kClipRects)->Unit(benchmark::kMillisecond);

} // namespace
