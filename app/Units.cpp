#include "app/Units.h"

void startUnits(platform::UnitSequence &units)
{
    static_cast<void>(units);
}
