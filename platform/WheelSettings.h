#pragma once

// The system's wheel settings as the grid reads them once, when it is built.
namespace platform {

// The number under which the window system delivers wheel turns; Qt always
// has wheel events, so this is never 0 here.
inline constexpr int kMouseWheelMessage = 0x020A;

// Lines to scroll per wheel notch, from the desktop's style hints.
int wheelScrollLines();

} // namespace platform
