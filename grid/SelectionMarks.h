#pragma once

#include <cstdint>
#include <set>
#include <utility>

class QWidget;

// The marks of the disjunct selections: rows marked one by one, cells
// selected one by one, and whether the pointer is marking rows. A change
// repaints the grid.
class TSelectionMarks
{
public:
    explicit TSelectionMarks(QWidget &grid)
        : FGrid(grid)
    {}

    bool RowSelect(std::int32_t row) const { return FRows.count(row) != 0; }
    void SetRowSelect(std::int32_t row, bool selected);
    bool CellSelect(std::int32_t col, std::int32_t row) const { return FCells.count({col, row}) != 0; }
    void SetCellSelect(std::int32_t col, std::int32_t row, bool selected);
    // A row selection by the pointer is in progress.
    bool MouseRowSelecting() const { return FMouseRowSelecting; }
    void SetMouseRowSelecting(bool value);

private:
    QWidget &FGrid;
    std::set<std::int32_t> FRows;
    std::set<std::pair<std::int32_t, std::int32_t>> FCells;
    bool FMouseRowSelecting = false;
};
