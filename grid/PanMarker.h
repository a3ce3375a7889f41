#pragma once

#include <QImage>
#include <QWidget>

// The marker that panning shows at the point where it started. It sits on
// the grid as a small child window so that it can be painted at once, while
// the pan step runs, instead of waiting for the grid's next paint; hiding it
// gives the area back to the grid's own painting.
class TPanMarker : public QWidget
{
public:
    explicit TPanMarker(QWidget *grid);

    // Shows the picture with its top-left corner at the point and paints it
    // before returning.
    void ShowAt(const QImage &picture, QPoint topLeft);

    // The marker bitmap with every pixel of its top-left pixel's colour
    // turned white; a null image stays null.
    static QImage PictureOf(const QImage &bitmap);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage FPicture;
};
