#pragma once

#include "platform/metafile/PlayLimits.h"

#include <QByteArray>
#include <QImage>

namespace platform::metafile {

// Plays the part of an enhanced metafile that the budget's view shows; the
// picture's own size is its frame's. Throws MetafileError when the data is
// not valid.
LoadedPicture playEmf(const QByteArray &data, PlayBudget &budget);

} // namespace platform::metafile
