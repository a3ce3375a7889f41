#pragma once

#include "grid/GridTypes.h"
#include "platform/forms/Events.h"
#include "platform/forms/TextAlignment.h"

#include <QString>
#include <cstdint>
#include <functional>

class QObject;

// The grid's events. Each is optional: raised only when assigned, with the
// sender first; a by-reference argument comes preset with the grid's default
// and the grid uses what the handler leaves in it.

using TGetDisplTextEvent =
    std::function<void(QObject *Sender, std::int32_t ACol, std::int32_t ARow, QString &Value)>;

using TCellsChangedEvent = std::function<void(QObject *Sender, const TGridRect &R)>;

// The owner's answer for a cell's alignment is the event the stored form binds.
using TGridAlignEvent = TGetAlignmentEvent;
