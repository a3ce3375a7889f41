#include "app/UnsavedRecordsFile.h"

#include "platform/files/FileReplacement.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtDebug>

#include <unistd.h>

using namespace platform;

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
    connect(&m_pending, &QTimer::timeout, this, &UnsavedRecordsFile::writeWhole);
}

void UnsavedRecordsFile::appended(const QString &added)
{
    // The record goes to the system before the click returns, so a killed
    // process loses nothing; the disk gets it in the background.
    if (!m_pending.isActive() && m_whole) {
        if (const std::optional<QString> failure = appendWhole(m_file, added.toUtf8())) {
            m_whole = false;
            reportFailure(*failure);
        } else {
            m_sync.request(m_file);
            return;
        }
    }
    writeWhole();
}

void UnsavedRecordsFile::changed()
{
    if (!m_pending.isActive())
        m_pending.start(kTypingDelayMs);
}

bool UnsavedRecordsFile::writeWhole()
{
    m_pending.stop();
    const QByteArray bytes = m_text().toUtf8();
    if (bytes.isEmpty()) {
        discard();
        return true;
    }
    if (!QDir().mkpath(QFileInfo(m_path).path())) {
        reportFailure(QStringLiteral("the folder cannot be made"));
        return false;
    }
    // On failure the old file stays, and so does its lock.
    FileDescriptor written;
    if (const std::optional<QString> failure = replaceLockedFile(m_path, bytes, written)) {
        m_whole = false;
        reportFailure(*failure);
        return false;
    }
    m_file = std::move(written);
    m_sync.request(m_file, QFile::encodeName(QFileInfo(m_path).path()));
    m_whole = true;
    m_failureReported = false;
    return true;
}

void UnsavedRecordsFile::discard()
{
    m_pending.stop();
    // The name goes before the lock, so no other run can take the file.
    if (m_file.isValid())
        QFile::remove(m_path);
    m_file.reset();
    m_whole = false;
}

void UnsavedRecordsFile::reportFailure(const QString &reason)
{
    // Once until the file can be written again: every click would repeat it.
    if (!m_failureReported)
        qWarning().noquote()
            << QStringLiteral("Unsaved level records cannot be kept in \"%1\": %2").arg(m_path, reason);
    m_failureReported = true;
}
