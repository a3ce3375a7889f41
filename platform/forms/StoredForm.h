#pragma once

#include "platform/forms/HandlerTable.h"

#include <QString>
#include <QVariant>
#include <QWidget>

#include <vector>

namespace platform {

// A form's stored layout and settings, as data.
//
// Each component names its class (looked up in the ComponentRegistry), its
// name (the object name, by which the form finds its fields) and its
// properties in the form's order. A property is applied through the setter
// of the Q_PROPERTY of that name; a dotted name such as "Bands.PrimaryColor"
// goes to the sub-object that the property "Bands" returns (a QObject
// pointer). Left, Top, Width, Height and TabOrder fall back to the widget's
// geometry and the form's tab chain when the class declares no such property.
// Events are bound by handler name after all properties are applied.
struct StoredProperty
{
    QString name;
    QVariant value;
};

struct StoredEvent
{
    QString event;
    QString handler;
};

struct StoredComponent
{
    QString className;
    QString name;
    std::vector<StoredProperty> properties;
    std::vector<StoredEvent> events;
};

struct StoredForm
{
    std::vector<StoredProperty> properties; // of the form itself
    std::vector<StoredComponent> components;
};

// Implemented by components with work before and after loading: `loading`
// runs before the first stored property is applied, `loaded` after the whole
// form is applied (the after-loading step).
class Loadable
{
public:
    virtual void loading() {}
    virtual void loaded() = 0;

protected:
    ~Loadable() = default;
};

// Applies one property to a component; throws std::runtime_error naming the
// property when the component has no such property or refuses the value.
void applyStoredProperty(QObject &component, const StoredProperty &property);

struct LoadedComponents
{
    std::vector<QObject *> components; // in form order
    std::vector<QWidget *> tabOrder;   // the controls with a TabOrder, by it
};

// Creates the components on `clientArea`, applies their properties in order,
// binds their events from `handlers`, orders the controls by TabOrder and
// runs every component's after-loading step. Throws std::runtime_error on an
// unknown class, property or handler.
LoadedComponents loadComponents(const std::vector<StoredComponent> &components, QWidget &clientArea,
                                const HandlerTable &handlers);

} // namespace platform
