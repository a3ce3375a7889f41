#pragma once

#include "platform/pictures/DibHeader.h"

#include <QIODevice>
#include <QImage>

namespace platform {

// Decodes the top-left part of a DIB that `image` holds room for (at most
// the bitmap's size) from its stored pixels in [begin, end) of `device`.
// An image in Format_ARGB32 keeps the alpha of pixels whose bit fields hold
// it; any other gets opaque colours. Only the shown rows and columns of
// uncompressed pixels are read. False when the pixels run out first.
bool readDibPixels(const DibInfo &info, QIODevice &device, qint64 begin, qint64 end, QImage &image);

} // namespace platform
