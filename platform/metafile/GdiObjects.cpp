#include "platform/metafile/GdiObjects.h"

namespace platform::metafile {

QVector<QColor> readPaletteEntries(ByteReader &r, std::uint32_t count)
{
    if (checkedBytes(count, 4) > r.remaining())
        throw DataCutShort("palette entries outside their record");
    QVector<QColor> colors;
    for (std::uint32_t i = 0; i < count; ++i) {
        const int red = r.u8();
        const int green = r.u8();
        const int blue = r.u8();
        r.u8();
        colors.append(QColor(red, green, blue));
    }
    return colors;
}

const QVector<QColor> &defaultPalette()
{
    static const QVector<QColor> colors{
        {0, 0, 0},       {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128},
        {128, 0, 128},   {0, 128, 128},   {192, 192, 192}, {192, 220, 192}, {166, 202, 240},
        {255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},     {0, 255, 0},
        {255, 255, 0},   {0, 0, 255},     {255, 0, 255},   {0, 255, 255},   {255, 255, 255},
    };
    return colors;
}

QColor resolveColor(std::uint32_t ref, const QVector<QColor> &palette)
{
    if ((ref >> 24) != 1)
        return colorFromRef(ref);
    const std::uint32_t index = ref & 0xFFFF;
    return index < std::uint32_t(palette.size()) ? palette[qsizetype(index)] : palette.value(0, Qt::black);
}

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
