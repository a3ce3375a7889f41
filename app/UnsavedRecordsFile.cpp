#include "app/UnsavedRecordsFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QtDebug>

namespace {

// Typing is written at most this long after it changed the text.
constexpr int kTypingDelayMs = 500;

QString freshName()
{
    const QString stem = QStringLiteral("unsaved-records-%1-%2")
                             .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss")))
                             .arg(QCoreApplication::applicationPid());
    const QDir folder(unsavedRecordsFolder());
    QString name = stem + QStringLiteral(".txt");
    for (int n = 2; folder.exists(name); ++n)
        name = stem + QStringLiteral("-%1.txt").arg(n);
    return folder.filePath(name);
}

} // namespace

QString unsavedRecordsFolder()
{
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    const QString base = QDir::isAbsolutePath(state) ? state : QDir::homePath() + QStringLiteral("/.local/state");
    return QDir(base).filePath(QStringLiteral("QuorinLevelMaker"));
}

UnsavedRecordsFile::UnsavedRecordsFile(std::function<QString()> text, QObject *parent)
    : QObject(parent),
      m_text(std::move(text)),
      m_path(freshName())
{
    m_pending.setSingleShot(true);
    connect(&m_pending, &QTimer::timeout, this, &UnsavedRecordsFile::rewrite);
}

void UnsavedRecordsFile::appended(const QString &added)
{
    // The write goes to the system before the click returns: a killed
    // process loses nothing that write() took.
    if (!m_pending.isActive() && m_appending.isOpen()) {
        const QByteArray bytes = added.toUtf8();
        if (m_appending.write(bytes) == bytes.size())
            return;
        reportFailure(m_appending.errorString());
    }
    rewrite();
}

void UnsavedRecordsFile::changed()
{
    if (!m_pending.isActive())
        m_pending.start(kTypingDelayMs);
}

void UnsavedRecordsFile::discard()
{
    m_pending.stop();
    m_appending.close();
    QFile::remove(m_path);
}

void UnsavedRecordsFile::rewrite()
{
    m_pending.stop();
    m_appending.close();
    const QByteArray bytes = m_text().toUtf8();
    if (bytes.isEmpty()) {
        QFile::remove(m_path);
        return;
    }
    if (!QDir().mkpath(QFileInfo(m_path).path())) {
        reportFailure(QStringLiteral("the folder cannot be made"));
        return;
    }
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        reportFailure(file.errorString());
        return;
    }
    m_appending.setFileName(m_path);
    if (!m_appending.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        reportFailure(m_appending.errorString());
        return;
    }
    m_failureReported = false;
}

void UnsavedRecordsFile::reportFailure(const QString &reason)
{
    // Once until the file can be written again: every click would repeat it.
    if (!m_failureReported)
        qWarning().noquote()
            << QStringLiteral("Unsaved level records cannot be kept in \"%1\": %2").arg(m_path, reason);
    m_failureReported = true;
}
