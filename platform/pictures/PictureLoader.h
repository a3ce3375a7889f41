#pragma once

#include "platform/pictures/LoadedPicture.h"

#include <QIODevice>
#include <QSize>
#include <QString>

#include <optional>

namespace platform {

enum class PictureKind { Bitmap, Icon, EnhancedMetafile, WindowsMetafile };

// The kind that a file name's extension names ("bmp", "ico", "emf", "wmf",
// in any case, after the last "." of the last path component), or nothing.
std::optional<PictureKind> pictureKindFor(const QString &fileName);

// Larger metafiles are not read at all. Bitmaps and icons are read only as
// far as they are shown, whatever their size.
inline constexpr long long kMaxPictureFileBytes = 256LL * 1024 * 1024;

// Loads a picture of `kind` from `device` (open for reading, seekable) for a
// view of `viewSize`. Nothing when its contents are not a valid, complete
// picture of that kind. Bitmaps come back opaque.
std::optional<LoadedPicture> loadPicture(QIODevice &device, PictureKind kind, const QSize &viewSize);

// Loads a terrain picture by its extension. Nothing also when the kind is
// not recognised or the file is missing or unreadable.
std::optional<LoadedPicture> loadPicture(const QString &fileName, const QSize &viewSize);

} // namespace platform
