#pragma once

#include "platform/pictures/LoadedPicture.h"

#include <QIODevice>
#include <QSize>

#include <optional>

namespace platform {

// Loads a Windows bitmap file from `device` (open for reading, seekable) for
// a view of `viewSize`: its headers are checked against the device's size,
// and only the rows and columns the view shows are decoded, so that a
// bitmap of any size loads in time and memory bounded by the view.
// Nothing when the file is not a complete, valid bitmap. The picture comes
// back opaque.
std::optional<LoadedPicture> loadBitmap(QIODevice &device, const QSize &viewSize);

} // namespace platform
