#pragma once

#include <QString>

#include <any>
#include <map>

namespace platform {

// The handler methods of a form, by the names its stored form uses.
// Each entry holds the std::function of the exact event type it answers
// (TNotifyEvent, TMouseMoveEvent, TGetAlignmentEvent, ...):
//
//     handlers.add<TNotifyEvent>("Button1Click", [this](QObject *s) { Button1Click(s); });
class HandlerTable
{
public:
    template <class Event>
    void add(const QString &name, Event handler)
    {
        m_handlers[name] = std::any(std::move(handler));
    }

    // Null when the form has no handler of that name.
    const std::any *find(const QString &name) const
    {
        const auto it = m_handlers.find(name);
        return it == m_handlers.end() ? nullptr : &it->second;
    }

private:
    std::map<QString, std::any> m_handlers;
};

} // namespace platform
