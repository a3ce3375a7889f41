#pragma once

#include <QApplication>
#include <QString>

#include <functional>

namespace platform {

// The program's title: the program file's name without folder and without
// everything from its first ".", every character after the first in lower
// case ("/opt/QuorinLevelMaker" gives "Quorinlevelmaker").
QString applicationTitleFor(const QString &programPath);

// An exception's message as the application shows it: "." is appended when
// the last character sorts after ".".
QString exceptionMessageText(const QString &message);

// The application object. An exception that leaves an event handler is
// shown in a message box (error icon, OK, the application's title) and the
// event loop goes on.
class TApplication : public QApplication
{
    Q_OBJECT

public:
    // Shows an exception's message; the default opens the message box.
    using ExceptionPresenter = std::function<void(const QString &title, const QString &text)>;

    TApplication(int &argc, char **argv);

    QString title() const { return m_title; }
    void setExceptionPresenter(ExceptionPresenter presenter) { m_presenter = std::move(presenter); }

    bool notify(QObject *receiver, QEvent *event) override;

    // Shows the message of an exception that a handler let through.
    void showException(const QString &message) const;

private:
    QString m_title;
    ExceptionPresenter m_presenter;
};

} // namespace platform
