#pragma once

#include "grid/GridTypes.h"
#include "platform/forms/Events.h"
#include "platform/forms/TextAlignment.h"

#include <QChar>
#include <QPoint>
#include <QString>
#include <cstdint>
#include <functional>

class QObject;

// The grid's events. Each is optional: raised only when assigned, with the
// sender first; a by-reference argument comes preset with the grid's default
// and the grid uses what the handler leaves in it.

using TGetDisplTextEvent = std::function<void(QObject *Sender, std::int32_t ACol, std::int32_t ARow, QString &Value)>;

using TCellsChangedEvent = std::function<void(QObject *Sender, const TGridRect &R)>;

// The owner's answer for a cell's alignment is the event the stored form binds.
using TGridAlignEvent = TGetAlignmentEvent;

// ---- Input events ----------------------------------------------------------

using TMouseEvent = std::function<void(QObject *Sender, Qt::MouseButton Button, TShiftState Shift, int X, int Y)>;

// Key is the key code; a handler that sets it to 0 consumes the key.
using TKeyEvent = std::function<void(QObject *Sender, int &Key, TShiftState Shift)>;

using TKeyPressEvent = std::function<void(QObject *Sender, QChar &Key)>;

using TMouseWheelUpDownEvent = std::function<void(QObject *Sender, TShiftState Shift, QPoint MousePos, bool &Handled)>;

using TSelectCellEvent = std::function<void(QObject *Sender, std::int32_t ACol, std::int32_t ARow, bool &CanSelect)>;

using TClickCellEvent = std::function<void(QObject *Sender, std::int32_t ARow, std::int32_t ACol)>;

using TRowChangingEvent = std::function<void(QObject *Sender, std::int32_t OldRow, std::int32_t NewRow, bool &Allow)>;

using TColChangingEvent = std::function<void(QObject *Sender, std::int32_t OldCol, std::int32_t NewCol, bool &Allow)>;

using TCellChangingEvent = std::function<void(QObject *Sender, std::int32_t OldRow, std::int32_t OldCol,
                                              std::int32_t NewRow, std::int32_t NewCol, bool &Allow)>;

using TCanEditCellEvent = std::function<void(QObject *Sender, std::int32_t ARow, std::int32_t ACol, bool &CanEdit)>;

using TGridHintEvent = std::function<void(QObject *Sender, std::int32_t ARow, std::int32_t ACol, QString &hintstr)>;
