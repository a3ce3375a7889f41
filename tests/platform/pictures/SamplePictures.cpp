#include "SamplePictures.h"

#include "PictureFiles.h"

namespace picturefiles {

namespace {

QImage imageOf(int width, int height, const std::function<QRgb(int x, int y)> &color)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, color(x, y));
    return image;
}

QRgb gradient(int x, int y)
{
    return qRgb(x * 30, y * 40, 200 - x * y);
}

const char *headerName(DibHeaderKind kind)
{
    switch (kind) {
    case DibHeaderKind::Core: return "core";
    case DibHeaderKind::Os2Short: return "os2-16";
    case DibHeaderKind::Os2: return "os2-64";
    case DibHeaderKind::Info: return "info";
    case DibHeaderKind::V2: return "v2";
    case DibHeaderKind::V3: return "v3";
    case DibHeaderKind::V4: return "v4";
    case DibHeaderKind::V5: return "v5";
    }
    return "";
}

void addHeaderSamples(std::vector<SamplePicture> &samples)
{
    QList<QRgb> table;
    for (int i = 0; i < 256; ++i)
        table.append(qRgb(i, 255 - i, i * 7 % 256));
    for (const DibHeaderKind kind :
         {DibHeaderKind::Core, DibHeaderKind::Os2Short, DibHeaderKind::Os2, DibHeaderKind::Info, DibHeaderKind::V2,
          DibHeaderKind::V3, DibHeaderKind::V4, DibHeaderKind::V5}) {
        const QString name = QString::fromLatin1(headerName(kind));
        for (const bool topDown : {false, true}) {
            if (topDown && kind == DibHeaderKind::Core)
                continue;
            DibFields fields;
            fields.header = kind;
            fields.width = 7;
            fields.height = 5;
            fields.topDown = topDown;
            const QImage expected = imageOf(7, 5, gradient);
            const auto pixel = [&](int x, int y) { return expected.pixel(x, y) & 0xFFFFFFu; };
            samples.push_back({name + (topDown ? QStringLiteral("-top-down.bmp") : QStringLiteral("-bottom-up.bmp")),
                               bitmapFile(fields, storedRows(fields, pixel)), expected});
        }
        DibFields fields;
        fields.header = kind;
        fields.width = 5;
        fields.height = 3;
        fields.bitCount = 8;
        fields.colors = table;
        const auto index = [](int x, int y) { return std::uint32_t(x * 3 + y * 50); };
        samples.push_back({name + QStringLiteral("-8bit.bmp"), bitmapFile(fields, storedRows(fields, index)),
                           imageOf(5, 3, [&](int x, int y) { return table[int(index(x, y))]; })});
    }
}

void addDepthSamples(std::vector<SamplePicture> &samples)
{
    const QList<QRgb> four = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)};
    for (const int bitCount : {1, 2, 4}) {
        DibFields fields;
        fields.width = 13;
        fields.height = 3;
        fields.bitCount = bitCount;
        // A table shorter than the depth indexes: the other indexes show black.
        fields.colors = four.mid(0, bitCount == 1 ? 2 : 3);
        const std::uint32_t indexes = 1u << bitCount;
        const auto index = [&](int x, int y) { return std::uint32_t(x + y) % indexes; };
        samples.push_back({QStringLiteral("depth-%1.bmp").arg(bitCount), bitmapFile(fields, storedRows(fields, index)),
                           imageOf(13, 3, [&](int x, int y) {
                               const int i = int(index(x, y));
                               return i < fields.colors.size() ? fields.colors[i] : qRgb(0, 0, 0);
                           })});
    }

    // An OS/2 1.x table has no stated length: here the pixels follow four colours.
    DibFields core;
    core.header = DibHeaderKind::Core;
    core.width = 6;
    core.height = 2;
    core.bitCount = 8;
    core.colors = four;
    const auto sum = [](int x, int y) { return std::uint32_t(x + y); };
    samples.push_back({QStringLiteral("core-short-table.bmp"), bitmapFile(core, storedRows(core, sum)),
                       imageOf(6, 2, [&](int x, int y) { return x + y < 4 ? four[x + y] : qRgb(0, 0, 0); })});

    // Pure colours: each channel all on or all off, whatever its mask's width.
    const auto pure = [](int x, int y) { return (x + 2 * y) % 8; };
    const auto pureColor = [&](int x, int y) {
        const int c = pure(x, y);
        return qRgb(c & 4 ? 255 : 0, c & 2 ? 255 : 0, c & 1 ? 255 : 0);
    };
    struct Packed
    {
        const char *name;
        DibHeaderKind header;
        int bitCount;
        std::uint32_t compression;
        std::array<std::uint32_t, 4> masks;
    };
    const Packed packed[] = {
        {"rgb16-555", DibHeaderKind::Info, 16, 0, {0x7C00, 0x03E0, 0x001F, 0x8000}},
        {"rgb32", DibHeaderKind::Info, 32, 0, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}},
        {"bitfields16-565", DibHeaderKind::Info, 16, 3, {0xF800, 0x07E0, 0x001F, 0}},
        {"bitfields16-4444-v3", DibHeaderKind::V3, 16, 3, {0x0F00, 0x00F0, 0x000F, 0xF000}},
        {"bitfields32-101010-v4", DibHeaderKind::V4, 32, 3, {0x3FF00000, 0x000FFC00, 0x000003FF, 0}},
        {"alphabitfields32-1bit", DibHeaderKind::Info, 32, 6, {0x4, 0x2, 0x1, 0xFF000000}},
        {"bitfields32-wide", DibHeaderKind::V5, 32, 3, {0xFFFFFFF0, 0x8, 0x4, 0}},
    };
    for (const Packed &p : packed) {
        DibFields fields;
        fields.header = p.header;
        fields.width = 9;
        fields.height = 4;
        fields.bitCount = p.bitCount;
        fields.compression = p.compression;
        fields.masks = p.masks;
        const auto value = [&](int x, int y) {
            const int c = pure(x, y);
            // The unused or alpha bits hold noise: a bitmap is shown opaque.
            return (c & 4 ? p.masks[0] : 0) | (c & 2 ? p.masks[1] : 0) | (c & 1 ? p.masks[2] : 0)
                   | (p.masks[3] & (std::uint32_t(x) * 0x11111111u));
        };
        samples.push_back({QString::fromLatin1(p.name) + QStringLiteral(".bmp"),
                           bitmapFile(fields, storedRows(fields, value)), imageOf(9, 4, pureColor)});
    }
}

