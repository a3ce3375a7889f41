#pragma once

#include "platform/forms/UnitSequence.h"

// Starts the program's units in their fixed order. The grid's units start
// here, CellGrid the last one before Main, which has no start-up work.
void startUnits(platform::UnitSequence &units);
