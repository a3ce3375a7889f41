#pragma once

#include "platform/files/FileDescriptor.h"

#include <QByteArray>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace platform {

// Brings what was written to a file onto the disk (fdatasync) on a thread
// of its own, a quarter of a second after it was asked for, so that the
// writer never waits for the disk. Requests that come in the meantime, or
// while a sync runs, are taken together.
class BackgroundSync
{
public:
    // The sync function is replaceable for tests; it gets a descriptor of
    // the file or folder that was requested.
    explicit BackgroundSync(std::function<int(int)> sync = ::fdatasync);
    // Syncs what is still asked for, then ends the thread.
    ~BackgroundSync();
    BackgroundSync(const BackgroundSync &) = delete;
    BackgroundSync &operator=(const BackgroundSync &) = delete;

    // Asks for the file's data to reach the disk, and the folder's names
    // too when one is given. The file may be closed right after: the
    // request holds a descriptor of its own.
    void request(const FileDescriptor &file, const QByteArray &folder = {});

private:
    void run();

    std::function<int(int)> m_sync;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    FileDescriptor m_pending;
    QByteArray m_pendingFolder;
    std::chrono::steady_clock::time_point m_due;
    bool m_ending = false;
    std::thread m_thread;
};

} // namespace platform
