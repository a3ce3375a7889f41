#pragma once

#include <QByteArray>
#include <QImage>

#include <cstdint>

// Small picture files built byte by byte, good and broken, for the loaders.
namespace picturefiles {

void putLe16(QByteArray &data, std::uint32_t value);
void putLe32(QByteArray &data, std::uint32_t value);
void setLe32(QByteArray &data, int at, std::uint32_t value);

// A 24-bit bottom-up bitmap file of the image's pixels.
QByteArray bitmap24(const QImage &image);

// A 1-bit bitmap file of the given size, all pixels colour 0 (black).
QByteArray bitmap1(int width, int height);

// An icon file with one 32-bit bitmap entry of the image's pixels.
QByteArray iconWithBitmap(const QImage &image);

// An icon file with one entry holding these PNG bytes.
QByteArray iconWithPng(const QByteArray &png, int declaredSize = 32);

// The image as PNG bytes.
QByteArray png(const QImage &image);

} // namespace picturefiles
