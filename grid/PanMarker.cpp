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
    setGeometry(QRect(topLeft, picture.deviceIndependentSize().toSize()));
    raise();
    show();
    repaint();
}

void TPanMarker::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, FPicture);
}

QImage TPanMarker::PictureOf(const QImage &bitmap)
{
    if (bitmap.isNull())
        return bitmap;
    QImage picture = bitmap.convertToFormat(QImage::Format_RGB32);
    const QRgb background = picture.pixel(0, 0);
    for (int y = 0; y < picture.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if (line[x] == background)
                line[x] = qRgb(255, 255, 255);
        }
    }
    return picture;
}
