#pragma once

#include "platform/metafile/PlayLimits.h"

#include <QImage>
#include <QSize>
#include <QSizeF>

namespace platform::metafile {

// A picture's own size and the factor its drawing is scaled by to get there.
struct PictureFit
{
    QSize size;
    double scale = 1;
};

// Fits a picture whose frame measures `natural` pixels at 96 per inch. Like
// other renderers of these files, a frame over 4096 x 4096 pixels in area is
// scaled down to that area, keeping its shape. Throws when no picture fits.
PictureFit fitPicture(const QSizeF &natural);

// Fits a picture that defines no size of its own, measured at one pixel per
// logical unit: one wider than 1024 pixels is first scaled down to that width.
PictureFit fitUnplacedPicture(const QSizeF &natural);

// A transparent image for the part of a picture of `size` that the view
// shows: its top-left corner, as far as the view reaches.
QImage shownPartImage(const QSize &size, const PlayBudget &budget);

} // namespace platform::metafile
