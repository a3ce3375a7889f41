#include "PictureFiles.h"

#include <QBuffer>

namespace picturefiles {

void putLe16(QByteArray &data, std::uint32_t value)
{
    data.append(char(value & 0xFF));
    data.append(char((value >> 8) & 0xFF));
}

void putLe32(QByteArray &data, std::uint32_t value)
{
    putLe16(data, value & 0xFFFF);
    putLe16(data, value >> 16);
}

void setLe32(QByteArray &data, int at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        data[at + i] = char((value >> (8 * i)) & 0xFF);
}

namespace {

void infoHeader(QByteArray &data, int width, int height, int bitCount, std::uint32_t imageSize)
{
    putLe32(data, 40);
    putLe32(data, std::uint32_t(width));
    putLe32(data, std::uint32_t(height));
    putLe16(data, 1);
    putLe16(data, std::uint32_t(bitCount));
    putLe32(data, 0);
    putLe32(data, imageSize);
    putLe32(data, 2835);
    putLe32(data, 2835);
    putLe32(data, 0);
    putLe32(data, 0);
}

QByteArray fileHeader(std::uint32_t fileSize, std::uint32_t pixelOffset)
{
    QByteArray data("BM");
    putLe32(data, fileSize);
    putLe32(data, 0);
    putLe32(data, pixelOffset);
    return data;
}

} // namespace

QByteArray bitmap24(const QImage &image)
{
    const int stride = (image.width() * 3 + 3) / 4 * 4;
    QByteArray pixels;
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray row;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            row.append(char(qBlue(p)));
            row.append(char(qGreen(p)));
            row.append(char(qRed(p)));
        }
        row.append(QByteArray(stride - row.size(), '\0'));
        pixels += row;
    }
    QByteArray data = fileHeader(std::uint32_t(54 + pixels.size()), 54);
    infoHeader(data, image.width(), image.height(), 24, std::uint32_t(pixels.size()));
    return data + pixels;
}

QByteArray bitmap1(int width, int height)
{
    const qsizetype stride = (qsizetype(width) + 31) / 32 * 4;
    const QByteArray pixels(stride * height, '\0');
    QByteArray data = fileHeader(std::uint32_t(62 + pixels.size()), 62);
    infoHeader(data, width, height, 1, std::uint32_t(pixels.size()));
    putLe32(data, 0x000000);
    putLe32(data, 0xFFFFFF);
    return data + pixels;
}

namespace {

QByteArray iconDirectory(int size, std::uint32_t bytes)
{
    QByteArray data;
    putLe16(data, 0);
    putLe16(data, 1);
    putLe16(data, 1);
    data.append(char(size & 0xFF));
    data.append(char(size & 0xFF));
    data.append('\0');
    data.append('\0');
    putLe16(data, 1);
    putLe16(data, 32);
    putLe32(data, bytes);
    putLe32(data, 22);
    return data;
}

} // namespace

QByteArray iconWithBitmap(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QByteArray dib;
    const int maskStride = (argb.width() + 31) / 32 * 4;
    infoHeader(dib, argb.width(), argb.height() * 2, 32, 0);
    for (int y = argb.height() - 1; y >= 0; --y)
        for (int x = 0; x < argb.width(); ++x)
            putLe32(dib, argb.pixel(x, y));
    dib.append(QByteArray(maskStride * argb.height(), '\0'));
    return iconDirectory(argb.width(), std::uint32_t(dib.size())) + dib;
}

QByteArray iconWithPng(const QByteArray &pngBytes, int declaredSize)
{
    return iconDirectory(declaredSize, std::uint32_t(pngBytes.size())) + pngBytes;
}

QByteArray png(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "png");
    return bytes;
}

} // namespace picturefiles
