#include "grid/GridPanning.h"

#include "grid/PanMarker.h"
#include "platform/CursorShapes.h"
#include "platform/ProgramResources.h"
#include "platform/WindowTimers.h"

#include <QWidget>

namespace {

constexpr int PanTimerId = 999;
constexpr int PanTimerInterval = 10;
// The pointer must leave this many pixels around the origin, bounds
// included, before panning moves.
constexpr int PanDeadZone = 5;
// The area a marker may cover, from the origin.
constexpr int PanMarkerExtent = 32;

// The pan cursor for the pointer's side of the origin; v is +1 below, h is +1 right.
TCursor panCursorFor(int v, int h)
{
    constexpr TCursor cursors[3][3] = {
        {8006, 8004, 8005}, // above: left, straight, right
        {8002, 8000, 8003}, // level
        {8008, 8001, 8007}, // below
    };
    return cursors[v + 1][h + 1];
}

QString panMarkerName(TIntelliPan pan)
{
    switch (pan) {
    case ipVertical: return QStringLiteral("INTLI3");
    case ipHorizontal: return QStringLiteral("INTLI2");
    case ipBoth: return QStringLiteral("INTLI1");
    case ipNone: break;
    }
    return {};
}

int sideOf(int point, int origin)
{
    if (point < origin - PanDeadZone)
        return -1;
    if (point > origin + PanDeadZone)
        return 1;
    return 0;
}

} // namespace

TGridPanning::TGridPanning(QWidget &grid, platform::WindowTimers &timers)
    : FGrid(grid),
      FTimers(timers)
{}

TGridPanning::~TGridPanning() = default;

void TGridPanning::Start(QPoint origin)
{
    FCursor = std::make_unique<platform::OverrideCursor>(platform::cursorShape(8000));
    FActive = true;
    FTimers.start(PanTimerId, PanTimerInterval);
    FOrigin = origin;
    FGrid.grabMouse();
    FHintsOn = false;
}

void TGridPanning::End()
{
    if (QWidget::mouseGrabber() == &FGrid)
        FGrid.releaseMouse();
    FTimers.stop(PanTimerId);
    FCursor.reset();
    FHintsOn = true;
    FActive = false;
}

QPoint TGridPanning::Direction(QPoint pointer, TIntelliPan pan) const
{
    return {pan == ipVertical ? 0 : sideOf(pointer.x(), FOrigin.x()),
            pan == ipHorizontal ? 0 : sideOf(pointer.y(), FOrigin.y())};
}

void TGridPanning::ShowDirection(QPoint direction)
{
    if (FCursor)
        FCursor->change(platform::cursorShape(panCursorFor(direction.y(), direction.x())));
}

void TGridPanning::DrawMarker(TIntelliPan pan, QPoint clientOrigin)
{
    const QString name = panMarkerName(pan);
    if (name.isEmpty())
        return;
    const QImage picture = TPanMarker::PictureOf(platform::resourceBitmap(name));
    if (picture.isNull())
        return;
    if (!FMarker)
        FMarker = new TPanMarker(&FGrid);
    FMarker->ShowAt(picture, clientOrigin + FOrigin);
}

void TGridPanning::EraseMarker(QPoint clientOrigin)
{
    if (FMarker)
        FMarker->hide();
    FGrid.update(QRect(clientOrigin + FOrigin, QSize(PanMarkerExtent, PanMarkerExtent)));
}
