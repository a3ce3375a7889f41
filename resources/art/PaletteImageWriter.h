#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QVector>

// Writes 16-colour pictures in the file formats the program keeps as
// resources: a 4-bit bitmap, and 4-bit icons and cursors whose transparent
// pixels go into the AND mask.
namespace art {

// The standard 16-colour palette, in its usual index order.
const QVector<QRgb> &standardPalette();

// Every pixel of the image must be one of the palette's colours (or fully
// transparent where a mask is written); anything else is a drawing mistake.
QByteArray bitmapFile(const QImage &image);
QByteArray iconFile(const QImage &image);
QByteArray cursorFile(const QImage &image, QPoint hotSpot);

} // namespace art
