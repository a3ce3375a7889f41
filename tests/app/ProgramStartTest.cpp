#include "FramedDisplay.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Runs an X tool on the display and gives what it printed.
QString askDisplay(const QString &display, const QString &tool, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display);
    process.setProcessEnvironment(environment);
    process.start(tool, arguments);
    process.waitForFinished();
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

// The first shown window whose whole title is this, once there is one.
QString shownWindow(const QString &display, const QString &title)
{
    QString window;
    static_cast<void>(QTest::qWaitFor(
        [&] {
            window = askDisplay(display, QStringLiteral("xdotool"),
                                {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                                 QLatin1Char('^') + title + QLatin1Char('$')})
                         .section(QLatin1Char('\n'), 0, 0);
            return !window.isEmpty();
        },
        10000));
    return window;
}

} // namespace

// The program itself on a real display: its window with its icon, then the
// question about an earlier run's records, answered with Enter.
TEST(ProgramStart, ShowsItsWindowAndOffersWhatAnEarlierRunKept)
{
    FramedDisplay server;
    QString display;
    if (!server.start(display))
        GTEST_SKIP() << display.toStdString();
    const QTemporaryDir stateHome;
    const QDir folder(stateHome.filePath(QStringLiteral("QuorinLevelMaker")));
    ASSERT_TRUE(folder.mkpath(QStringLiteral(".")));
    const QString earlier = folder.filePath(QStringLiteral("unsaved-records-2020-01-01-000000-1.txt"));
    {
        QFile file(earlier);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("pos=1,2,3\r\n");
    }

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display);
    environment.insert(QStringLiteral("XDG_STATE_HOME"), stateHome.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QLM_PROGRAM_PATH), {});
    ASSERT_TRUE(program.waitForStarted());

    const QString main = shownWindow(display, QStringLiteral("Quorin-Levelmaker"));
    ASSERT_FALSE(main.isEmpty()) << program.readAllStandardError().toStdString();
    EXPECT_TRUE(askDisplay(display, QStringLiteral("xprop"), {QStringLiteral("-id"), main, QStringLiteral("_NET_WM_ICON")})
                    .contains(QStringLiteral("Icon (")));

    const QString question = shownWindow(display, QStringLiteral("Quorinlevelmaker"));
    ASSERT_FALSE(question.isEmpty());
    askDisplay(display, QStringLiteral("xdotool"),
               {QStringLiteral("key"), QStringLiteral("--window"), question, QStringLiteral("Return")});
    // The restored text is this run's to keep: its own file holds it, the earlier one is gone.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !QFile::exists(earlier); }, 10000));
    const QStringList files = folder.entryList(QDir::Files);
    ASSERT_EQ(files.size(), 1);
    QFile kept(folder.filePath(files[0]));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("pos=1,2,3\r\n\r\n"));

    program.terminate();
    program.waitForFinished();
}
