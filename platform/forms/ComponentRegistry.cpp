#include "platform/forms/ComponentRegistry.h"

#include "platform/controls/StandardControls.h"

namespace platform {

namespace {

std::map<QString, ComponentClass> &registry()
{
    static std::map<QString, ComponentClass> classes = [] {
        std::map<QString, ComponentClass> standard;
        for (ComponentClass &cls : standardControlClasses())
            standard[cls.name] = std::move(cls);
        return standard;
    }();
    return classes;
}

} // namespace

void registerComponentClass(ComponentClass cls)
{
    const QString name = cls.name;
    registry()[name] = std::move(cls);
}

const ComponentClass *findComponentClass(const QString &name)
{
    const auto &classes = registry();
    const auto it = classes.find(name);
    return it == classes.end() ? nullptr : &it->second;
}

} // namespace platform
