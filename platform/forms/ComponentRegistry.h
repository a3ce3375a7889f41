#pragma once

#include <QObject>
#include <QString>
#include <QWidget>

#include <any>
#include <functional>
#include <map>
#include <stdexcept>

namespace platform {

// A class that stored forms can name. `create` makes a component owned by
// the given parent (the form's client area); `events` binds a handler, held
// in a std::any, to the event of that name.
//
// A component class registers itself once per process, e.g. from its unit's
// start-up:
//
//     platform::ComponentClass cls{QStringLiteral("TCellGrid"),
//         [](QWidget *parent) -> QObject * { return new TCellGrid(parent); }, {}};
//     platform::addEvent(cls, QStringLiteral("OnGetAlignment"), &TCellGrid::OnGetAlignment);
//     platform::registerComponentClass(std::move(cls));
//
// where `OnGetAlignment` is a public member of type TGetAlignmentEvent.
struct ComponentClass
{
    using Binder = std::function<void(QObject &component, const std::any &handler)>;

    QString name;
    std::function<QObject *(QWidget *parent)> create;
    std::map<QString, Binder> events;
};

// Makes the event member `member` of class C bindable under `eventName`.
// Binding a handler of another type throws std::bad_any_cast.
template <class C, class Event>
void addEvent(ComponentClass &cls, const QString &eventName, Event C::*member)
{
    cls.events[eventName] = [member](QObject &component, const std::any &handler) {
        auto *target = dynamic_cast<C *>(&component);
        if (!target)
            throw std::logic_error("event bound to a component of another class");
        target->*member = std::any_cast<const Event &>(handler);
    };
}

// Registers a class under its name; a later registration of the same name
// replaces the earlier one. The standard controls are always registered.
void registerComponentClass(ComponentClass cls);

// The class of that name, or null.
const ComponentClass *findComponentClass(const QString &name);

} // namespace platform
