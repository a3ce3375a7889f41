#include "platform/controls/TEdit.h"

#include <QEvent>

namespace platform {

TEdit::TEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    applyColor();
}

void TEdit::setColor(TColor color)
{
    m_color = color;
    applyColor();
}

bool TEdit::event(QEvent *event)
{
    if (event->type() == QEvent::ApplicationPaletteChange)
        applyColor();
    return QLineEdit::event(event);
}

void TEdit::applyColor()
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, resolveColor(m_color));
    setPalette(palette);
}

} // namespace platform
