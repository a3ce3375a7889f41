#include "platform/forms/TApplication.h"

#include <QFileInfo>
#include <QMessageBox>

#include <exception>

namespace platform {

QString applicationTitleFor(const QString &programPath)
{
    QString name = QFileInfo(programPath).fileName();
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    return name.left(1) + name.mid(1).toLower();
}

QString exceptionMessageText(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

std::unique_ptr<QMessageBox> exceptionMessageBox(const QString &title, const QString &message)
{
    return std::make_unique<QMessageBox>(QMessageBox::Critical, title, exceptionMessageText(message), QMessageBox::Ok,
                                         QApplication::activeWindow());
}

void showErrorMessage(const QString &message)
{
    exceptionMessageBox(QCoreApplication::applicationName(), message)->exec();
}

bool deliverShowingExceptions(const std::function<bool()> &deliver,
                              const std::function<void(const QString &message)> &show)
{
    try {
        return deliver();
    } catch (const std::exception &error) {
        show(QString::fromUtf8(error.what()));
    } catch (...) {
        show(QStringLiteral("Unknown exception"));
    }
    return false;
}

TApplication::TApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setApplicationName(applicationTitleFor(QApplication::applicationFilePath()));
}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    return deliverShowingExceptions([&] { return QApplication::notify(receiver, event); }, showErrorMessage);
}

} // namespace platform
