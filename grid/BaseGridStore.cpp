#include "grid/BaseGrid.h"

#include <algorithm>

// The sparse store of cell texts, properties objects and graphics, and the
// rules by which cells read, write, attach and release them.

QString TBaseGrid::Cells(std::int32_t col, std::int32_t row) const
{
    return FStore.Text(col, row);
}

void TBaseGrid::SetCells(std::int32_t col, std::int32_t row, const QString &text)
{
    SetStoreText(col, row, text);
}

void TBaseGrid::SetStoreText(std::int32_t col, std::int32_t row, const QString &text)
{
    FStore.SetText(col, row, text);
    InvalidateCell(col, row);
}

void TBaseGrid::InvalidateCell(std::int32_t col, std::int32_t row)
{
    if (!FDestroying)
        InvalidateClientRect(CellRect(col, row));
}

void TBaseGrid::InvalidateClientRect(const QRect &clientRect)
{
    if (!clientRect.isEmpty())
        update(clientRect.translated(ClientOrigin()));
}

TGridCoord TBaseGrid::BaseCellOf(std::int32_t col, std::int32_t row) const
{
    const TCellProperties *properties = FStore.Properties(col, row);
    if (properties && !properties->IsBaseCell && properties->CellSpanX != -1 && properties->CellSpanY != -1)
        return {col - properties->CellSpanX, row - properties->CellSpanY};
    return {col, row};
}

QString TBaseGrid::ReadCellText(std::int32_t col, std::int32_t row) const
{
    const TGridCoord base = CellHasProperties(col, row) ? BaseCellOf(col, row) : TGridCoord{col, row};
    QString text = FStore.Text(base.X, base.Y);
    if (base.Y < FDisplayTextRowLimit && OnGetDisplText)
        OnGetDisplText(const_cast<TBaseGrid *>(this), base.X, base.Y, text);
    return text;
}

void TBaseGrid::WriteCellText(std::int32_t col, std::int32_t row, const QString &text)
{
    if (CellHasProperties(col, row)) {
        const TGridCoord base = BaseCellOf(col, row);
        SetStoreText(base.X, base.Y, text);
        if (parentWidget())
            RepaintCellArea(col, row);
    } else {
        SetStoreText(col, row, text);
    }
    if (FFooterFillsLastRow && row == FRowCount - 1)
        RepaintFooter();
}

bool TBaseGrid::CellHasProperties(std::int32_t col, std::int32_t row) const
{
    return FStore.Properties(col, row) != nullptr;
}

TCellProperties *TBaseGrid::CellProperties(std::int32_t col, std::int32_t row) const
{
    return FStore.Properties(col, row);
}

TCellProperties &TBaseGrid::EnsureCellProperties(std::int32_t col, std::int32_t row)
{
    if (TCellProperties *properties = FStore.Properties(col, row))
        return *properties;
    FStore.ExchangeProperties(col, row, std::make_unique<TCellProperties>(this, col, row));
    InvalidateCell(col, row);
    return *FStore.Properties(col, row);
}

void TBaseGrid::ReplaceCellProperties(std::int32_t col, std::int32_t row, std::unique_ptr<TCellProperties> properties)
{
    // Checked first, so that a refused index leaves the new object unstored
    // and the old one in place.
    FStore.Properties(col, row);
    FStore.ExchangeProperties(col, row, std::move(properties));
    InvalidateCell(col, row);
}

void TBaseGrid::ReleaseCellProperties(std::int32_t col1, std::int32_t row1, std::int32_t col2, std::int32_t row2)
{
    for (const TGridCoord &cell : FStore.EntriesColumnMajor(col1, row1, col2, row2)) {
        if (FStore.Properties(cell.X, cell.Y)) {
            FStore.ExchangeProperties(cell.X, cell.Y, nullptr);
            InvalidateCell(cell.X, cell.Y);
        }
    }
}

void TBaseGrid::RepaintCellArea(std::int32_t col, std::int32_t row)
{
    if (!FDestroying)
        InvalidateClientRect(SpannedCellRect(col, row));
}

