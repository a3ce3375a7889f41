#include "platform/controls/TLabel.h"

#include <QEvent>
#include <QFontMetrics>

namespace platform {

TLabel::TLabel(QWidget *parent)
    : QLabel(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
}

void TLabel::setCaption(const QString &caption)
{
    setText(caption);
    fitToText();
}

void TLabel::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    fitToText();
}

void TLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitToText();
}

void TLabel::fitToText()
{
    if (!m_autoSize)
        return;
    const QFontMetrics metrics(font());
    resize(metrics.horizontalAdvance(text()), metrics.height());
}

} // namespace platform
