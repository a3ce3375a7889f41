#pragma once

#include "grid/CellProperties.h"

#include <QString>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

// The grid's cell entries: a table of rows, each a table of cells, each entry a
// text and the cell's properties object. Only cells that hold something have
// an entry, so a large grid of empty cells costs nothing per cell. A negative
// index is refused before anything changes.
class TSparseCellStore
{
public:
    TSparseCellStore() = default;
    TSparseCellStore(const TSparseCellStore &) = delete;
    TSparseCellStore &operator=(const TSparseCellStore &) = delete;

    // The cell's text; empty for a cell without an entry.
    QString Text(std::int32_t col, std::int32_t row) const;
    // Writing an empty text to a cell without properties removes its entry.
    void SetText(std::int32_t col, std::int32_t row, const QString &text);

    // The cell's properties object, or none.
    TCellProperties *Properties(std::int32_t col, std::int32_t row) const;
    // Stores a properties object (or none) and hands back the previous one.
    std::unique_ptr<TCellProperties> ExchangeProperties(std::int32_t col, std::int32_t row,
                                                        std::unique_ptr<TCellProperties> properties);

    // Addresses of the cells with an entry inside the rectangle (corners
    // included), row by row and, in each row, column by column.
    std::vector<TGridCoord> EntriesRowMajor(std::int32_t col1, std::int32_t row1, std::int32_t col2,
                                            std::int32_t row2) const;
    // The same cells, column by column and, in each column, row by row.
    std::vector<TGridCoord> EntriesColumnMajor(std::int32_t col1, std::int32_t row1, std::int32_t col2,
                                               std::int32_t row2) const;

    std::size_t EntryCount() const;

private:
    struct Entry
    {
        QString text;
        std::unique_ptr<TCellProperties> properties;
    };
    using Row = std::map<std::int32_t, Entry>;

    static void CheckIndex(std::int32_t col, std::int32_t row);
    const Entry *Find(std::int32_t col, std::int32_t row) const;
    void RemoveIfEmpty(std::int32_t col, std::int32_t row);

    std::map<std::int32_t, Row> FRows;
};
