#include "platform/controls/TSpinEdit.h"

#include "platform/controls/WholeNumberText.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QToolButton>

#include <algorithm>

namespace platform {

namespace {

constexpr int kButtonWidth = 15;
constexpr int kRepeatDelayMs = 400;
constexpr int kRepeatIntervalMs = 100;

bool printable(const QString &typed)
{
    return std::any_of(typed.begin(), typed.end(), [](QChar c) { return c.isPrint(); });
}

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
    : QLineEdit(parent),
      m_up(makeButton(Qt::UpArrow)),
      m_down(makeButton(Qt::DownArrow))
{
    setFocusPolicy(Qt::StrongFocus);
    setTextMargins(0, 0, kButtonWidth, 0);
    setText(QStringLiteral("0"));
    connect(&m_repeat, &QTimer::timeout, this, &TSpinEdit::repeatStep);
}

QToolButton *TSpinEdit::makeButton(Qt::ArrowType arrow)
{
    auto *button = new QToolButton(this);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->installEventFilter(this);
    return button;
}

bool TSpinEdit::eventFilter(QObject *watched, QEvent *event)
{
    // The press and the release themselves: the button's own pressed and
    // released signals come again each time the pointer leaves the held
    // button and comes back.
    const QEvent::Type type = event->type();
    const bool press = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    if ((watched == m_up || watched == m_down) && (press || type == QEvent::MouseButtonRelease)
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (press) {
            setFocus(Qt::MouseFocusReason);
            startRepeat(watched == m_up ? +1 : -1);
        } else {
            m_repeat.stop();
        }
    }
    return QLineEdit::eventFilter(watched, event);
}

void TSpinEdit::startRepeat(int direction)
{
    m_repeatDirection = direction;
    step(direction);
    m_repeat.start(kRepeatDelayMs);
}

void TSpinEdit::repeatStep()
{
    m_repeat.setInterval(kRepeatIntervalMs);
    // While the pointer is off the held button the repeat waits.
    if ((m_repeatDirection > 0 ? m_up : m_down)->isDown())
        step(m_repeatDirection);
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
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    // Ctrl alone makes an editing shortcut (select all, copy, paste, ...);
    // Ctrl with Alt is how some layouts type characters.
    const bool control = (modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier);
    // Alt or Meta alone would type the key's character, but such a key is a
    // command to the window, not typing.
    const bool command = (modifiers & (Qt::AltModifier | Qt::MetaModifier)) && !(modifiers & Qt::ControlModifier)
                         && printable(event->text());
    if (enter || command || (!control && refusedCharacters(event->text()))) {
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
