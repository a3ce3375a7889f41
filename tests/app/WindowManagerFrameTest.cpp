#include "FramedDisplay.h"
#include "app/Main.h"

#include <QApplication>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

#include <iostream>

namespace {

// Started as a child process on a real X server: shows the main window and
// prints its frame once the window manager has framed it.
TEST(WindowManagerFrameChild, DISABLED_ShowAndReportTheFrame)
{
    TForm1 form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    // The parent judges the frame; this only waits for it, and then for
    // whatever the window manager still does.
    static_cast<void>(QTest::qWaitFor([&] { return form.frameGeometry().size() == QSize(849, 602); }, 3000));
    QTest::qWait(300);
    const QRect frame = form.frameGeometry();
    std::cout << "FRAME " << frame.x() << ' ' << frame.y() << ' ' << frame.width() << ' ' << frame.height()
              << " CLIENT " << form.width() << ' ' << form.height() << std::endl;
}

} // namespace

TEST(WindowManagerFrame, OuterSizeHoldsTheFrameAndThePositionStays)
{
    FramedDisplay server;
    QString display;
    if (!server.start(display))
        GTEST_SKIP() << display.toStdString();

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display);
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_also_run_disabled_tests"),
                 QStringLiteral("--gtest_filter=WindowManagerFrameChild.DISABLED_ShowAndReportTheFrame"),
                 QStringLiteral("-platform"), QStringLiteral("xcb")});
    ASSERT_TRUE(child.waitForFinished(30000));
    const QByteArray output = child.readAllStandardOutput();
    const qsizetype at = output.indexOf("FRAME ");
    ASSERT_GE(at, 0) << output.toStdString() << child.readAllStandardError().toStdString();
    const QByteArray report = output.mid(at, output.indexOf('\n', at) - at);
    const QList<QByteArray> numbers = report.split(' ');
    ASSERT_EQ(numbers.size(), 8) << report.toStdString();
    EXPECT_EQ(QRect(numbers[1].toInt(), numbers[2].toInt(), numbers[3].toInt(), numbers[4].toInt()),
              QRect(235, 245, 849, 602))
        << report.toStdString();
    // The frame lies inside that size: the client area is smaller by it.
    EXPECT_LT(numbers[6].toInt(), 849);
    EXPECT_LT(numbers[7].toInt(), 602);
}
