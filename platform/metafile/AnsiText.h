#pragma once

#include <QByteArray>
#include <QString>

namespace platform::metafile {

// 8-bit text of a metafile's text records in the Western ANSI code page.
QString decodeAnsi(const QByteArray &bytes);

} // namespace platform::metafile
