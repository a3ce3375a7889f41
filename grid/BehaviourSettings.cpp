#include "grid/BehaviourSettings.h"

#include "grid/GridErrors.h"

#include <utility>

void TDragDropSettings::SetOleDropTarget(bool value)
{
    FOleDropTarget = value;
    emit dropTargetSwitched(value);
    emit changed();
}

void TColumnSize::SetStretch(bool value)
{
    const bool previous = FStretch;
    Store(FStretch, value);
    try {
        emit stretchSwitched();
    } catch (...) {
        // The grid refused to stretch: the switch keeps its old position.
        FStretch = previous;
        throw;
    }
}

TSortSettings::TSortSettings(std::function<int()> fixedRowCount, QObject *parent)
    : TGridSettings(parent), FFixedRowCount(std::move(fixedRowCount))
{
}

void TSortSettings::SetRow(int value)
{
    if (FFixedRowCount && value > FFixedRowCount())
        throw EGridError(QStringLiteral("Sort row should be smaller than number of fixed rows"));
    Store(FRow, value);
}
