#pragma once

#include <functional>

class QObject;

namespace platform {

// A form whose resize handler can be read and replaced, so that a control
// on it can take the handler over and hand it back later.
class ResizeHandlerHost
{
public:
    using ResizeHandler = std::function<void(QObject *Sender)>;

    virtual ~ResizeHandlerHost() = default;
    virtual ResizeHandler OnResize() const = 0;
    virtual void SetOnResize(ResizeHandler handler) = 0;
};

} // namespace platform
