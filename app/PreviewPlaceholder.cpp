#include "app/PreviewPlaceholder.h"

#include "platform/forms/ComponentRegistry.h"

void registerPreviewPlaceholder()
{
    platform::registerComponentClass(platform::ComponentClass{
        QStringLiteral("TPreviewPlaceholder"),
        [](QWidget *parent) -> QObject * {
            auto *placeholder = new QWidget(parent);
            placeholder->setFocusPolicy(Qt::StrongFocus);
            return placeholder;
        },
        {}});
}
