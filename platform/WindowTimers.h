#pragma once

#include <QBasicTimer>
#include <map>
#include <optional>

class QObject;
class QTimerEvent;

namespace platform {

// Window timers addressed by the program's own identifiers (111, 999, 1, ...),
// delivered to the owning object's timerEvent. Starting a running identifier
// restarts it with the new interval; all timers stop with this object.
class WindowTimers
{
public:
    explicit WindowTimers(QObject *owner);
    WindowTimers(const WindowTimers &) = delete;
    WindowTimers &operator=(const WindowTimers &) = delete;

    void start(int id, int intervalMs);
    void stop(int id);
    void stopAll();
    bool isActive(int id) const;
    int interval(int id) const;

    // The identifier of the window timer that sent the event, if it is one of ours.
    std::optional<int> idOf(const QTimerEvent *event) const;

private:
    struct Timer
    {
        QBasicTimer timer;
        int intervalMs = 0;
    };

    QObject *m_owner;
    std::map<int, Timer> m_timers;
};

} // namespace platform
