#include "platform/forms/StoredForm.h"

#include "platform/forms/ComponentRegistry.h"

#include <QMetaProperty>

#include <algorithm>
#include <stdexcept>

namespace platform {

namespace {

[[noreturn]] void fail(const QString &message)
{
    throw std::runtime_error(message.toStdString());
}

// Widget placement for classes that do not declare these as properties.
bool applyWidgetPlacement(QObject &component, const QString &name, const QVariant &value)
{
    auto *widget = qobject_cast<QWidget *>(&component);
    if (!widget)
        return false;
    const int v = value.toInt();
    if (name == QLatin1String("Left"))
        widget->move(v, widget->y());
    else if (name == QLatin1String("Top"))
        widget->move(widget->x(), v);
    else if (name == QLatin1String("Width"))
        widget->resize(v, widget->height());
    else if (name == QLatin1String("Height"))
        widget->resize(widget->width(), v);
    else
        return false;
    return true;
}

bool declares(const QObject &component, const char *property)
{
    return component.metaObject()->indexOfProperty(property) >= 0;
}

struct TabEntry
{
    int order;
    QWidget *widget;
};

std::vector<QWidget *> sortedByTabOrder(std::vector<TabEntry> entries)
{
    std::stable_sort(entries.begin(), entries.end(),
                     [](const TabEntry &a, const TabEntry &b) { return a.order < b.order; });
    std::vector<QWidget *> controls;
    for (const TabEntry &entry : entries)
        controls.push_back(entry.widget);
    return controls;
}

void bindEvents(QObject &component, const ComponentClass &cls, const StoredComponent &stored,
                const HandlerTable &handlers)
{
    for (const StoredEvent &event : stored.events) {
        const auto binder = cls.events.find(event.event);
        if (binder == cls.events.end())
            fail(QStringLiteral("%1 has no event %2").arg(stored.name, event.event));
        const std::any *handler = handlers.find(event.handler);
        if (!handler)
            fail(QStringLiteral("Handler %1 not found").arg(event.handler));
        try {
            binder->second(component, *handler);
        } catch (const std::bad_any_cast &) {
            fail(QStringLiteral("Handler %1 does not fit %2.%3").arg(event.handler, stored.name, event.event));
        }
    }
}

} // namespace

void applyStoredProperty(QObject &component, const StoredProperty &property)
{
    QObject *target = &component;
    const QStringList path = property.name.split(QLatin1Char('.'));
    for (int i = 0; i + 1 < path.size(); ++i) {
        target = target->property(path[i].toLatin1().constData()).value<QObject *>();
        if (!target)
            fail(QStringLiteral("Property %1 does not exist").arg(property.name));
    }
    const QString &name = path.constLast();
    const QByteArray key = name.toLatin1();
    if (target->metaObject()->indexOfProperty(key.constData()) >= 0) {
        if (!target->setProperty(key.constData(), property.value))
            fail(QStringLiteral("Invalid value for property %1").arg(property.name));
        return;
    }
    if (path.size() == 1 && applyWidgetPlacement(*target, name, property.value))
        return;
    fail(QStringLiteral("Property %1 does not exist").arg(property.name));
}

LoadedComponents loadComponents(const std::vector<StoredComponent> &components, QWidget &clientArea,
                                const HandlerTable &handlers)
{
    std::vector<QObject *> created;
    std::vector<const ComponentClass *> classes;
    std::vector<TabEntry> tabOrder;
    for (const StoredComponent &stored : components) {
        const ComponentClass *cls = findComponentClass(stored.className);
        if (!cls)
            fail(QStringLiteral("Class %1 not found").arg(stored.className));
        QObject *component = cls->create(&clientArea);
        component->setObjectName(stored.name);
        if (auto *loadable = dynamic_cast<Loadable *>(component))
            loadable->loading();
        for (const StoredProperty &property : stored.properties) {
            auto *widget = qobject_cast<QWidget *>(component);
            const bool isTabOrder = property.name == QLatin1String("TabOrder") && widget;
            if (isTabOrder)
                tabOrder.push_back({property.value.toInt(), widget});
            if (!isTabOrder || declares(*component, "TabOrder"))
                applyStoredProperty(*component, property);
        }
        created.push_back(component);
        classes.push_back(cls);
    }
    for (std::size_t i = 0; i < components.size(); ++i)
        bindEvents(*created[i], *classes[i], components[i], handlers);
    LoadedComponents loaded{created, sortedByTabOrder(std::move(tabOrder))};
    for (QObject *component : created)
        if (auto *loadable = dynamic_cast<Loadable *>(component))
            loadable->loaded();
    return loaded;
}

} // namespace platform
