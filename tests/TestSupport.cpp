#include "TestSupport.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QStyleOptionSlider>
#include <QTimer>
#include <gtest/gtest.h>

namespace testsupport {

QPalette fixedPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(0xF0, 0xF0, 0xF0));
    palette.setColor(QPalette::Window, QColor(0xF0, 0xF0, 0xF0));
    palette.setColor(QPalette::Base, QColor(0xFF, 0xFF, 0xFF));
    palette.setColor(QPalette::Text, QColor(0x00, 0x00, 0x00));
    palette.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x00));
    palette.setColor(QPalette::ButtonText, QColor(0x00, 0x00, 0x00));
    palette.setColor(QPalette::Highlight, QColor(0x00, 0x78, 0xD7));
    palette.setColor(QPalette::HighlightedText, QColor(0xFF, 0xFF, 0xFF));
    palette.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xE1));
    palette.setColor(QPalette::ToolTipText, QColor(0x00, 0x00, 0x00));
    return palette;
}

QImage grab(QWidget &widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

PaintCounter::PaintCounter(QWidget &widget)
{
    widget.installEventFilter(this);
}

bool PaintCounter::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::Paint)
        ++m_paints;
    return false;
}

QRect scrollBarPart(const QScrollBar &bar, QStyle::SubControl control)
{
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = bar.orientation();
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.sliderValue = bar.value();
    option.singleStep = bar.singleStep();
    option.pageStep = bar.pageStep();
    option.upsideDown = bar.invertedAppearance();
    return bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, control, &bar);
}

void typeCharacters(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

void failUnansweredMessageBoxes()
{
    // The application owns the timer, so it goes before the event loop does.
    auto *watch = new QTimer(qApp);
    static QPointer<QMessageBox> seen;
    QObject::connect(watch, &QTimer::timeout, [] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box && box == seen && box->isVisible()) {
            ADD_FAILURE() << "Unanswered message box: " << box->text().toStdString();
            box->reject();
        }
        seen = box;
    });
    watch->start(5000);
}

} // namespace testsupport
