#pragma once

#include "platform/metafile/MetafilePlayer.h"

#include <QColor>
#include <QImage>

#include <optional>

namespace testsupport {

// Plays a whole small metafile, as a view of any size shows it.
std::optional<QImage> playWhole(const QByteArray &data, platform::MetafileFormat format);

inline std::optional<QImage> playWmf(const QByteArray &data)
{
    return playWhole(data, platform::MetafileFormat::Windows);
}

inline std::optional<QImage> playEmf(const QByteArray &data)
{
    return playWhole(data, platform::MetafileFormat::Enhanced);
}

// The colour of a picture pixel, opaque or transparent.
inline QColor pixel(const QImage &image, int x, int y)
{
    return image.convertToFormat(QImage::Format_ARGB32).pixelColor(x, y);
}

inline bool isBlank(const QImage &image, int x, int y)
{
    return pixel(image, x, y).alpha() == 0;
}

// The bounding box of every pixel that is not transparent.
QRect inkBounds(const QImage &image);

} // namespace testsupport
