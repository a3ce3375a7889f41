#include "platform/controls/TButton.h"

namespace platform {

TButton::TButton(QWidget *parent)
    : QPushButton(parent)
{
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] {
        if (OnClick)
            OnClick(this);
    });
}

} // namespace platform
