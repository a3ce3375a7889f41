#pragma once

#include "FakeSystemServices.h"

#include "grid/CellGrid.h"

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <memory>

namespace testsupport {

// Starts the grid units with 3 wheel lines on a platform that has the wheel
// (or, with noWheel, on one that has none) for as long as it lives.
class WheelPlatform
{
public:
    explicit WheelPlatform(bool noWheel = false);
    ~WheelPlatform();
    WheelPlatform(const WheelPlatform &) = delete;
    WheelPlatform &operator=(const WheelPlatform &) = delete;

private:
    FakeSystemServices m_services;
};

// A shown form with a general grid: 5 x 5 cells of 40 x 20 pixels with one
// fixed row and column, all visible, and a line edit before it.
struct GeneralForm
{
    GeneralForm();
    std::unique_ptr<QWidget> form;
    TCellGrid *grid = nullptr;
    QWidget *other = nullptr;
};

// Real Qt input sent straight to a widget; points are widget coordinates.
void press(QWidget *widget, Qt::MouseButton button, QPoint point, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void doubleClick(QWidget *widget, Qt::MouseButton button, QPoint point);
void release(QWidget *widget, Qt::MouseButton button, QPoint point);
void move(QWidget *widget, QPoint point, Qt::MouseButtons held = Qt::NoButton);
void turnWheel(QWidget *widget, int delta, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void turnWheel(QWidget *widget, QPoint angleDelta, Qt::KeyboardModifiers modifiers);
// A timer tick of an identifier the grid never started.
void timerTick(QWidget *widget);
// Delivers one tick of the widget's running timer of that interval.
void fireTimer(QObject *owner, int intervalMs);
// Puts the pointer over a point of the widget.
void pointAt(QWidget *widget, QPoint point);

// The image of the cursor shown over every window; null when there is none.
QImage overrideCursorImage();
QImage cursorImage(int id);

} // namespace testsupport
