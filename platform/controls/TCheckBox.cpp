#include "platform/controls/TCheckBox.h"

namespace platform {

TCheckBox::TCheckBox(QWidget *parent)
    : QCheckBox(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

} // namespace platform
