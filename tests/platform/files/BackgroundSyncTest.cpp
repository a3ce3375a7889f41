#include "platform/files/BackgroundSync.h"

#include <QFile>
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
        sync.request(file);
        file.reset();
        ASSERT_TRUE(log.waitFor(1));
        EXPECT_EQ(log.synced[0], inode);

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
