#include "grid/CellGridUnit.h"

#include "grid/CellGrid.h"
#include "grid/GridErrors.h"
#include "platform/SystemServices.h"
#include "platform/forms/ComponentRegistry.h"

namespace CellGridUnit {

namespace {

// Process-wide: fixed once by start-up for every grid of the process.
struct UnitState
{
    platform::SystemServices *services = nullptr;
    bool datePickerAvailable = false;
    std::uint16_t cellsClipboardFormat = 0;
};

UnitState &state()
{
    static UnitState instance;
    return instance;
}

// Lets stored forms name the grid and bind its owner's alignment answer.
void RegisterGridClass()
{
    platform::ComponentClass gridClass{
        QStringLiteral("TCellGrid"), [](QWidget *owner) -> QObject * { return new TCellGrid(owner); }, {}};
    platform::addEvent<TCellGrid, TGridAlignEvent>(gridClass, QStringLiteral("OnGetAlignment"),
                                                   &TCellGrid::OnGetAlignment);
    platform::registerComponentClass(std::move(gridClass));
}

} // namespace

std::int32_t CommonControlsVersion(platform::SystemServices &services)
{
    const QString library = QStringLiteral("comctl32.dll");
    if (services.fileVersionInfoSize(library) <= 0)
        return -1;
    const auto block = services.fileVersionRootBlock(library);
    if (!block || block->signature != platform::FixedFileInfoSignature)
        return -1;
    return std::int32_t(block->fileVersionMS);
}

void StartUp(platform::SystemServices &services)
{
    const std::int32_t result = services.oleInitialize();
    if (result != platform::S_OK && result != platform::S_FALSE)
        throw EAssertionFailed(
            QStringLiteral("OleInitialize failed ($%1)").arg(QString::number(std::uint32_t(result), 16).toUpper()),
            QStringLiteral("CellGrid start-up"));
    RegisterGridClass();
    UnitState &unit = state();
    unit.services = &services;
    unit.datePickerAvailable = CommonControlsVersion(services) > 0x40045;
    unit.cellsClipboardFormat = std::uint16_t(services.registerClipboardFormat(QStringLiteral("TCellGrid Cells")));
}

void ShutDown()
{
    UnitState &unit = state();
    if (!unit.services)
        return;
    unit.services->oleUninitialize();
    unit = UnitState{};
}

bool Started()
{
    return state().services != nullptr;
}

platform::SystemServices &Services()
{
    UnitState &unit = state();
    return unit.services ? *unit.services : platform::defaultSystemServices();
}

bool DatePickerAvailable()
{
    return state().datePickerAvailable;
}

std::uint16_t CellsClipboardFormat()
{
    return state().cellsClipboardFormat;
}

} // namespace CellGridUnit
