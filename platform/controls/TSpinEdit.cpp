#include "platform/controls/TSpinEdit.h"

#include "platform/controls/WholeNumberText.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QToolButton>

#include <algorithm>

namespace platform {

namespace {

constexpr int kButtonWidth = 15;
constexpr int kRepeatDelayMs = 400;
constexpr int kRepeatIntervalMs = 100;

// Keys that type no character (navigation, deletion, shortcuts) are never refused.
bool refusedCharacters(const QString &typed)
{
    if (typed.isEmpty() || typed == QLocale().decimalPoint())
        return false;
    for (const QChar c : typed) {
        const char16_t u = c.unicode();
        if (u == u'\r' || u == u'\n')
            return true;
        const bool control = u < 0x20 || u == 0x7F;
        const bool allowed = (u >= u'0' && u <= u'9') || u == u'+' || u == u'-';
        if (!control && !allowed)
            return true;
    }
    return false;
}

} // namespace

TSpinEdit::TSpinEdit(QWidget *parent)
    : QLineEdit(parent)
    , m_up(makeButton(Qt::UpArrow, +1))
    , m_down(makeButton(Qt::DownArrow, -1))
{
    setFocusPolicy(Qt::StrongFocus);
    setTextMargins(0, 0, kButtonWidth, 0);
    setText(QStringLiteral("0"));
    connect(&m_repeat, &QTimer::timeout, this, &TSpinEdit::repeatStep);
}

QToolButton *TSpinEdit::makeButton(Qt::ArrowType arrow, int direction)
{
    auto *button = new QToolButton(this);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QToolButton::pressed, this, [this, direction] {
        setFocus(Qt::MouseFocusReason);
        startRepeat(direction);
    });
    connect(button, &QToolButton::released, &m_repeat, &QTimer::stop);
    return button;
}

void TSpinEdit::startRepeat(int direction)
{
    m_repeatDirection = direction;
    step(direction);
    m_repeat.start(kRepeatDelayMs);
}

void TSpinEdit::repeatStep()
{
    step(m_repeatDirection);
    m_repeat.setInterval(kRepeatIntervalMs);
}

int TSpinEdit::value() const
{
    return parseWholeNumber(text()).value_or(m_min);
}

void TSpinEdit::setValue(int value)
{
    setText(QString::number(limited(value)));
}

std::int64_t TSpinEdit::limited(std::int64_t value) const
{
    return m_max > m_min ? std::clamp<std::int64_t>(value, m_min, m_max) : value;
}

void TSpinEdit::step(int direction)
{
    const std::int64_t next = std::int64_t(value()) + std::int64_t(direction) * m_increment;
    setText(QString::number(limited(next)));
}

void TSpinEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        step(event->key() == Qt::Key_Up ? +1 : -1);
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    // With Ctrl, Alt or Meta a key is a shortcut (paste, cut, ...), not typing.
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (enter || (!shortcut && refusedCharacters(event->text()))) {
        QApplication::beep();
        emit keyRefused();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TSpinEdit::focusOutEvent(QFocusEvent *event)
{
    if (event->reason() != Qt::PopupFocusReason) {
        const int read = value();
        if (limited(read) != read)
            setText(QString::number(limited(read)));
    }
    QLineEdit::focusOutEvent(event);
}

void TSpinEdit::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    const int half = height() / 2;
    m_up->setGeometry(width() - kButtonWidth - 1, 1, kButtonWidth, half - 1);
    m_down->setGeometry(width() - kButtonWidth - 1, half, kButtonWidth, height() - half - 1);
}

} // namespace platform
