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
    // A child control hears of the user's new colours as a change of its own
    // palette, not of the application's.
    if (event->type() == QEvent::ApplicationPaletteChange || event->type() == QEvent::PaletteChange)
        applyColor();
    return QLineEdit::event(event);
}

void TEdit::applyColor()
{
    const QColor base = resolveColor(m_color);
    // Setting the palette raises a palette change of its own.
    if (palette().color(QPalette::Base) == base && testAttribute(Qt::WA_SetPalette))
        return;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, base);
    setPalette(palette);
}

} // namespace platform
