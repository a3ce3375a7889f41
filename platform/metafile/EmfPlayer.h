#pragma once

#include "platform/metafile/PlayLimits.h"

#include <QByteArray>
#include <QImage>
#include <QSizeF>

#include <optional>

namespace platform::metafile {

// Plays the part of an enhanced metafile that the budget's view shows; the
// picture's own size is its frame's, or the frame is stretched to `size`
// pixels when given. Throws MetafileError when the data is not valid.
LoadedPicture playEmf(const QByteArray &data, PlayBudget &budget, const std::optional<QSizeF> &size = std::nullopt);

} // namespace platform::metafile
