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

TApplication::TApplication(int &argc, char **argv)
    : QApplication(argc, argv)
    , m_title(applicationTitleFor(QApplication::applicationFilePath()))
    , m_presenter([](const QString &title, const QString &text) {
        QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, QApplication::activeWindow());
        box.exec();
    })
{
    setApplicationName(m_title);
}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        showException(QString::fromUtf8(error.what()));
    } catch (...) {
        showException(QStringLiteral("Unknown exception"));
    }
    return false;
}

void TApplication::showException(const QString &message) const
{
    m_presenter(m_title, exceptionMessageText(message));
}

} // namespace platform
