#pragma once

#include "platform/metafile/PlayLimits.h"

#include <QByteArray>
#include <QImage>

namespace platform::metafile {

// Plays an enhanced metafile into a picture of its frame's size. Throws
// MetafileError when the data is not valid.
QImage playEmf(const QByteArray &data, PlayBudget &budget);

} // namespace platform::metafile
