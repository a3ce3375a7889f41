#pragma once

#include <QCheckBox>

namespace platform {

// Check box with its caption to the right of the box.
class TCheckBox : public QCheckBox
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ text WRITE setText)
    Q_PROPERTY(bool Checked READ isChecked WRITE setChecked)

public:
    explicit TCheckBox(QWidget *parent);
};

} // namespace platform
