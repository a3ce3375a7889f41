#include "grid/SelectionMarks.h"

#include <QWidget>

void TSelectionMarks::SetRowSelect(std::int32_t row, bool selected)
{
    if (selected)
        FRows.insert(row);
    else
        FRows.erase(row);
    FGrid.update();
}

void TSelectionMarks::SetCellSelect(std::int32_t col, std::int32_t row, bool selected)
{
    if (selected)
        FCells.insert({col, row});
    else
        FCells.erase({col, row});
    FGrid.update();
}

void TSelectionMarks::SetMouseRowSelecting(bool value)
{
    FMouseRowSelecting = value;
    FGrid.update();
}
