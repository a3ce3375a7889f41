#include "platform/files/FileReplacement.h"

#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

QString reasonFor(int error)
{
    return qt_error_string(error);
}

// Writes everything, going on after short writes and interruptions.
bool writeAll(int fd, QByteArrayView bytes)
{
    const char *data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// Makes a rename in the folder last through a power cut. Some file systems
// cannot sync a folder; the file itself is on the disk by then.
void syncFolder(const QByteArray &folder)
{
    const FileDescriptor dir(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.isValid())
        ::fsync(dir.get());
}

// A new, empty file beside the target whose name nobody else uses.
FileDescriptor createBeside(const QByteArray &target, mode_t mode, QByteArray &name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".new";
        FileDescriptor file(::open(name.constData(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, mode));
        if (file.isValid() || errno != EEXIST)
            return file;
    }
    return FileDescriptor();
}

// Fills the new file and gives it the name; false with errno set on failure.
bool fillAndRename(FileDescriptor &file, const QByteArray &temporary, const QByteArray &target, QByteArrayView bytes,
                   const struct stat *replaced, bool keep)
{
    if (keep && ::flock(file.get(), LOCK_EX | LOCK_NB) != 0)
        return false;
    if (replaced && !keep && ::fchmod(file.get(), replaced->st_mode & 07777) != 0)
        return false;
    if (!writeAll(file.get(), bytes))
        return false;
    // Renamed before its data is on the disk, the file could replace the
    // old one empty after a power cut. A name that is new loses nothing.
    if ((replaced || !keep) && ::fdatasync(file.get()) != 0)
        return false;
    // Some file systems report a failed write only when the file is closed.
    if (!keep && ::close(file.release()) != 0)
        return false;
    return ::rename(temporary.constData(), target.constData()) == 0;
}

std::optional<QString> replace(const QString &path, QByteArrayView bytes, mode_t newMode, FileDescriptor *kept)
{
    const QFileInfo info(path);
    const QByteArray target = QFile::encodeName(info.isSymLink() ? info.symLinkTarget() : path);
    struct stat old = {};
    const bool replacing = ::stat(target.constData(), &old) == 0;

    QByteArray temporary;
    FileDescriptor file = createBeside(target, newMode, temporary);
    if (!file.isValid())
        return reasonFor(errno);
    if (!fillAndRename(file, temporary, target, bytes, replacing ? &old : nullptr, kept != nullptr)) {
        const int error = errno;
        ::unlink(temporary.constData());
        return reasonFor(error);
    }
    if (replacing || !kept)
        syncFolder(QFile::encodeName(QFileInfo(QFile::decodeName(target)).absolutePath()));
    if (kept)
        *kept = std::move(file);
    return std::nullopt;
}

} // namespace

std::optional<QString> replaceFile(const QString &path, QByteArrayView bytes)
{
    return replace(path, bytes, 0666, nullptr);
}

std::optional<QString> replaceLockedFile(const QString &path, QByteArrayView bytes, FileDescriptor &locked)
{
    return replace(path, bytes, 0600, &locked);
}

std::optional<QString> appendWhole(const FileDescriptor &file, QByteArrayView bytes)
{
    struct stat before = {};
    if (::fstat(file.get(), &before) != 0)
        return reasonFor(errno);
    if (!writeAll(file.get(), bytes)) {
        const int error = errno;
        // A record cut short would read as a different record.
        static_cast<void>(::ftruncate(file.get(), before.st_size));
        return reasonFor(error);
    }
    return std::nullopt;
}

} // namespace platform
