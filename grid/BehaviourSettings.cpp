#include "grid/BehaviourSettings.h"

#include "grid/GridErrors.h"

#include <utility>

void TDragDropSettings::SetOleDropTarget(bool value)
{
    FOleDropTarget = value;
    emit dropTargetSwitched(value);
    emit changed();
}

TColumnSize::TColumnSize(Stretcher stretcher, QObject *parent)
    : TGridSettings(parent),
      FStretcher(std::move(stretcher))
{}

void TColumnSize::SetStretch(bool value)
{
    if (FStretcher)
        FStretcher(value, FStretchColumn);
    Store(FStretch, value);
}

TSortSettings::TSortSettings(std::function<int()> fixedRowCount, QObject *parent)
    : TGridSettings(parent),
      FFixedRowCount(std::move(fixedRowCount))
{}

void TSortSettings::SetRow(int value)
{
    if (FFixedRowCount && value > FFixedRowCount())
        throw EGridError(QStringLiteral("Sort row should be smaller than number of fixed rows"));
    Store(FRow, value);
}
