#pragma once

#include "platform/forms/Events.h"

#include <QPushButton>

namespace platform {

// Push button; OnClick is raised by the mouse and by Space while focused.
class TButton : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ text WRITE setText)

public:
    explicit TButton(QWidget *parent);

    TNotifyEvent OnClick;
};

} // namespace platform
