#include "platform/OverrideCursor.h"

#include <QGuiApplication>

namespace platform {

OverrideCursor::OverrideCursor(const QCursor &cursor)
{
    QGuiApplication::setOverrideCursor(cursor);
}

OverrideCursor::~OverrideCursor()
{
    QGuiApplication::restoreOverrideCursor();
}

void OverrideCursor::change(const QCursor &cursor)
{
    QGuiApplication::changeOverrideCursor(cursor);
}

} // namespace platform
