#include "platform/files/BackgroundSync.h"

#include <fcntl.h>

namespace platform {

namespace {

// Requests are gathered this long before one sync takes them all: a sync
// holds the file against writes, and clicks in quick succession would
// otherwise wait for one sync each.
constexpr std::chrono::milliseconds kGathering(250);

} // namespace

BackgroundSync::BackgroundSync(std::function<int(int)> sync)
    : m_sync(std::move(sync)),
      m_thread([this] { run(); })
{}

BackgroundSync::~BackgroundSync()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_ending = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void BackgroundSync::request(const FileDescriptor &file, const QByteArray &folder)
{
    FileDescriptor own(::fcntl(file.get(), F_DUPFD_CLOEXEC, 0));
    if (!own.isValid())
        return;
    {
        // A file asked for earlier and not yet synced is dropped: its writer
        // asks only after replacing it by a synced file.
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_pending.isValid())
            m_due = std::chrono::steady_clock::now() + kGathering;
        m_pending = std::move(own);
        if (!folder.isEmpty())
            m_pendingFolder = folder;
    }
    m_wake.notify_one();
}

void BackgroundSync::run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_ending || m_pending.isValid(); });
        m_wake.wait_until(lock, m_due, [this] { return m_ending; });
        if (m_pending.isValid()) {
            const FileDescriptor file = std::move(m_pending);
            const QByteArray folder = std::exchange(m_pendingFolder, QByteArray());
            lock.unlock();
            m_sync(file.get());
            // The folder after the file: its new name must not lead to missing data.
            if (!folder.isEmpty()) {
                const FileDescriptor dir(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
                if (dir.isValid())
                    m_sync(dir.get());
            }
            lock.lock();
        } else if (m_ending) {
            return;
        }
    }
}

} // namespace platform
