#include "platform/files/ClaimedFile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether the name still leads to the file the descriptor holds.
bool stillNamed(const QByteArray &name, int fd)
{
    struct stat named = {}, held = {};
    return ::lstat(name.constData(), &named) == 0 && ::fstat(fd, &held) == 0 && sameFile(named, held);
}

} // namespace

ClaimedFile ClaimedFile::claim(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    // Its owner may replace the file between our open and our lock: then
    // the lock holds an old file, and the name is tried again.
    for (int attempt = 0; attempt < 5; ++attempt) {
        ClaimedFile claimed(path, Outcome::Claimed);
        claimed.m_file.reset(::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        if (!claimed.m_file.isValid()) {
            if (errno == ENOENT || errno == ELOOP)
                return ClaimedFile(path, Outcome::NotAFile);
            claimed.m_outcome = Outcome::Unreadable;
            claimed.m_reason = qt_error_string(errno);
            return claimed;
        }
        struct stat held = {};
        if (::fstat(claimed.m_file.get(), &held) != 0 || !S_ISREG(held.st_mode))
            return ClaimedFile(path, Outcome::NotAFile);
        if (::flock(claimed.m_file.get(), LOCK_EX | LOCK_NB) != 0)
            return ClaimedFile(path, Outcome::InUse);
        if (stillNamed(name, claimed.m_file.get()))
            return claimed;
    }
    return ClaimedFile(path, Outcome::InUse);
}

std::optional<QByteArray> ClaimedFile::read(qint64 limit)
{
    if (m_outcome != Outcome::Claimed)
        return std::nullopt;
    QByteArray bytes;
    char buffer[65536];
    for (off_t offset = 0;;) {
        const ssize_t got = ::pread(m_file.get(), buffer, sizeof buffer, offset);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            m_reason = qt_error_string(errno);
            return std::nullopt;
        }
        if (got == 0)
            return bytes;
        if (bytes.size() + got > limit) {
            m_reason = QStringLiteral("it is larger than %1 bytes").arg(limit);
            return std::nullopt;
        }
        bytes.append(buffer, got);
        offset += got;
    }
}

bool ClaimedFile::remove()
{
    const QByteArray name = QFile::encodeName(m_path);
    return m_outcome == Outcome::Claimed && stillNamed(name, m_file.get()) && ::unlink(name.constData()) == 0;
}

} // namespace platform
