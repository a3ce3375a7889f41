#pragma once

#include <QByteArray>

namespace platform {

// True when `data` is a complete Windows bitmap file: file and info header,
// planes, bit depth, compression, colour table and pixel data all consistent
// with each other and within the data, and the size within the picture limit.
bool isCompleteBitmapFile(const QByteArray &data);

// The same for a device-independent bitmap without file header, as icons
// hold them (height counts the colour and the mask rows).
bool isCompleteIconBitmap(const QByteArray &data);

} // namespace platform
