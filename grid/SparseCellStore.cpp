#include "grid/SparseCellStore.h"

#include "grid/GridErrors.h"

#include <algorithm>
#include <utility>

void TSparseCellStore::CheckIndex(std::int32_t col, std::int32_t row)
{
    // The row table is consulted before the row's cell table.
    if (row < 0)
        throw EListError(row);
    if (col < 0)
        throw EListError(col);
}

const TSparseCellStore::Entry *TSparseCellStore::Find(std::int32_t col, std::int32_t row) const
{
    CheckIndex(col, row);
    const auto rowIt = FRows.find(row);
    if (rowIt == FRows.end())
        return nullptr;
    const auto cellIt = rowIt->second.find(col);
    return cellIt == rowIt->second.end() ? nullptr : &cellIt->second;
}

QString TSparseCellStore::Text(std::int32_t col, std::int32_t row) const
{
    const Entry *entry = Find(col, row);
    return entry ? entry->text : QString();
}

TCellProperties *TSparseCellStore::Properties(std::int32_t col, std::int32_t row) const
{
    const Entry *entry = Find(col, row);
    return entry ? entry->properties.get() : nullptr;
}

void TSparseCellStore::SetText(std::int32_t col, std::int32_t row, const QString &text)
{
    CheckIndex(col, row);
    if (text.isEmpty()) {
        const auto rowIt = FRows.find(row);
        if (rowIt == FRows.end())
            return;
        const auto cellIt = rowIt->second.find(col);
        if (cellIt == rowIt->second.end())
            return;
        cellIt->second.text.clear();
        RemoveIfEmpty(col, row);
        return;
    }
    FRows[row][col].text = text;
}

std::unique_ptr<TCellProperties> TSparseCellStore::ExchangeProperties(std::int32_t col, std::int32_t row,
                                                                      std::unique_ptr<TCellProperties> properties)
{
    CheckIndex(col, row);
    std::unique_ptr<TCellProperties> previous;
    if (properties) {
        Entry &entry = FRows[row][col];
        previous = std::exchange(entry.properties, std::move(properties));
        return previous;
    }
    const auto rowIt = FRows.find(row);
    if (rowIt == FRows.end())
        return previous;
    const auto cellIt = rowIt->second.find(col);
    if (cellIt == rowIt->second.end())
        return previous;
    previous = std::move(cellIt->second.properties);
    RemoveIfEmpty(col, row);
    return previous;
}

void TSparseCellStore::RemoveIfEmpty(std::int32_t col, std::int32_t row)
{
    const auto rowIt = FRows.find(row);
    if (rowIt == FRows.end())
        return;
    const auto cellIt = rowIt->second.find(col);
    if (cellIt == rowIt->second.end() || !cellIt->second.text.isEmpty() || cellIt->second.properties)
        return;
    rowIt->second.erase(cellIt);
    if (rowIt->second.empty())
        FRows.erase(rowIt);
}

std::vector<TGridCoord> TSparseCellStore::EntriesRowMajor(std::int32_t col1, std::int32_t row1, std::int32_t col2,
                                                          std::int32_t row2) const
{
    std::vector<TGridCoord> cells;
    if (col1 > col2 || row1 > row2)
        return cells;
    for (auto rowIt = FRows.lower_bound(row1); rowIt != FRows.end() && rowIt->first <= row2; ++rowIt) {
        const Row &cellsOfRow = rowIt->second;
        for (auto cellIt = cellsOfRow.lower_bound(col1); cellIt != cellsOfRow.end() && cellIt->first <= col2; ++cellIt)
            cells.push_back({cellIt->first, rowIt->first});
    }
    return cells;
}

std::vector<TGridCoord> TSparseCellStore::EntriesColumnMajor(std::int32_t col1, std::int32_t row1, std::int32_t col2,
                                                             std::int32_t row2) const
{
    std::vector<TGridCoord> cells = EntriesRowMajor(col1, row1, col2, row2);
    std::stable_sort(cells.begin(), cells.end(), [](const TGridCoord &a, const TGridCoord &b) { return a.X < b.X; });
    return cells;
}

std::size_t TSparseCellStore::EntryCount() const
{
    std::size_t count = 0;
    for (const auto &row : FRows)
        count += row.second.size();
    return count;
}
