#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

#include <array>
#include <cstdint>
#include <functional>

// Small picture files built byte by byte, good and broken, for the loaders.
namespace picturefiles {

void setLe32(QByteArray &data, int at, std::uint32_t value);

enum class DibHeaderKind { Core, Os2Short, Os2, Info, V2, V3, V4, V5 };

struct DibFields
{
    DibHeaderKind header = DibHeaderKind::Info;
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitCount = 24;
    std::uint32_t compression = 0;
    std::uint32_t imageSize = 0;
    QList<QRgb> colors;                   // the colour table, as stored
    std::array<std::uint32_t, 4> masks{}; // red, green, blue, alpha
};

// The info block: header, masks after an info header, colour table.
QByteArray dibInfo(const DibFields &fields);

// A bitmap file of the info block and `pixels` as stored.
QByteArray bitmapFile(const DibFields &fields, const QByteArray &pixels);

// Uncompressed rows in file order of the values at (x, y) from the top: a
// colour index at indexed depths, else the stored pixel (24 bits: 0xRRGGBB).
QByteArray storedRows(const DibFields &fields, const std::function<std::uint32_t(int x, int y)> &value);

// A 1-bit bitmap file of the given size, all pixels colour 0 (black).
QByteArray bitmap1(int width, int height);

// An icon file with one entry of these bytes.
QByteArray iconWith(const QByteArray &entry, int declaredSize = 32);

// An icon file with one 32-bit bitmap entry of the image's pixels.
QByteArray iconWithBitmap(const QImage &image);

// The image as PNG bytes.
QByteArray png(const QImage &image);

} // namespace picturefiles
