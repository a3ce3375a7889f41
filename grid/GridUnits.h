#pragma once

namespace platform {
class SystemServices;
}

// Starts the grid's units in their order (theme support, then the grid
// unit) and shuts them down in reverse when it goes. Created before the main
// window and destroyed after it; a start-up failure throws EAssertionFailed
// and leaves nothing started.
class TGridUnits
{
public:
    explicit TGridUnits(platform::SystemServices &services);
    ~TGridUnits();
    TGridUnits(const TGridUnits &) = delete;
    TGridUnits &operator=(const TGridUnits &) = delete;
};
