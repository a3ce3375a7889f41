#include "grid/HiddenColumns.h"

std::int32_t THiddenColumns::RealColIndex(std::int32_t displayCol) const
{
    if (FCount == 0)
        return displayCol;
    std::int32_t shown = -1;
    for (std::int32_t col = 0; col < MaxColumns; ++col) {
        if (FVisible[std::size_t(col)] && ++shown == displayCol)
            return col;
    }
    return displayCol + FCount;
}
