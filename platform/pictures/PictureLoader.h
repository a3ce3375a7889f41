#pragma once

#include "platform/pictures/LoadedPicture.h"

#include <QSize>
#include <QString>

#include <optional>

namespace platform {

enum class PictureKind { Bitmap, Icon, EnhancedMetafile, WindowsMetafile };

// The kind that a file name's extension names ("bmp", "ico", "emf", "wmf",
// in any case, after the last "." of the last path component), or nothing.
std::optional<PictureKind> pictureKindFor(const QString &fileName);

// The largest picture, in pixels, that loading decodes. It holds whatever
// the environment says about Qt's own allocation limit.
inline constexpr long long kMaxPicturePixels = 32LL * 1024 * 1024;

// Larger files are not read at all.
inline constexpr long long kMaxPictureFileBytes = 256LL * 1024 * 1024;

// Loads a terrain picture by its extension for a view of `viewSize`. Nothing
// when the kind is not recognised, the file is missing or unreadable, or its
// contents are not a valid, complete picture of that kind within
// kMaxPicturePixels. Bitmaps come back opaque.
std::optional<LoadedPicture> loadPicture(const QString &fileName, const QSize &viewSize);

} // namespace platform
