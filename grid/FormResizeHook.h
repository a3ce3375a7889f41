#pragma once

#include "platform/ResizeHandlerHost.h"

#include <QSize>
#include <functional>

class QWidget;

// The grid's hold on its form's resize handler. Made with the grid, it takes
// over the handler of the form around the grid's owner (when that form has
// one to take), and puts the handler it replaced back when it goes.
class TFormResizeHook
{
public:
    using ResizeHandler = platform::ResizeHandlerHost::ResizeHandler;
    // Sizes the grid for the form's new size; answers whether the grid took
    // the change, so that the next one is measured from the new size.
    using Follow = std::function<bool(QSize change)>;

    // On every resize of the form: follow, then the replaced handler (an
    // exception from it is dropped), then afterwards.
    TFormResizeHook(QWidget *owner, Follow follow, std::function<void()> afterwards);
    ~TFormResizeHook();
    TFormResizeHook(const TFormResizeHook &) = delete;
    TFormResizeHook &operator=(const TFormResizeHook &) = delete;

    ResizeHandler Previous() const { return FPrevious; }

private:
    void FormResized();

    QWidget *FForm = nullptr;
    platform::ResizeHandlerHost *FHost = nullptr;
    ResizeHandler FPrevious;
    QSize FFormSize;
    Follow FFollow;
    std::function<void()> FAfterwards;
};
