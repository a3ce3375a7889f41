#include "grid/GridUnits.h"

#include "grid/CellGridUnit.h"
#include "grid/GridThemes.h"

TGridUnits::TGridUnits(platform::SystemServices &services)
{
    GridThemes::StartUp(services);
    try {
        CellGridUnit::StartUp(services);
    } catch (...) {
        GridThemes::ShutDown();
        throw;
    }
}

TGridUnits::~TGridUnits()
{
    CellGridUnit::ShutDown();
    GridThemes::ShutDown();
}
