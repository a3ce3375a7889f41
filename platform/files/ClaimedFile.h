#pragma once

#include "platform/files/FileDescriptor.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace platform {

// A file left by another process, held under its exclusive lock (flock) so
// that no other process takes it at the same time. A process that is still
// running holds the lock on its own file, so a file it keeps can never be
// claimed, whatever became of its process id.
class ClaimedFile
{
public:
    enum class Outcome {
        Claimed,
        InUse,      // another process holds it
        NotAFile,   // missing, a folder, a link or a device: not one of ours
        Unreadable, // a file that cannot be opened; reason() says why
    };

    // Never waits: not for a lock, not for a pipe's writer.
    static ClaimedFile claim(const QString &path);

    Outcome outcome() const { return m_outcome; }
    QString path() const { return m_path; }
    QString reason() const { return m_reason; }

    // The whole file, or nothing when it cannot be read or holds more than
    // limit bytes (reason() then says which).
    std::optional<QByteArray> read(qint64 limit);
    // Removes the file's name, unless it now names another file.
    bool remove();

private:
    ClaimedFile(const QString &path, Outcome outcome)
        : m_path(path),
          m_outcome(outcome)
    {}

    QString m_path;
    Outcome m_outcome;
    QString m_reason;
    FileDescriptor m_file;
};

} // namespace platform
