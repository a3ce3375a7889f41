#pragma once

#include <QByteArray>

namespace platform {

// A loaded theme library: its entry points are found by name, and its
// IsThemeActive entry tells whether the desktop shows a theme.
class ThemeLibrary
{
public:
    virtual ~ThemeLibrary() = default;

    // Whether the library has an entry point of that name.
    virtual bool hasFunction(const QByteArray &name) = 0;
    // The answer of its IsThemeActive entry point (non-zero: a theme is active).
    virtual int isThemeActive() = 0;
};

} // namespace platform
