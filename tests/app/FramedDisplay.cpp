#include "FramedDisplay.h"

#include <QStandardPaths>
#include <QTest>

FramedDisplay::~FramedDisplay()
{
    // Ended, not killed: the server removes its socket and lock file.
    for (QProcess *process : {&m_windowManager, &m_server}) {
        process->terminate();
        if (!process->waitForFinished(5000))
            process->kill();
        process->waitForFinished();
    }
}

bool FramedDisplay::start(QString &display)
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
