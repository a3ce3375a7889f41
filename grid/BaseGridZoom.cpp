#include "grid/BaseGrid.h"

#include <cstdint>

void TBaseGrid::AddToCellSizes(int amount)
{
    // A column or row too small to take the change keeps its size.
    auto grow = [amount](std::vector<int> &sizes, std::int32_t count, int defaultSize) {
        if (sizes.empty())
            sizes.assign(std::size_t(count), defaultSize);
        for (int &size : sizes) {
            const std::int64_t changed = std::int64_t(size) + amount;
            if (changed > 0 && changed <= INT32_MAX)
                size = int(changed);
        }
    };
    grow(FColWidths, FColCount, FDefaultColWidth);
    grow(FRowHeights, FRowCount, FDefaultRowHeight);
    UpdateScrollBars();
    update();
}
