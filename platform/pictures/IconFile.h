#pragma once

#include "platform/pictures/LoadedPicture.h"

#include <QIODevice>
#include <QSize>

#include <optional>

namespace platform {

// The largest icon image, in pixels, that loading decodes: far above the
// 256 x 256 an icon directory can state, and small enough to decode whole.
inline constexpr qint64 kMaxIconPixels = 4096LL * 4096;

// Loads the first image of an icon file from `device` (open for reading,
// seekable) for a view of `viewSize`. The image is a bitmap with its AND
// mask or a PNG, decoded by Qt's icon reader; an AND mask cut short counts
// as opaque where it is missing. Nothing when the directory or the image
// does not fit the file, the image is not complete, or it is larger than
// kMaxIconPixels.
std::optional<LoadedPicture> loadIcon(QIODevice &device, const QSize &viewSize);

} // namespace platform
