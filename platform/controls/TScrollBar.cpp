#include "platform/controls/TScrollBar.h"

#include <QKeyEvent>

namespace platform {

TScrollBar::TScrollBar(QWidget *parent)
    : QScrollBar(Qt::Horizontal, parent)
{
    setRange(0, 100);
    setSingleStep(1);
    setPageStep(1);
    setTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QScrollBar::valueChanged, this, [this] {
        if (OnChange)
            OnChange(this);
    });
}

void TScrollBar::keyPressEvent(QKeyEvent *event)
{
    // Qt's own mapping runs Page Up forward and follows the layout direction;
    // the angle's keys are fixed.
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up: triggerAction(SliderSingleStepSub); break;
    case Qt::Key_Right:
    case Qt::Key_Down: triggerAction(SliderSingleStepAdd); break;
    case Qt::Key_PageUp: triggerAction(SliderPageStepSub); break;
    case Qt::Key_PageDown: triggerAction(SliderPageStepAdd); break;
    case Qt::Key_Home: triggerAction(SliderToMinimum); break;
    case Qt::Key_End: triggerAction(SliderToMaximum); break;
    default: QScrollBar::keyPressEvent(event);
    }
}

} // namespace platform
