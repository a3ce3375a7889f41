#include "platform/files/BackgroundSync.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <gtest/gtest.h>

#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <vector>

using namespace platform;

namespace {

// Remembers which files were synced.
struct SyncLog
{
    int sync(int fd)
    {
        struct stat info = {};
        ::fstat(fd, &info);
        const std::lock_guard<std::mutex> lock(mutex);
        synced.push_back(info.st_ino);
        changed.notify_all();
        return 0;
    }
    bool waitFor(std::size_t count)
    {
        std::unique_lock<std::mutex> lock(mutex);
        return changed.wait_for(lock, std::chrono::seconds(1), [&] { return synced.size() >= count; });
    }

    std::mutex mutex;
    std::condition_variable changed;
    std::vector<ino_t> synced;
};

ino_t inodeOf(const FileDescriptor &file)
{
    struct stat info = {};
    ::fstat(file.get(), &info);
    return info.st_ino;
}

} // namespace

TEST(BackgroundSyncTest, SyncsTheRequestedFileWithinASecondEvenWhenItIsClosedAtOnce)
{
    QTemporaryFile first, second;
    ASSERT_TRUE(first.open() && second.open());
    SyncLog log;
    {
        BackgroundSync sync([&](int fd) { return log.sync(fd); });
        FileDescriptor file(::open(QFile::encodeName(first.fileName()).constData(), O_RDONLY));
        const ino_t inode = inodeOf(file);
        const QByteArray folder = QFile::encodeName(QFileInfo(first.fileName()).path());
        sync.request(file, folder);
        file.reset();
        // The file's data before the folder that names it.
        ASSERT_TRUE(log.waitFor(2));
        EXPECT_EQ(log.synced[0], inode);
        struct stat dir = {};
        ::stat(folder.constData(), &dir);
        EXPECT_EQ(log.synced[1], dir.st_ino);

        // The last request before the end is synced before the thread ends.
        {
            const std::lock_guard<std::mutex> lock(log.mutex);
            log.synced.clear();
        }
        file.reset(::open(QFile::encodeName(second.fileName()).constData(), O_RDONLY));
        sync.request(file);
    }
    ASSERT_FALSE(log.synced.empty());
    struct stat info = {};
    ::stat(QFile::encodeName(second.fileName()).constData(), &info);
    EXPECT_EQ(log.synced.back(), info.st_ino);
}
