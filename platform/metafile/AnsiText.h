#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace platform::metafile {

// 8-bit text of a metafile's text records, in the code page of the font's
// character set; the Western ANSI page when the set names no other.
QString decodeAnsi(const QByteArray &bytes, std::uint8_t charset = 0);

// The byte the Western page reads as c; -1 when there is none.
int westernCode(QChar c);

} // namespace platform::metafile
