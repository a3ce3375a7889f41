#pragma once

#include <QApplication>
#include <QString>

#include <functional>
#include <memory>

class QMessageBox;

namespace platform {

// The program's title: the program file's name without folder and without
// everything from its first ".", every character after the first in lower
// case ("/opt/QuorinLevelMaker" gives "Quorinlevelmaker").
QString applicationTitleFor(const QString &programPath);

// An exception's message as the application shows it: "." is appended when
// the last character sorts after ".".
QString exceptionMessageText(const QString &message);

// The message box for an exception: error icon, OK, the application's title.
std::unique_ptr<QMessageBox> exceptionMessageBox(const QString &title, const QString &message);

// Shows a failure in the exception message box, titled with the
// application's title, and waits for OK.
void showErrorMessage(const QString &message);

// Runs one event delivery. An exception that leaves it goes to `show` with
// its message, and the delivery counts as not handled.
bool deliverShowingExceptions(const std::function<bool()> &deliver,
                              const std::function<void(const QString &message)> &show);

// The application object. An exception that leaves an event handler is
// shown in the exception message box and the event loop goes on.
class TApplication : public QApplication
{
    Q_OBJECT

public:
    TApplication(int &argc, char **argv);

    // The application's title, also its application name.
    QString title() const { return applicationName(); }

    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace platform
