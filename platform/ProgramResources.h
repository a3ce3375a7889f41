#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QString>

// The pictures the program carries in its own resources (resources/):
// cursors by number, bitmaps and icons by name.
namespace platform {

// The cursor resource with this number, with the hot spot its file names, at
// the screen's pixel ratio. A number the program does not carry gives the
// arrow.
QCursor resourceCursor(int id);

// The bitmap resource of this name in its stored colours, at the screen's
// pixel ratio; a null image when there is none.
QImage resourceBitmap(const QString &name);

// The icon resource of this name with every size the program carries of it;
// a null icon when there is none.
QIcon resourceIcon(const QString &name);

} // namespace platform
