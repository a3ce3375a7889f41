#include "PanMarker.h"

#include <QPainter>

TPanMarker::TPanMarker(QWidget *grid)
    : QWidget(grid)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void TPanMarker::ShowAt(const QImage &picture, QPoint topLeft)
{
    FPicture = picture;
    setGeometry(QRect(topLeft, picture.size()));
    raise();
    show();
    repaint();
}

void TPanMarker::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, FPicture);
}
