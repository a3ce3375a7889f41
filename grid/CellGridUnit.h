#pragma once

#include <cstdint>

namespace platform {
class SystemServices;
}

// The grid unit's once-per-process steps: OLE for the thread, the grid class
// for stored forms, the common controls' version and the grid's clipboard
// format. The values it fixes hold for every grid until shut-down.
namespace CellGridUnit {

// Stops start-up with EAssertionFailed when OLE initialisation answers
// anything but S_OK or S_FALSE.
void StartUp(platform::SystemServices &services);
void ShutDown();
bool Started();

// The services the unit started with; the platform's own before start-up.
platform::SystemServices &Services();

// The common controls' file version (major in the high 16 bits), -1 when
// it cannot be read.
std::int32_t CommonControlsVersion(platform::SystemServices &services);

// Version 4.70 or later of the common controls: grids create a date editor.
bool DatePickerAvailable();
std::uint16_t CellsClipboardFormat();

} // namespace CellGridUnit
