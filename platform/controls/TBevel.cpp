#include "platform/controls/TBevel.h"

#include "platform/Colors.h"

#include <QPainter>

namespace platform {

TBevel::TBevel(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void TBevel::setShape(TBevelShape shape)
{
    m_shape = shape;
    update();
}

void TBevel::setStyle(TBevelStyle style)
{
    m_style = style;
    update();
}

void TBevel::paintEvent(QPaintEvent *)
{
    const QColor shadow = resolveColor(clBtnShadow);
    const QColor highlight = resolveColor(clBtnHighlight);
    const QColor &topLeft = m_style == bsLowered ? shadow : highlight;
    const QColor &bottomRight = m_style == bsLowered ? highlight : shadow;
    const int right = width() - 1;
    const int bottom = height() - 1;
    QPainter painter(this);
    painter.setPen(topLeft);
    painter.drawLine(0, 0, right - 1, 0);
    painter.drawLine(0, 0, 0, bottom - 1);
    painter.setPen(bottomRight);
    painter.drawLine(right, 0, right, bottom);
    painter.drawLine(0, bottom, right, bottom);
}

} // namespace platform
