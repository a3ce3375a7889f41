#pragma once

#include <QImage>
#include <QSize>

namespace platform {

// A picture as a view that never scales or scrolls shows it: only its
// top-left part, as far as the view reaches, is decoded or played; the
// picture's own size is kept beside it.
struct LoadedPicture
{
    QImage shown; // the top-left part, at most the view's size
    QSize size;   // the picture's own size
};

} // namespace platform
