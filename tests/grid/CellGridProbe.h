#pragma once

#include "grid/CellGrid.h"

// The one way tests read the grid's inner state.
class TCellGridProbe
{
public:
    explicit TCellGridProbe(const TCellGrid &grid)
        : m_grid(grid)
    {}
    explicit TCellGridProbe(const TCellGrid *grid)
        : m_grid(*grid)
    {}

    bool WindowCreated() const { return m_grid.FWindowCreated; }
    bool ThemesActive() const { return m_grid.FThemesActive; }
    int WheelScrollLines() const { return m_grid.FWheelScrollLines; }
    bool FlatScrollBarsOn() const { return m_grid.FFlatScrollBarsOn; }
    int VerticalTextFlag() const { return m_grid.FVerticalTextFlag; }
    QString CheckTrue() const { return m_grid.FCheckTrue; }
    QString CheckFalse() const { return m_grid.FCheckFalse; }
    QPoint PanOrigin() const { return m_grid.FPan.Origin(); }
    int PaintLock() const { return m_grid.FPaintLock; }
    bool ShowHint() const { return m_grid.FPan.HintsOn(); }
    int PointerZone() const { return m_grid.FPointerZone; }
    TGridCoord HintCell() const { return m_grid.FHintCell; }
    TGridCoord RememberedCell() const { return m_grid.FRememberedCell; }
    QString RememberedText() const { return m_grid.FRememberedText; }

private:
    const TCellGrid &m_grid;
};
