#include "platform/controls/TImage.h"

#include <QMouseEvent>
#include <QPainter>

namespace platform {

TImage::TImage(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
}

void TImage::setPicture(const LoadedPicture &picture)
{
    m_picture = picture;
    update();
}

void TImage::paintEvent(QPaintEvent *)
{
    if (m_picture.shown.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture.shown);
}

void TImage::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_leftHeld = true;
    m_clickArmed = true;
}

void TImage::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_leftHeld = true;
    m_clickArmed = false;
}

void TImage::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (!m_leftHeld && !rect().contains(pos))
        return;
    if (OnMouseMove)
        OnMouseMove(this, TShiftState{event->modifiers(), event->buttons()}, pos.x(), pos.y());
}

void TImage::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const bool click = m_clickArmed && rect().contains(event->position().toPoint());
    m_leftHeld = false;
    m_clickArmed = false;
    if (click && OnClick)
        OnClick(this);
}

} // namespace platform
