#pragma once

#include "platform/pictures/DibHeader.h"

#include <QByteArray>
#include <QIODevice>
#include <QSize>

namespace platform {

// Walks the run-length encoded pixels (RLE4 or RLE8) that lie in [begin, end)
// of `device` from the start, as it must, but keeps only the colour indexes
// of the `shown` top-left part: row by row from the top, `shown.width()`
// bytes each. Pixels that deltas or an early end skip keep index 0. False
// when the data runs out before the bitmap ends.
bool decodeRle(const DibInfo &info, QIODevice &device, qint64 begin, qint64 end, const QSize &shown,
               QByteArray &indexes);

} // namespace platform
