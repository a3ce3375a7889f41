#pragma once

#include "platform/metafile/PlayLimits.h"

#include <QByteArray>
#include <QImage>

namespace platform::metafile {

// Plays the part of a Windows metafile, with or without its placeable header,
// that the budget's view shows. Throws MetafileError when the data is not valid.
LoadedPicture playWmf(const QByteArray &data, PlayBudget &budget);

} // namespace platform::metafile
