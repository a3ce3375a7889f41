#pragma once

#include "platform/forms/Events.h"
#include "platform/pictures/LoadedPicture.h"

#include <QImage>
#include <QWidget>

namespace platform {

// Picture view: shows its picture unscaled at the top-left corner, cut off
// at the view's edges; the rest shows what lies behind the view. It takes no
// focus.
//
// OnMouseMove is raised for motion over the view and, while the left button
// that was pressed over the view is held, for motion anywhere, with
// coordinates beyond the view's edges. OnClick is raised when the left
// button is pressed and released over the view; the second press of a double
// click gives no further click.
class TImage : public QWidget
{
    Q_OBJECT

public:
    explicit TImage(QWidget *parent);

    // What the view shows of its picture, and the picture's own size.
    const QImage &picture() const { return m_picture.shown; }
    QSize pictureSize() const { return m_picture.size; }
    void setPicture(const LoadedPicture &picture);

    TNotifyEvent OnClick;
    TMouseMoveEvent OnMouseMove;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    LoadedPicture m_picture;
    bool m_leftHeld = false;   // left button held since a press over the view
    bool m_clickArmed = false; // that press was a single press, not a double click
};

} // namespace platform
