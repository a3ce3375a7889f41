#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <vector>

namespace picturefiles {

// A small valid picture file and what a view shows of it.
struct SamplePicture
{
    QString name; // with the extension that gives its kind
    QByteArray data;
    QImage expected;
};

// One bitmap for each header kind and row direction, each depth, bit fields
// of several widths, RLE4 and RLE8 with deltas and an early end; icons with
// a bitmap and with a PNG image.
std::vector<SamplePicture> samplePictures();

} // namespace picturefiles
