#pragma once

#include <array>
#include <cstdint>

// Which of the grid's stored columns are hidden from view, and how a
// displayed column maps to the stored one. Every column shows at first.
class THiddenColumns
{
public:
    static constexpr int MaxColumns = 513;

    THiddenColumns() { FVisible.fill(true); }

    // Columns outside the tracked range always show.
    bool Visible(int col) const { return col < 0 || col >= MaxColumns || FVisible[std::size_t(col)]; }
    int Count() const { return FCount; }
    // The stored column shown at a displayed column.
    std::int32_t RealColIndex(std::int32_t displayCol) const;

private:
    std::array<bool, MaxColumns> FVisible{};
    int FCount = 0;
};
