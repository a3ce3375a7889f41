#pragma once

#include <QLineEdit>
#include <QTimer>

#include <cstdint>

class QToolButton;

namespace platform {

// Spin field: a free-typing text field with up and down buttons.
//
// Its value is read from the text at each use (WholeNumberText's rule;
// MinValue when the text is no whole number) and is not limited while the
// text stands. The text is brought within MinValue..MaxValue only when the
// field loses the focus (an unreadable text stays), and by stepping: the
// buttons and the Up/Down keys write the read value +/- Increment, limited.
// Pressing a button steps at once; held, it steps again after 400 ms and
// then every 100 ms until released, pausing while the pointer is off it.
// Typing accepts digits, signs, the user's decimal separator and control
// keys but Enter; other keys, Alt or Meta with a character among them, are
// refused with a beep. Editing shortcuts work, and pasting is not filtered.
class TSpinEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(int MinValue READ minValue WRITE setMinValue)
    Q_PROPERTY(int MaxValue READ maxValue WRITE setMaxValue)
    Q_PROPERTY(int Increment READ increment WRITE setIncrement)
    Q_PROPERTY(int Value READ value WRITE setValue)

public:
    explicit TSpinEdit(QWidget *parent);

    int minValue() const { return m_min; }
    void setMinValue(int min) { m_min = min; }
    int maxValue() const { return m_max; }
    void setMaxValue(int max) { m_max = max; }
    int increment() const { return m_increment; }
    void setIncrement(int increment) { m_increment = increment; }

    int value() const;
    // Writes the value, limited to the range, as the text.
    void setValue(int value);

    QToolButton *upButton() const { return m_up; }
    QToolButton *downButton() const { return m_down; }
    const QTimer &repeatTimer() const { return m_repeat; }

signals:
    // A typed key was refused (after the beep).
    void keyRefused();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    std::int64_t limited(std::int64_t value) const;
    void step(int direction);
    QToolButton *makeButton(Qt::ArrowType arrow);
    void startRepeat(int direction);
    void repeatStep();

    int m_min = 0;
    int m_max = 100;
    int m_increment = 1;
    QTimer m_repeat;
    int m_repeatDirection = 0;
    QToolButton *m_up;
    QToolButton *m_down;
};

} // namespace platform
