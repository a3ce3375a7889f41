#include "WheelSettings.h"

#include <QGuiApplication>
#include <QStyleHints>

namespace platform {

int wheelScrollLines()
{
    return QGuiApplication::styleHints()->wheelScrollLines();
}

} // namespace platform
