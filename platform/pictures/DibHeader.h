#pragma once

#include "platform/ByteReader.h"

#include <QList>
#include <QRgb>

#include <array>
#include <optional>

namespace platform {

enum class DibCompression { Rgb, Rle8, Rle4, Bitfields };

// The info block of a device-independent bitmap as bitmap files, icons and
// metafile records hold it: one of the headers (OS/2 1.x core, OS/2 2.x of
// 16 to 64 bytes, info and its versions 2 to 5), the colour masks and the
// colour table.
struct DibInfo
{
    qint64 width = 0;
    qint64 height = 0; // rows, counted positive whichever way they run
    bool topDown = false;
    int bitCount = 0;
    DibCompression compression = DibCompression::Rgb;
    std::uint32_t imageSize = 0;          // bytes of pixel data stated; 0 when not
    std::array<std::uint32_t, 3> masks{}; // red, green, blue of 16- and 32-bit pixels
    std::uint32_t alphaMask = 0;          // of pixels with bit fields that hold alpha; 0 when none do
    std::uint32_t colorsUsed = 0;         // colours the header states; 0 when it states none
    QList<QRgb> colors;                   // indexed depths: one opaque colour per index
    qint64 infoBytes = 0;                 // header, masks and colour table

    bool indexed() const { return bitCount <= 8; }
    bool runLength() const { return compression == DibCompression::Rle8 || compression == DibCompression::Rle4; }
    // Bytes of one stored row, padded to four bytes.
    qint64 stride() const { return (width * bitCount + 31) / 32 * 4; }
    // Where the pixels start when they directly follow the info block: a
    // direct-colour bitmap may state a colour table that its pixels do not use.
    qint64 packedPixelsAt() const { return infoBytes + (indexed() ? 0 : qint64(colorsUsed) * 4); }
};

// Reads the info block at the reader's position. Nothing when any part of it
// lies past the reader's end or its fields do not describe a bitmap: unknown
// header size, no pixels, planes other than 1, a depth or compression that
// does not go with the header or each other, a top-down compressed bitmap,
// or more colours than the depth can index. A colour table whose length is
// not stated holds as many colours as fit before the reader's end, at most
// as many as the depth indexes. Indexes past a short table show black.
std::optional<DibInfo> readDibInfo(ByteReader &reader);

} // namespace platform
