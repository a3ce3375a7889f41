#include "platform/controls/StandardControls.h"

#include "platform/controls/TBevel.h"
#include "platform/controls/TButton.h"
#include "platform/controls/TCheckBox.h"
#include "platform/controls/TEdit.h"
#include "platform/controls/TFileDialog.h"
#include "platform/controls/TImage.h"
#include "platform/controls/TLabel.h"
#include "platform/controls/TMemo.h"
#include "platform/controls/TRadioGroup.h"
#include "platform/controls/TScrollBar.h"
#include "platform/controls/TSpinEdit.h"

namespace platform {

namespace {

template <class C>
ComponentClass classOf(const char *name)
{
    return ComponentClass{QString::fromLatin1(name), [](QWidget *parent) -> QObject * { return new C(parent); }, {}};
}

} // namespace

std::vector<ComponentClass> standardControlClasses()
{
    std::vector<ComponentClass> classes;
    classes.push_back(classOf<TBevel>("TBevel"));

    ComponentClass button = classOf<TButton>("TButton");
    addEvent(button, QStringLiteral("OnClick"), &TButton::OnClick);
    classes.push_back(std::move(button));

    classes.push_back(classOf<TCheckBox>("TCheckBox"));
    classes.push_back(classOf<TEdit>("TEdit"));

    ComponentClass image = classOf<TImage>("TImage");
    addEvent(image, QStringLiteral("OnClick"), &TImage::OnClick);
    addEvent(image, QStringLiteral("OnMouseMove"), &TImage::OnMouseMove);
    classes.push_back(std::move(image));

    classes.push_back(classOf<TLabel>("TLabel"));
    classes.push_back(classOf<TMemo>("TMemo"));
    classes.push_back(classOf<TOpenDialog>("TOpenDialog"));
    classes.push_back(classOf<TRadioGroup>("TRadioGroup"));
    classes.push_back(classOf<TSaveDialog>("TSaveDialog"));

    ComponentClass scrollBar = classOf<TScrollBar>("TScrollBar");
    addEvent(scrollBar, QStringLiteral("OnChange"), &TScrollBar::OnChange);
    classes.push_back(std::move(scrollBar));

    classes.push_back(classOf<TSpinEdit>("TSpinEdit"));
    return classes;
}

} // namespace platform
