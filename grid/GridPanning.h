#pragma once

#include "grid/GridTypes.h"
#include "platform/OverrideCursor.h"

#include <QPoint>
#include <memory>

class QWidget;
class TPanMarker;
namespace platform {
class WindowTimers;
}

// Middle-button panning of a grid: whether it pans, the point it started
// at, the pan timer, the pan cursor and the marker shown at the origin. The
// grid moves its current cell on each tick; this keeps the rest.
class TGridPanning
{
public:
    TGridPanning(QWidget &grid, platform::WindowTimers &timers);
    TGridPanning(const TGridPanning &) = delete;
    TGridPanning &operator=(const TGridPanning &) = delete;
    ~TGridPanning();

    bool Active() const { return FActive; }
    // Client point of the middle press that started panning.
    QPoint Origin() const { return FOrigin; }
    // Whether the grid answers hint requests; off until the first panning ends.
    bool HintsOn() const { return FHintsOn; }

    // Shows the pan cursor, starts the pan timer and captures the pointer.
    void Start(QPoint origin);
    // Releases the pointer, stops the timer and brings back the cursor from
    // before panning.
    void End();

    // The pointer's side of the origin on each axis (-1, 0 or +1; y is +1
    // below), kept to the directions the pan mode allows.
    QPoint Direction(QPoint pointer, TIntelliPan pan) const;
    // The pan cursor for that direction.
    void ShowDirection(QPoint direction);

    // Draws the mode's marker at the origin at once; clientOrigin is where
    // the grid's client area starts in the widget.
    void DrawMarker(TIntelliPan pan, QPoint clientOrigin);
    // Hides the marker and has the grid repaint the area under it.
    void EraseMarker(QPoint clientOrigin);

private:
    QWidget &FGrid;
    platform::WindowTimers &FTimers;
    bool FActive = false;
    QPoint FOrigin;
    bool FHintsOn = false;
    // Holds the pan cursor; the cursor from before panning comes back with it.
    std::unique_ptr<platform::OverrideCursor> FCursor;
    // A child of the grid, made when first drawn.
    TPanMarker *FMarker = nullptr;
};
