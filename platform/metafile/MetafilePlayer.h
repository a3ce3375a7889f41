#pragma once

#include "platform/pictures/LoadedPicture.h"

#include <QByteArray>

#include <optional>

namespace platform {

enum class MetafileFormat { Windows, Enhanced };

// Plays a Windows metafile or an enhanced metafile at 96 pixels per inch, as
// far as a view of `viewSize` shows it. Returns nothing when the data is not
// a valid picture of that format or breaks the player's limits.
std::optional<LoadedPicture> playMetafile(const QByteArray &data, MetafileFormat format, const QSize &viewSize);

} // namespace platform
