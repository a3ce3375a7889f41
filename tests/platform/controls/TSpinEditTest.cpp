#include "platform/controls/TSpinEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using platform::TSpinEdit;

namespace {

// A shown window with the spin field (1..10, value 4) and a second field
// that can take the focus away from it.
class SpinEditTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(200, 80);
        spin.setGeometry(10, 10, 81, 22);
        other.setGeometry(10, 40, 81, 22);
        spin.setMinValue(1);
        spin.setMaxValue(10);
        spin.setValue(4);
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        spin.setFocus();
    }

    void typeText(const QString &text)
    {
        spin.selectAll();
        QTest::keyClick(&spin, Qt::Key_Delete);
        QTest::keyClicks(&spin, text);
    }

    void leave() { other.setFocus(Qt::TabFocusReason); }

    QWidget window;
    TSpinEdit spin{&window};
    QLineEdit other{&window};
};

} // namespace

TEST_F(SpinEditTest, ValueIsReadFromTheTextAndNotLimitedWhileItStands)
{
    typeText(QStringLiteral("50"));
    EXPECT_EQ(spin.value(), 50);
    typeText(QStringLiteral("0"));
    EXPECT_EQ(spin.value(), 0);
    for (const char *unreadable : {"", "-", "+", "1.5", "3x"}) {
        spin.setText(QString::fromLatin1(unreadable));
        EXPECT_EQ(spin.value(), 1) << unreadable;
    }
}

