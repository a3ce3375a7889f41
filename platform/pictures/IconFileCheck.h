#pragma once

#include <QByteArray>

namespace platform {

// True when `data` is an icon file whose directory and every entry lie within
// the data, with each entry a complete bitmap or a PNG whose chunks all lie
// within the entry and whose size is within the picture limit.
bool isCompleteIconFile(const QByteArray &data);

} // namespace platform
