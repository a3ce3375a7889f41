#include "platform/controls/TMemo.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QTest>
#include <gtest/gtest.h>

using platform::TMemo;

namespace {

class MemoTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(400, 400);
        memo.setGeometry(0, 0, 289, 353);
        next.setGeometry(0, 360, 100, 20);
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        memo.setFocus();
    }

    QWidget window;
    TMemo memo{&window};
    QLineEdit next{&window};
};

} // namespace

TEST_F(MemoTest, LinesAddedToAnUntouchedTextEachEndWithCrLf)
{
    memo.addLine(QStringLiteral("pos=0,2,0"));
    EXPECT_EQ(memo.text(), QStringLiteral("pos=0,2,0\r\n"));
    memo.addLine(QStringLiteral("rot=0,0.0000,0"));
    EXPECT_EQ(memo.text(), QStringLiteral("pos=0,2,0\r\nrot=0,0.0000,0\r\n"));
}

TEST_F(MemoTest, AfterATypedLastLineTheAddedLineStartsWithItsOwnBreak)
{
    QTest::keyClicks(&memo, QStringLiteral("first"));
    QTest::keyClick(&memo, Qt::Key_Return);
    QTest::keyClicks(&memo, QStringLiteral("note"));
    EXPECT_EQ(memo.text(), QStringLiteral("first\r\nnote"));

    // The caret and a selection in the middle do not decide where the line goes.
    memo.selectAll();
    memo.addLine(QStringLiteral("a"));
    memo.addLine(QStringLiteral("b"));
    EXPECT_EQ(memo.text(), QStringLiteral("first\r\nnote\r\na\r\nb"));
    EXPECT_FALSE(memo.textCursor().hasSelection());
    EXPECT_TRUE(memo.textCursor().atEnd());

    // Typing goes on where the caret was left, after the added text.
    QTest::keyClicks(&memo, QStringLiteral("!"));
    EXPECT_EQ(memo.text(), QStringLiteral("first\r\nnote\r\na\r\nb!"));
}

TEST_F(MemoTest, TypedBreakAtTheEndCountsAsALineBreak)
{
    QTest::keyClicks(&memo, QStringLiteral("x"));
    QTest::keyClick(&memo, Qt::Key_Return);
    memo.addLine(QStringLiteral("y"));
    EXPECT_EQ(memo.text(), QStringLiteral("x\r\ny\r\n"));
}

TEST_F(MemoTest, TabLeavesTheFieldInsteadOfTyping)
{
    QTest::keyClick(&memo, Qt::Key_Tab);
    EXPECT_TRUE(memo.text().isEmpty());
    EXPECT_TRUE(next.hasFocus());
}

TEST_F(MemoTest, AddedLineIsScrolledIntoView)
{
    for (int i = 0; i < 200; ++i)
        memo.addLine(QStringLiteral("line %1").arg(i));
    QApplication::processEvents();
    const QScrollBar *bar = memo.verticalScrollBar();
    EXPECT_GT(bar->value(), 0);
    EXPECT_TRUE(memo.viewport()->rect().contains(memo.cursorRect()));
}

TEST_F(MemoTest, TextRoundTripsWithCrLf)
{
    memo.setText(QStringLiteral("a\r\nb\r\n"));
    EXPECT_EQ(memo.text(), QStringLiteral("a\r\nb\r\n"));
    memo.setText(QString());
    EXPECT_TRUE(memo.text().isEmpty());
    memo.addLine(QString());
    EXPECT_EQ(memo.text(), QStringLiteral("\r\n"));
}

TEST_F(MemoTest, LinesWrapAtWordsOrAnywhereWithinTheWidthBesideAVerticalBar)
{
    memo.setText(QStringLiteral("short"));
    QApplication::processEvents();
    EXPECT_TRUE(memo.verticalScrollBar()->isVisible());
    EXPECT_FALSE(memo.horizontalScrollBar()->isVisible());

    QString words;
    for (int i = 0; i < 40; ++i)
        words += QStringLiteral("reef%1 ").arg(i);
    memo.setText(words + QStringLiteral("\r\n") + QString(200, QLatin1Char('x')));
    QApplication::processEvents();
    const QTextBlock first = memo.document()->firstBlock();
    const QTextLayout *layout = first.layout();
    ASSERT_GT(layout->lineCount(), 1);
    for (int i = 1; i < layout->lineCount(); ++i)
        EXPECT_EQ(first.text().at(layout->lineAt(i).textStart() - 1), QLatin1Char(' ')) << i;
    // A word longer than the width breaks where the width ends.
    EXPECT_GT(first.next().layout()->lineCount(), 1);
    EXPECT_FALSE(memo.horizontalScrollBar()->isVisible());
}
