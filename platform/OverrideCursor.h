#pragma once

#include <QCursor>

namespace platform {

// A cursor shown wherever the pointer is, over every window of the program,
// for as long as this object lives; the cursor shown before comes back when
// it goes.
class OverrideCursor
{
public:
    explicit OverrideCursor(const QCursor &cursor);
    ~OverrideCursor();
    OverrideCursor(const OverrideCursor &) = delete;
    OverrideCursor &operator=(const OverrideCursor &) = delete;

    void change(const QCursor &cursor);
};

} // namespace platform
