#pragma once

#include <QObject>
#include <Qt>

#include <functional>

// Event types of the standard controls. An event is an optional callable:
// the control raises it only when it is assigned, with the sender first.

struct TShiftState
{
    Qt::KeyboardModifiers keys;
    Qt::MouseButtons buttons;
};

using TNotifyEvent = std::function<void(QObject *Sender)>;
// CanClose is preset to true; false keeps the window open.
using TCloseQueryEvent = std::function<void(QObject *Sender, bool &CanClose)>;
using TMouseMoveEvent = std::function<void(QObject *Sender, TShiftState Shift, int X, int Y)>;