TCellGraphic *TBaseGrid::FindCellGraphic(std::int32_t col, std::int32_t row) const
{
    const TCellProperties *properties = FStore.Properties(col, row);
    if (!properties)
        return nullptr;
    return dynamic_cast<TCellGraphic *>(properties->AttachedGraphic.Get());
}

TCellType TBaseGrid::CellGraphicKind(std::int32_t col, std::int32_t row) const
{
    const TCellGraphic *graphic = FindCellGraphic(col, row);
    return graphic ? graphic->CellType : ctEmpty;
}

std::unique_ptr<TCellGraphic> TBaseGrid::AttachCellGraphic(std::int32_t col, std::int32_t row,
                                                           std::unique_ptr<TCellGraphic> graphic)
{
    return EnsureCellProperties(col, row).AttachedGraphic.Attach(std::move(graphic));
}

std::unique_ptr<TCellGraphic> TBaseGrid::LendCellGraphic(std::int32_t col, std::int32_t row, TCellObject *object)
{
    return EnsureCellProperties(col, row).AttachedGraphic.Lend(object);
}

TCellGraphic &TBaseGrid::NewCellGraphic(std::int32_t col, std::int32_t row)
{
    // Made before the old one goes, so that a failure leaves the cell as it was.
    auto graphic = std::make_unique<TCellGraphic>();
    TCellGraphic &result = *graphic;
    if (FindCellGraphic(col, row))
        FStore.Properties(col, row)->AttachedGraphic.Clear();
    // A foreign object in the slot is its lender's, never released here.
    std::unique_ptr<TCellGraphic> previous = AttachCellGraphic(col, row, std::move(graphic));
    Q_ASSERT(!previous);
    return result;
}

bool TBaseGrid::DetachCellGraphic(std::int32_t col, std::int32_t row)
{
    if (!FindCellGraphic(col, row))
        return false;
    // A virtual check box is lent, so it survives this.
    FStore.Properties(col, row)->AttachedGraphic.Clear();
    return true;
}

void TBaseGrid::ReleaseCellObjects(std::int32_t col, std::int32_t row)
{
    // The graphic first: the properties object does not release it.
    DetachCellGraphic(col, row);
    ReplaceCellProperties(col, row, nullptr);
}

void TBaseGrid::CellsChanged(const TGridRect &rect)
{
    if (OnCellsChanged)
        OnCellsChanged(this, rect);
}

void TBaseGrid::EraseCellRange(std::int32_t col1, std::int32_t row1, std::int32_t col2, std::int32_t row2)
{
    for (const TGridCoord &cell : CellsToErase(col1, row1, col2, row2)) {
        if (CellHasProperties(cell.X, cell.Y))
            ReleaseCellObjects(cell.X, cell.Y);
        if (!FDestroying && !ReadCellText(cell.X, cell.Y).isEmpty())
            WriteCellText(cell.X, cell.Y, QString());
    }
    if (!FDestroying)
        CellsChanged({col1, row1, col2, row2});
}

std::vector<TGridCoord> TBaseGrid::CellsToErase(std::int32_t col1, std::int32_t row1, std::int32_t col2,
                                                std::int32_t row2) const
{
    // Only cells with an entry can hold anything to erase, so a large empty
    // range costs nothing per cell; but a cell whose text comes from
    // OnGetDisplText alone has no entry, so with that event every cell of the
    // grid inside the range is visited too.
    std::vector<TGridCoord> cells = FStore.EntriesRowMajor(col1, row1, col2, row2);
    if (FDestroying || !OnGetDisplText)
        return cells;
    const std::int32_t lastRow = std::min({row2, FRowCount - 1, FDisplayTextRowLimit - 1});
    const std::int32_t lastCol = std::min(col2, FColCount - 1);
    for (std::int32_t row = std::max(row1, 0); row <= lastRow; ++row)
        for (std::int32_t col = std::max(col1, 0); col <= lastCol; ++col)
            cells.push_back({col, row});
    const auto rowMajor = [](const TGridCoord &a, const TGridCoord &b) { return a.Y != b.Y ? a.Y < b.Y : a.X < b.X; };
    std::sort(cells.begin(), cells.end(), rowMajor);
    cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
    return cells;
}
