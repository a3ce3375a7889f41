#pragma once

#include "platform/Colors.h"

#include <QLineEdit>

namespace platform {

// Single-line text field. Its Color (clWindow unless stored otherwise) is
// resolved from the application palette, again whenever that changes.
class TEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(QString Text READ text WRITE setText)
    Q_PROPERTY(bool ReadOnly READ isReadOnly WRITE setReadOnly)
    Q_PROPERTY(uint Color READ color WRITE setColor)

public:
    explicit TEdit(QWidget *parent);

    TColor color() const { return m_color; }
    void setColor(TColor color);

protected:
    bool event(QEvent *event) override;

private:
    void applyColor();

    TColor m_color = clWindow;
};

} // namespace platform
