#include "grid/CellGrid.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

// Every input reaches the grid here first. Panning and the wheel look at it
// before its own handler runs, in a fixed order: the pan step on any timer
// tick, the pan start on a middle press, the pan end on any press or key, the
// wheel step; only the wheel step may keep a message from its handler.
bool TCellGrid::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Timer:
        if (FPan.Active() && WheelMessage() != 0 && FIntelliPan != ipNone)
            PanStep();
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        // A quick second press comes as a double click; it still counts as a
        // press, so that it ends panning like any other.
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const Qt::MouseButton button = mouse->button();
        bool started = false;
        if (button == Qt::MiddleButton && PanCanStart()) {
            FPan.Start(ClientPoint(mouse->position().toPoint()));
            DrawPanMarker();
            started = true;
        }
        const bool endsPanning = button == Qt::MiddleButton || button == Qt::LeftButton || button == Qt::RightButton;
        if (!started && endsPanning && FPan.Active() && WheelMessage() != 0) {
            FPan.End();
            ErasePanMarker();
        }
        break;
    }
    case QEvent::KeyPress: {
        if (FPan.Active() && WheelMessage() != 0) {
            FPan.End();
            ErasePanMarker();
        }
        // Tab belongs to the grid only with goTabs, and never in row select
        // mode, which takes the arrow keys alone; otherwise it moves the focus
        // on through the window's controls.
        auto *key = static_cast<QKeyEvent *>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (tab && Options().testFlag(goTabs) && !Options().testFlag(goRowSelect)
            && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            keyPressEvent(key);
            return true;
        }
        break;
    }
    case QEvent::Wheel: {
        const auto *wheel = static_cast<QWheelEvent *>(event);
        if (WheelNotchDelta(*wheel) != 0 && WheelMessage() != 0 && !FPan.Active() && !WheelStep(*wheel)) {
            event->accept();
            return true;
        }
        break;
    }
    case QEvent::Paint:
        // Answered without drawing while a wheel step moves the current row.
        if (FPaintLock > 0)
            return true;
        break;
    case QEvent::ToolTip:
        if (FPan.HintsOn())
            HintRequest(*static_cast<QHelpEvent *>(event));
        return true;
    default: break;
    }
    return TBaseGrid::event(event);
}
