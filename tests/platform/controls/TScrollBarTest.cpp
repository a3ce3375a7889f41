#include "platform/controls/TScrollBar.h"

#include "TestSupport.h"

#include <QApplication>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

using platform::TScrollBar;

namespace {

// The angle scroll bar as the main window sets it up, recording the position
// seen by each OnChange.
class ScrollBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        bar.setGeometry(0, 0, 177, 16);
        bar.setMaximum(359);
        bar.OnChange = [this](QObject *sender) {
            EXPECT_EQ(sender, &bar);
            seen.push_back(bar.value());
        };
        bar.show();
        QApplication::setActiveWindow(&bar);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&bar));
        bar.setFocus();
    }

    QRect part(QStyle::SubControl control) const { return testsupport::scrollBarPart(bar, control); }

    TScrollBar bar{nullptr};
    std::vector<int> seen;
};

} // namespace

TEST_F(ScrollBarTest, KeysChangeThePositionAndCallOncePerChange)
{
    QTest::keyClick(&bar, Qt::Key_Left);
    EXPECT_TRUE(seen.empty());
    QTest::keyClick(&bar, Qt::Key_Right);
    QTest::keyClick(&bar, Qt::Key_PageDown);
    QTest::keyClick(&bar, Qt::Key_PageUp);
    QTest::keyClick(&bar, Qt::Key_End);
    QTest::keyClick(&bar, Qt::Key_Right);
    QTest::keyClick(&bar, Qt::Key_End);
    QTest::keyClick(&bar, Qt::Key_Home);
    QTest::keyClick(&bar, Qt::Key_Home);
    // Up and Down follow Left and Right, whatever the bar's orientation.
    QTest::keyClick(&bar, Qt::Key_Down);
    QTest::keyClick(&bar, Qt::Key_Up);
    QTest::keyClick(&bar, Qt::Key_Up);
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 1, 359, 0, 1, 0}));
}

TEST_F(ScrollBarTest, ArrowsAndTroughStepByOne)
{
    QTest::mouseClick(&bar, Qt::LeftButton, {}, part(QStyle::SC_ScrollBarAddLine).center());
    QTest::mouseClick(&bar, Qt::LeftButton, {}, part(QStyle::SC_ScrollBarAddPage).center());
    QTest::mouseClick(&bar, Qt::LeftButton, {}, part(QStyle::SC_ScrollBarSubLine).center());
    QTest::mouseClick(&bar, Qt::LeftButton, {}, part(QStyle::SC_ScrollBarSubLine).center());
    QTest::mouseClick(&bar, Qt::LeftButton, {}, part(QStyle::SC_ScrollBarSubLine).center());
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 1, 0}));
}

TEST_F(ScrollBarTest, DraggingTheThumbTracksContinuously)
{
    const QPoint grip = part(QStyle::SC_ScrollBarSlider).center();
    QTest::mousePress(&bar, Qt::LeftButton, {}, grip);
    QTest::mouseMove(&bar, grip + QPoint(30, 0));
    QTest::mouseMove(&bar, grip + QPoint(60, 0));
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, grip + QPoint(60, 0));
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_GT(seen[0], 0);
    EXPECT_GT(seen[1], seen[0]);
    EXPECT_EQ(seen.back(), bar.value());
}

TEST(TScrollBar, AFreshBarRunsFromZeroToOneHundred)
{
    TScrollBar fresh(nullptr);
    QTest::keyClick(&fresh, Qt::Key_End);
    EXPECT_EQ(fresh.value(), 100);
    QTest::keyClick(&fresh, Qt::Key_Home);
    EXPECT_EQ(fresh.value(), 0);
}
