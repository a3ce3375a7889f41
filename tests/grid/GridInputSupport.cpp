#include "GridInputSupport.h"

#include "grid/CellGridUnit.h"
#include "grid/GridThemes.h"
#include "platform/CursorShapes.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QTimerEvent>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace testsupport {

WheelPlatform::WheelPlatform(bool noWheel)
{
    m_services.wheelLines = 3;
    if (noWheel)
        m_services.version = {3, 51, 2};
    GridThemes::StartUp(m_services);
    CellGridUnit::StartUp(m_services);
}

WheelPlatform::~WheelPlatform()
{
    CellGridUnit::ShutDown();
    GridThemes::ShutDown();
}

GeneralForm::GeneralForm()
    : form(std::make_unique<QWidget>())
{
    form->resize(300, 200);
    other = new QLineEdit(form.get());
    other->setGeometry(0, 0, 80, 20);
    grid = new TCellGrid(form.get());
    grid->SetLeft(0);
    grid->SetTop(30);
    grid->SetBorderStyle(bsNone);
    grid->SetScrollBars(ssNone);
    grid->SetDefaultColWidth(40);
    grid->SetDefaultRowHeight(20);
    grid->SetWidth(200);
    grid->SetHeight(100);
    grid->Loaded();
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get()))
        ADD_FAILURE() << "the form did not become active";
}

namespace {

void sendMouse(QWidget *widget, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons, QPoint point,
               Qt::KeyboardModifiers modifiers)
{
    QMouseEvent event(type, QPointF(point), QPointF(widget->mapToGlobal(point)), button, buttons, modifiers);
    QApplication::sendEvent(widget, &event);
}

} // namespace

void press(QWidget *widget, Qt::MouseButton button, QPoint point, Qt::KeyboardModifiers modifiers)
{
    sendMouse(widget, QEvent::MouseButtonPress, button, button, point, modifiers);
}

void doubleClick(QWidget *widget, Qt::MouseButton button, QPoint point)
{
    sendMouse(widget, QEvent::MouseButtonDblClick, button, button, point, Qt::NoModifier);
}

void release(QWidget *widget, Qt::MouseButton button, QPoint point)
{
    sendMouse(widget, QEvent::MouseButtonRelease, button, Qt::NoButton, point, Qt::NoModifier);
}

void move(QWidget *widget, QPoint point, Qt::MouseButtons held)
{
    sendMouse(widget, QEvent::MouseMove, Qt::NoButton, held, point, Qt::NoModifier);
}

void turnWheel(QWidget *widget, int delta, Qt::KeyboardModifiers modifiers)
{
    turnWheel(widget, QPoint(0, delta), modifiers);
}

void turnWheel(QWidget *widget, QPoint angleDelta, Qt::KeyboardModifiers modifiers)
{
    const QPoint point(10, 10);
    QWheelEvent event(QPointF(point), QPointF(widget->mapToGlobal(point)), QPoint(), angleDelta, Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

void timerTick(QWidget *widget)
{
    QTimerEvent event(0x7ffffff0);
    QApplication::sendEvent(widget, &event);
}

void fireTimer(QObject *owner, int intervalMs)
{
    for (const QAbstractEventDispatcher::TimerInfo &info : QAbstractEventDispatcher::instance()->registeredTimers(owner))
        if (info.interval == intervalMs) {
            QTimerEvent event(info.timerId);
            QApplication::sendEvent(owner, &event);
            return;
        }
    ADD_FAILURE() << "no timer of " << intervalMs << " ms is running";
}

void pointAt(QWidget *widget, QPoint point)
{
    QCursor::setPos(widget->mapToGlobal(point));
}

QImage overrideCursorImage()
{
    const QCursor *cursor = QGuiApplication::overrideCursor();
    return cursor ? cursor->pixmap().toImage() : QImage();
}

QImage cursorImage(int id)
{
    return platform::cursorShape(id).pixmap().toImage();
}

} // namespace testsupport
