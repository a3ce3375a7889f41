#include "platform/controls/TImage.h"
#include "TestSupport.h"

#include <QApplication>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

using platform::TImage;

namespace {

// The terrain view, 512 x 512 at (16, 16) of a window, recording its events.
class ImageTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(600, 600);
        view.setGeometry(16, 16, 512, 512);
        view.OnClick = [this](QObject *sender) {
            EXPECT_EQ(sender, &view);
            ++clicks;
        };
        view.OnMouseMove = [this](QObject *, TShiftState, int x, int y) { moves.emplace_back(x, y); };
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QWidget window;
    TImage view{&window};
    int clicks = 0;
    std::vector<QPoint> moves;
};

} // namespace

TEST_F(ImageTest, LeftPressAndReleaseOverTheViewIsOneClick)
{
    QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(30, 40));
    EXPECT_EQ(clicks, 1);
    QTest::mouseClick(&view, Qt::RightButton, {}, QPoint(30, 40));
    QTest::mouseClick(&view, Qt::MiddleButton, {}, QPoint(30, 40));
    EXPECT_EQ(clicks, 1);
}

TEST_F(ImageTest, DoubleClickGivesOneClick)
{
    // Through the window, as the window system delivers it: press, release,
    // a second press that is the double click, release.
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(46, 56));
    EXPECT_EQ(clicks, 1);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(46, 56), 1000);
    EXPECT_EQ(clicks, 2);
}

TEST_F(ImageTest, ReleaseOutsideReportsNothingAndCapturedMotionGoesBeyondTheEdges)
{
    QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(5, 40));
    QTest::mouseMove(&view, QPoint(-10, 40));
    QTest::mouseMove(&view, QPoint(600, -3));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(600, -3));
    EXPECT_EQ(clicks, 0);
    ASSERT_GE(moves.size(), 2u);
    EXPECT_EQ(moves[moves.size() - 2], QPoint(-10, 40));
    EXPECT_EQ(moves.back(), QPoint(600, -3));

    // Without the button held, motion outside the view does not reach it.
    moves.clear();
    QTest::mouseMove(&view, QPoint(-5, 10));
    QTest::mouseMove(&view, QPoint(511, 511));
    EXPECT_EQ(moves, (std::vector<QPoint>{QPoint(511, 511)}));
}

TEST_F(ImageTest, PictureIsDrawnUnscaledAtTheTopLeftOverTheBackground)
{
    QImage picture(100, 60, QImage::Format_RGB32);
    picture.fill(QColor(200, 10, 10));
    picture.setPixel(99, 59, qRgb(0, 0, 255));
    view.setPicture({picture, picture.size()});
    const QImage shot = testsupport::grab(window);
    const QColor background = QApplication::palette().color(QPalette::Window);
    EXPECT_EQ(shot.pixelColor(16, 16), QColor(200, 10, 10));
    EXPECT_EQ(shot.pixelColor(16 + 99, 16 + 59), QColor(0, 0, 255));
    EXPECT_EQ(shot.pixelColor(16 + 100, 16 + 59), background);
    EXPECT_EQ(shot.pixelColor(16 + 99, 16 + 60), background);
    EXPECT_EQ(shot.pixelColor(300, 300), background);
}

TEST_F(ImageTest, LargerPictureIsCutOffAtTheViewsEdges)
{
    QImage picture(1024, 1024, QImage::Format_RGB32);
    picture.fill(QColor(10, 200, 10));
    picture.setPixel(511, 511, qRgb(255, 255, 0));
    view.setPicture({picture, picture.size()});
    const QImage shot = testsupport::grab(window);
    EXPECT_EQ(shot.pixelColor(16 + 511, 16 + 511), QColor(255, 255, 0));
    EXPECT_EQ(shot.pixelColor(16 + 512, 16 + 100), QApplication::palette().color(QPalette::Window));
    EXPECT_EQ(view.size(), QSize(512, 512));
}
