#pragma once

#include <QImage>
#include <QPalette>
#include <QScrollBar>
#include <QStyle>
#include <QWidget>

namespace testsupport {

// The palette every test runs with, so that system colours give fixed pixels.
QPalette fixedPalette();

// Renders a widget into an image the size of the widget.
QImage grab(QWidget &widget);

// Where a part of a scroll bar (arrow, thumb, trough) lies in its own coordinates.
QRect scrollBarPart(const QScrollBar &bar, QStyle::SubControl control);

// Counts the paint events a widget receives while the counter lives.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget &widget);
    int paints() const { return m_paints; }
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int m_paints = 0;
};

// Typing, as a keyboard layout delivers characters that have no key code of their own.
void typeCharacters(QWidget *widget, const QString &text);

// A message box that no test answers fails the running test and is closed,
// instead of waiting for the test's time to run out.
void failUnansweredMessageBoxes();

} // namespace testsupport
