#include "platform/WindowTimers.h"

#include <QObject>
#include <QTimerEvent>

namespace platform {

WindowTimers::WindowTimers(QObject *owner)
    : m_owner(owner)
{}

void WindowTimers::start(int id, int intervalMs)
{
    Timer &timer = m_timers[id];
    timer.intervalMs = intervalMs;
    timer.timer.start(intervalMs, m_owner);
}

void WindowTimers::stop(int id)
{
    const auto it = m_timers.find(id);
    if (it != m_timers.end())
        m_timers.erase(it);
}

void WindowTimers::stopAll()
{
    m_timers.clear();
}

bool WindowTimers::isActive(int id) const
{
    const auto it = m_timers.find(id);
    return it != m_timers.end() && it->second.timer.isActive();
}

int WindowTimers::interval(int id) const
{
    const auto it = m_timers.find(id);
    return it == m_timers.end() ? 0 : it->second.intervalMs;
}

std::optional<int> WindowTimers::idOf(const QTimerEvent *event) const
{
    for (const auto &[id, timer] : m_timers) {
        if (timer.timer.timerId() == event->timerId())
            return id;
    }
    return std::nullopt;
}

} // namespace platform
