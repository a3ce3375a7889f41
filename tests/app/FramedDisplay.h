#pragma once

#include <QProcess>
#include <QString>

// An X server of its own with a small window manager on it, ended with the test.
class FramedDisplay
{
public:
    ~FramedDisplay();

    // Gives the display's name, or why there is none.
    bool start(QString &display);

private:
    QProcess m_server;
    QProcess m_windowManager;
};