QImage indexedImage(const QList<QRgb> &table, const std::vector<QByteArray> &rows)
{
    return imageOf(int(rows.front().size()), int(rows.size()),
                   [&](int x, int y) { return table[uchar(rows[std::size_t(y)][x])]; });
}

void addRleSamples(std::vector<SamplePicture> &samples)
{
    const QList<QRgb> table = {qRgb(9, 9, 9),     qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(0, 0, 255),
                               qRgb(255, 255, 0), qRgb(0, 255, 255), qRgb(255, 0, 255), qRgb(255, 255, 255)};
    DibFields fields;
    fields.width = 8;
    fields.height = 4;
    fields.bitCount = 8;
    fields.compression = 1;
    fields.colors = table;
    // Bottom row: a run and an odd absolute run (padded); a delta skips to
    // x = 2 two rows up; the top row ends early at the end of bitmap.
    const QByteArray rle8("\x03\x01"
                          "\x00\x03\x02\x03\x04\x00"
                          "\x00\x00"
                          "\x00\x02\x02\x01"
                          "\x02\x05"
                          "\x00\x00"
                          "\x04\x06"
                          "\x00\x01",
                          22);
    fields.imageSize = std::uint32_t(rle8.size());
    samples.push_back({QStringLiteral("rle8.bmp"), bitmapFile(fields, rle8),
                       indexedImage(table, {QByteArray("\6\6\6\6\0\0\0\0", 8), QByteArray("\0\0\5\5\0\0\0\0", 8),
                                            QByteArray(8, '\0'), QByteArray("\1\1\1\2\3\4\0\0", 8)})});

    fields.bitCount = 4;
    fields.compression = 2;
    fields.height = 3;
    // A run alternates its two indexes; absolute runs of 3 and 5 indexes.
    const QByteArray rle4("\x05\x12"
                          "\x00\x03\x34\x50"
                          "\x00\x00"
                          "\x00\x05\x12\x34\x50\x00"
                          "\x00\x00"
                          "\x00\x02\x03\x00"
                          "\x02\x77"
                          "\x00\x01",
                          24);
    fields.imageSize = 0; // to the end of the file
    samples.push_back({QStringLiteral("rle4.bmp"), bitmapFile(fields, rle4),
                       indexedImage(table, {QByteArray("\0\0\0\7\7\0\0\0", 8), QByteArray("\1\2\3\4\5\0\0\0", 8),
                                            QByteArray("\1\2\1\2\1\3\4\5", 8)})});
}

} // namespace

std::vector<SamplePicture> samplePictures()
{
    std::vector<SamplePicture> samples;
    addHeaderSamples(samples);
    addDepthSamples(samples);
    addRleSamples(samples);
    const QImage icon = imageOf(16, 16, gradient).convertToFormat(QImage::Format_ARGB32);
    samples.push_back({QStringLiteral("bitmap.ico"), iconWithBitmap(icon), icon});
    const QImage pngIcon = imageOf(32, 32, gradient).convertToFormat(QImage::Format_ARGB32);
    samples.push_back({QStringLiteral("png.ico"), iconWith(png(pngIcon)), pngIcon});
    return samples;
}

} // namespace picturefiles
