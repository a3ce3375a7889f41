#include "grid/CellGrid.h"

#include "platform/CursorShapes.h"
#include "platform/ProgramResources.h"

#include <QCursor>

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

bool TCellGrid::PanCanStart() const
{
    return WheelMessage() != 0 && !FPanning && FIntelliPan != ipNone && FixedRows() < RowCount();
}

void TCellGrid::PanStart(QPoint clientPoint)
{
    FPanCursor = std::make_unique<platform::OverrideCursor>(platform::cursorShape(8000));
    FPanning = true;
    Timers().start(PanTimerId, PanTimerInterval);
    FPanOrigin = clientPoint;
    grabMouse();
    FShowHint = false;
    DrawPanMarker();
}

void TCellGrid::PanEnd()
{
    if (mouseGrabber() == this)
        releaseMouse();
    Timers().stop(PanTimerId);
    FPanCursor.reset();
    FShowHint = true;
    FPanning = false;
    ErasePanMarker();
}

void TCellGrid::PanStep()
{
    const QPoint point = ClientPoint(mapFromGlobal(QCursor::pos()));
    int h = sideOf(point.x(), FPanOrigin.x());
    int v = sideOf(point.y(), FPanOrigin.y());
    if (FIntelliPan == ipHorizontal)
        v = 0;
    if (FIntelliPan == ipVertical)
        h = 0;

    const std::int32_t lastRow = RowCount() - FFixedFooters - 1;
    const std::int32_t lastCol = ColCount() - FFixedRightCols - 1;
    if (Row() > lastRow)
        SetRow(lastRow);
    if (Row() < FixedRows())
        SetRow(FixedRows());
    if (Col() > lastCol)
        SetCol(lastCol);
    if (Col() < FixedCols())
        SetCol(FixedCols());

    // A move that scrolls would carry the marker along with the cells.
    if ((h == -1 && Col() > FixedCols()) || (h == 1 && Col() < lastCol)) {
        const std::int32_t col = Col() + h;
        if (col < LeftCol() || col >= LeftCol() + VisibleColCount())
            ErasePanMarker();
        SetCol(col);
    }
    if ((v == -1 && Row() > FixedRows()) || (v == 1 && Row() < lastRow)) {
        const std::int32_t row = Row() + v;
        if (row < TopRow() || row >= TopRow() + VisibleRowCount())
            ErasePanMarker();
        if (row >= 0 && row <= RowCount() - 1)
            SetRow(row);
    }

    if (FPanCursor)
        FPanCursor->change(platform::cursorShape(panCursorFor(v, h)));
    DrawPanMarker();
}

void TCellGrid::DrawPanMarker()
{
    const QString name = panMarkerName(FIntelliPan);
    if (name.isEmpty())
        return;
    const QImage picture = TPanMarker::PictureOf(platform::resourceBitmap(name));
    if (picture.isNull())
        return;
    if (!FPanMarker)
        FPanMarker = new TPanMarker(this);
    FPanMarker->ShowAt(picture, ClientOrigin() + FPanOrigin);
}

void TCellGrid::ErasePanMarker()
{
    if (FPanMarker)
        FPanMarker->hide();
    update(QRect(ClientOrigin() + FPanOrigin, QSize(PanMarkerExtent, PanMarkerExtent)));
}
