#include "grid/GridUnits.h"
#include "platform/SystemServices.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// As in the program, the grid's units run around every main window the
// tests build: they register the grid class that the stored form names.
class GridUnitsEnvironment : public ::testing::Environment
{
public:
    void SetUp() override { m_units = std::make_unique<TGridUnits>(platform::defaultSystemServices()); }
    void TearDown() override { m_units.reset(); }

private:
    std::unique_ptr<TGridUnits> m_units;
};

const ::testing::Environment *const gridUnits = ::testing::AddGlobalTestEnvironment(new GridUnitsEnvironment);

} // namespace
