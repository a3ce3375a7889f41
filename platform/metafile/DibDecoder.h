#pragma once

#include "platform/metafile/PlayLimits.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QVector>

#include <optional>

namespace platform::metafile {

// A device-independent bitmap as a record holds it: its info block (header,
// masks, colour table) and its pixel bits.
struct DibData
{
    QByteArray info;
    QByteArray bits;
};

// Splits a packed DIB (info directly followed by bits); nothing when the
// info block is not valid or does not fit.
std::optional<DibData> splitPackedDib(const QByteArray &packed);

// A DIB, or the start of one, whose colour table holds 16-bit indexes into
// the selected palette, with the colours they stand for in their place; the
// bytes after the table are kept. Unchanged when the table does not fit.
QByteArray withPaletteColors(const QByteArray &dib, const QVector<QColor> &palette);

// Decodes a DIB through the bitmap loader's decoder. withAlpha reads the
// fourth byte of 32-bit pixels as premultiplied alpha. A DIB that cannot be
// decoded or is larger than the limits allow gives a null image.
QImage decodeDib(const DibData &dib, const PlayLimits &limits, bool withAlpha = false);

// A 1-bit DIB as an indexed image of its bits, whatever its colour table
// says; a null image for any other DIB or one that cannot be decoded.
QImage decodeMonochromeDib(const DibData &dib, const PlayLimits &limits);

// A monochrome device-dependent bitmap (its rows top down, widthBytes each)
// as an indexed image of its bits; a null image when the bits do not fit.
QImage monochromeBits(const QByteArray &bits, int width, int height, int widthBytes, const PlayLimits &limits);

// Whether the DIB's rows run from the bottom up, so that a source rectangle's
// y is counted from the last row.
bool isBottomUp(const DibData &dib);

} // namespace platform::metafile
