#include "grid/FormResizeHook.h"

#include <QWidget>
#include <utility>

TFormResizeHook::TFormResizeHook(QWidget *owner, Follow follow, std::function<void()> afterwards)
    : FFollow(std::move(follow)),
      FAfterwards(std::move(afterwards))
{
    // The owner hands the grid its client area; the form is the window around it.
    QWidget *form = owner ? owner->window() : nullptr;
    FHost = dynamic_cast<platform::ResizeHandlerHost *>(form);
    if (!FHost)
        return;
    FForm = form;
    FPrevious = FHost->OnResize();
    FHost->SetOnResize([this](QObject *) { FormResized(); });
    FFormSize = form->size();
}

TFormResizeHook::~TFormResizeHook()
{
    if (FHost)
        FHost->SetOnResize(FPrevious);
}

void TFormResizeHook::FormResized()
{
    const QSize formSize = FForm->size();
    if (FFollow(formSize - FFormSize))
        FFormSize = formSize;
    if (FPrevious) {
        // The form's own handler must not stop the grid from following it.
        try {
            FPrevious(FForm);
        } catch (...) {
        }
    }
    FAfterwards();
}
