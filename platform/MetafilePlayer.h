#pragma once

#include <QByteArray>
#include <QImage>

#include <optional>

namespace platform {

enum class MetafileFormat { Windows, Enhanced };

// Plays a Windows metafile or an enhanced metafile into a picture of its own
// size at 96 pixels per inch. Returns nothing when the data is not a valid
// picture of that format or breaks the player's limits.
std::optional<QImage> playMetafile(const QByteArray &data, MetafileFormat format);

} // namespace platform
