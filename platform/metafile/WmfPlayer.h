#pragma once

#include "platform/metafile/PlayLimits.h"

#include <QByteArray>
#include <QImage>

namespace platform::metafile {

// Plays a Windows metafile, with or without its placeable header, into a
// picture of its own size. Throws MetafileError when the data is not valid.
LoadedPicture playWmf(const QByteArray &data, PlayBudget &budget);

} // namespace platform::metafile
