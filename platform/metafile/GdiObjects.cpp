#include "platform/metafile/GdiObjects.h"

namespace platform::metafile {

std::optional<GdiBrush> stockBrush(std::uint32_t stock)
{
    auto solid = [](int grey) { return GdiBrush{BrushSolid, QColor(grey, grey, grey), 0, {}}; };
    switch (stock) {
    case 0: return solid(255);
    case 1: return solid(192);
    case 2: return solid(128);
    case 3: return solid(64);
    case 4: return solid(0);
    case 5: return GdiBrush{BrushNull, Qt::black, 0, {}};
    case 18: return solid(255);
    default: return std::nullopt;
    }
}

std::optional<GdiPen> stockPen(std::uint32_t stock)
{
    switch (stock) {
    case 6: return GdiPen{PenSolid, 0, true, Qt::white, {}};
    case 7: return GdiPen{PenSolid, 0, true, Qt::black, {}};
    case 8: return GdiPen{PenNull, 0, true, Qt::black, {}};
    case 19: return GdiPen{PenSolid, 0, true, Qt::black, {}};
    default: return std::nullopt;
    }
}

bool isStockFont(std::uint32_t stock)
{
    return (stock >= 10 && stock <= 14) || stock == 16 || stock == 17;
}

} // namespace platform::metafile
