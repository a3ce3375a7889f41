#include "app/Main.h"

#include <QApplication>
#include <QProcess>
#include <QStandardPaths>
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

// An X server of its own with a small window manager on it, ended with the test.
class FramedDisplay
{
public:
    ~FramedDisplay()
    {
        // Ended, not killed: the server removes its socket and lock file.
        for (QProcess *process : {&m_windowManager, &m_server}) {
            process->terminate();
            if (!process->waitForFinished(5000))
                process->kill();
            process->waitForFinished();
        }
    }

    // Gives the display's name, or why there is none.
    bool start(QString &display)
    {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        const QString openbox = QStandardPaths::findExecutable(QStringLiteral("openbox"));
        if (xvfb.isEmpty() || openbox.isEmpty()) {
            display = QStringLiteral("Xvfb or openbox is not installed");
            return false;
        }
        m_server.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                              QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"),
                              QStringLiteral("1280x1024x24")});
        QByteArray number;
        while (!number.endsWith('\n') && m_server.waitForReadyRead(10000))
            number += m_server.readAllStandardOutput();
        if (number.trimmed().isEmpty()) {
            display = QStringLiteral("Xvfb did not start");
            return false;
        }
        display = QLatin1Char(':') + QString::fromLatin1(number.trimmed());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), display);
        m_windowManager.setProcessEnvironment(environment);
        // The window manager is ready once it announces itself on the root
        // window; right after the server starts it may fail to connect, and
        // is started again.
        const bool ready = QTest::qWaitFor(
            [&] {
                if (m_windowManager.state() == QProcess::NotRunning)
                    m_windowManager.start(openbox, {});
                QProcess query;
                query.start(QStringLiteral("xprop"), {QStringLiteral("-display"), display, QStringLiteral("-root"),
                                                      QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
                query.waitForFinished();
                return query.readAllStandardOutput().contains("window id");
            },
            10000);
        if (!ready)
            display = QStringLiteral("openbox did not start: ")
                      + QString::fromLocal8Bit(m_windowManager.readAllStandardError());
        return ready;
    }

private:
    QProcess m_server;
    QProcess m_windowManager;
};

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
