#pragma once

#include <QCursor>
#include <cstdint>

namespace platform {

// The pointer shape a cursor number stands for: 0 and the negative numbers
// are the system's own shapes (0 the default arrow, -21 the pointing hand,
// ...), positive numbers the program's cursor resources. Unknown numbers
// give the arrow.
QCursor cursorShape(std::int32_t id);

} // namespace platform