TEST_F(SpinEditTest, TypingRefusesOtherKeysWithABeepButPastingIsFree)
{
    QSignalSpy refused(&spin, &TSpinEdit::keyRefused);
    typeText(QStringLiteral("-+12"));
    EXPECT_EQ(spin.text(), QStringLiteral("-+12"));
    EXPECT_EQ(refused.count(), 0);

    QTest::keyClicks(&spin, QStringLiteral("a "));
    QTest::keyClick(&spin, Qt::Key_Return);
    QTest::keyClick(&spin, Qt::Key_Enter);
    EXPECT_EQ(spin.text(), QStringLiteral("-+12"));
    EXPECT_EQ(refused.count(), 4);

    // Editing keys are not refused.
    QTest::keyClick(&spin, Qt::Key_Backspace);
    QTest::keyClick(&spin, Qt::Key_Home);
    QTest::keyClick(&spin, Qt::Key_Delete);
    EXPECT_EQ(spin.text(), QStringLiteral("+1"));
    EXPECT_EQ(refused.count(), 4);

    // The decimal separator of the user's settings as they are now passes, another does not.
    const QLocale original;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTest::keyClicks(&spin, QStringLiteral(","));
    QTest::keyClicks(&spin, QStringLiteral("."));
    QLocale::setDefault(original);
    EXPECT_EQ(spin.text(), QStringLiteral(",+1"));
    EXPECT_EQ(refused.count(), 5);
    QTest::keyClicks(&spin, QStringLiteral("."));
    EXPECT_EQ(spin.text(), QStringLiteral(",.+1"));
    EXPECT_EQ(refused.count(), 5);

    QApplication::clipboard()->setText(QStringLiteral("abc"));
    spin.selectAll();
    QTest::keyClick(&spin, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(spin.text(), QStringLiteral("abc"));
    EXPECT_EQ(spin.value(), 1);
}

TEST_F(SpinEditTest, AltWithACharacterIsRefusedWhileEditingShortcutsWork)
{
    QSignalSpy refused(&spin, &TSpinEdit::keyRefused);
    typeText(QStringLiteral("12"));
    QTest::keyClick(&spin, Qt::Key_X, Qt::AltModifier);
    QTest::keyClick(&spin, Qt::Key_5, Qt::AltModifier);
    QTest::keyClick(&spin, Qt::Key_Q, Qt::MetaModifier);
    EXPECT_EQ(spin.text(), QStringLiteral("12"));
    EXPECT_EQ(refused.count(), 3);

    QTest::keyClick(&spin, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&spin, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("12"));
    QTest::keyClick(&spin, Qt::Key_End);
    QTest::keyClicks(&spin, QStringLiteral("3"));
    QTest::keyClick(&spin, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&spin, Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(spin.text().isEmpty());
    QTest::keyClick(&spin, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(&spin, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(spin.text(), QStringLiteral("123123"));
    QTest::keyClick(&spin, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(spin.text(), QStringLiteral("123"));
    EXPECT_EQ(refused.count(), 3);
}

TEST_F(SpinEditTest, LeavingLimitsAReadableTextAndKeepsAnUnreadableOne)
{
    const struct
    {
        const char *typed;
        const char *afterLeaving;
    } cases[] = {{"50", "10"}, {"0", "1"}, {"-3", "1"}, {"7", "7"}, {"+7", "+7"}, {"", ""}, {"-", "-"}, {"1-", "1-"}};
    for (const auto &c : cases) {
        spin.setFocus();
        typeText(QString::fromLatin1(c.typed));
        leave();
        EXPECT_EQ(spin.text(), QString::fromLatin1(c.afterLeaving)) << c.typed;
    }

    // A popup taking the focus, such as the field's own menu, is not leaving.
    spin.setFocus();
    typeText(QStringLiteral("50"));
    QMenu menu(&spin);
    menu.addAction(QStringLiteral("Copy"));
    menu.popup(spin.mapToGlobal(QPoint(5, 5)));
    QApplication::processEvents();
    EXPECT_EQ(spin.text(), QStringLiteral("50"));
    menu.close();
    leave();
    EXPECT_EQ(spin.text(), QStringLiteral("10"));
}

TEST_F(SpinEditTest, UpAndDownKeysStepTheReadValueWithinTheLimits)
{
    QTest::keyClick(&spin, Qt::Key_Up);
    EXPECT_EQ(spin.text(), QStringLiteral("5"));
    typeText(QStringLiteral("50"));
    QTest::keyClick(&spin, Qt::Key_Up);
    EXPECT_EQ(spin.text(), QStringLiteral("10"));
    typeText(QStringLiteral("50"));
    QTest::keyClick(&spin, Qt::Key_Down);
    EXPECT_EQ(spin.text(), QStringLiteral("10"));
    typeText(QString());
    QTest::keyClick(&spin, Qt::Key_Down);
    EXPECT_EQ(spin.text(), QStringLiteral("1"));
    typeText(QStringLiteral("abc"));
    QTest::keyClick(&spin, Qt::Key_Up);
    EXPECT_EQ(spin.text(), QStringLiteral("2"));
}

TEST_F(SpinEditTest, HeldButtonStepsAtOnceThenAfter400ThenEvery100Ms)
{
    leave();
    QToolButton *up = spin.upButton();
    QTest::mousePress(up, Qt::LeftButton);
    EXPECT_EQ(spin.text(), QStringLiteral("5"));
    EXPECT_TRUE(spin.hasFocus());
    EXPECT_TRUE(spin.repeatTimer().isActive());
    EXPECT_EQ(spin.repeatTimer().interval(), 400);

    EXPECT_TRUE(QTest::qWaitFor([&] { return spin.text() == QStringLiteral("6"); }, 5000));
    EXPECT_EQ(spin.repeatTimer().interval(), 100);
    EXPECT_TRUE(QTest::qWaitFor([&] { return spin.text() == QStringLiteral("10"); }, 5000));

    QTest::mouseRelease(up, Qt::LeftButton);
    EXPECT_FALSE(spin.repeatTimer().isActive());
    EXPECT_EQ(spin.text(), QStringLiteral("10"));

    QTest::mouseClick(spin.downButton(), Qt::LeftButton);
    EXPECT_EQ(spin.text(), QStringLiteral("9"));
    EXPECT_FALSE(spin.repeatTimer().isActive());

    // Quick clicks each step, the second of a double click too.
    const QPoint down = spin.downButton()->mapTo(&window, spin.downButton()->rect().center());
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, down);
    EXPECT_EQ(spin.text(), QStringLiteral("7"));
    EXPECT_FALSE(spin.repeatTimer().isActive());
}

TEST_F(SpinEditTest, PointerLeavingAndReturningToAHeldButtonAddsNoStep)
{
    spin.setValue(3);
    QToolButton *up = spin.upButton();
    const QPoint off(-20, 5);
    QTest::mousePress(up, Qt::LeftButton);
    for (int wobble = 0; wobble < 2; ++wobble) {
        QTest::mouseMove(up, off);
        QTest::mouseMove(up, up->rect().center());
    }
    EXPECT_EQ(spin.text(), QStringLiteral("4"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return spin.text() == QStringLiteral("5"); }, 5000));

    // Off the button the repeat waits; a release there still ends it.
    QTest::mouseMove(up, off);
    QTest::qWait(300);
    EXPECT_EQ(spin.text(), QStringLiteral("5"));
    QTest::mouseRelease(up, Qt::LeftButton, {}, off);
    EXPECT_FALSE(spin.repeatTimer().isActive());
    QTest::mouseMove(up, up->rect().center());
    QTest::qWait(300);
    EXPECT_EQ(spin.text(), QStringLiteral("5"));
}
