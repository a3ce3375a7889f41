#include "platform/forms/TForm.h"

#include <QCloseEvent>
#include <QEvent>
#include <QScrollArea>
#include <QVBoxLayout>

namespace platform {

TForm::TForm()
    : QWidget(nullptr),
      m_scrollArea(new QScrollArea(this)),
      m_client(new QWidget)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scrollArea);
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setFocusPolicy(Qt::NoFocus);
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->setWidget(m_client);
    m_client->setAutoFillBackground(true);
    applyColor();
}

TForm::~TForm()
{
    m_tabOrder.clear();
    delete m_scrollArea;
}

void TForm::setOuterWidth(int width)
{
    m_outerSize.setWidth(width);
    m_awaitingFrame = frameExtra().isNull();
    resize(width - frameExtra().width(), height());
}

void TForm::setOuterHeight(int height)
{
    m_outerSize.setHeight(height);
    m_awaitingFrame = frameExtra().isNull();
    resize(width(), height - frameExtra().height());
}

void TForm::fitOuterSizeToFrame()
{
    // Until a window manager frames the shown window Qt knows no frame, and
    // the stored outer size went to the client area. Once the frame is
    // known it goes inside that size, unless the window was resized since.
    const QSize extra = frameExtra();
    if (!m_awaitingFrame || !isVisible() || extra.isNull())
        return;
    m_awaitingFrame = false;
    if (size() == m_outerSize)
        resize(m_outerSize - extra);
}

void TForm::setColor(TColor color)
{
    m_color = color;
    applyColor();
}

void TForm::applyColor()
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, resolveColor(m_color));
    setPalette(palette);
}

bool TForm::canTakeFocus(QWidget *control) const
{
    QWidget *target = control->focusProxy() ? control->focusProxy() : control;
    return (target->focusPolicy() & Qt::TabFocus) && control->isEnabled()
           && control->isVisibleTo(const_cast<TForm *>(this));
}

QWidget *TForm::firstTabStop() const
{
    for (QWidget *control : m_tabOrder)
        if (canTakeFocus(control))
            return control;
    return nullptr;
}

bool TForm::focusNextPrevChild(bool next)
{
    const int count = int(m_tabOrder.size());
    if (count == 0)
        return QWidget::focusNextPrevChild(next);
    QWidget *focused = focusWidget();
    int current = -1;
    for (int i = 0; i < count && focused; ++i) {
        QWidget *control = m_tabOrder[std::size_t(i)];
        if (control == focused || control->isAncestorOf(focused) || control->focusProxy() == focused)
            current = i;
    }
    for (int step = 1; step <= count; ++step) {
        const int base = current < 0 ? (next ? -1 : count) : current;
        const int index = ((base + (next ? step : -step)) % count + count) % count;
        QWidget *control = m_tabOrder[std::size_t(index)];
        if (canTakeFocus(control)) {
            control->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

void TForm::load(const StoredForm &form, const HandlerTable &handlers)
{
    for (const StoredProperty &property : form.properties)
        applyStoredProperty(*this, property);
    m_tabOrder = loadComponents(form.components, *m_client, handlers).tabOrder;
    // The client area is as large as the controls cover, from the origin.
    QRect covered;
    for (QObject *child : m_client->children())
        if (auto *widget = qobject_cast<QWidget *>(child))
            covered |= widget->geometry();
    m_client->setMinimumSize(covered.right() + 1, covered.bottom() + 1);
    if (QWidget *first = firstTabStop())
        first->setFocus(Qt::ActiveWindowFocusReason);
}

bool TForm::event(QEvent *event)
{
    if (event->type() == QEvent::ApplicationPaletteChange)
        applyColor();
    if (event->type() == QEvent::WindowActivate && !focusWidget())
        if (QWidget *first = firstTabStop())
            first->setFocus(Qt::ActiveWindowFocusReason);
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize || event->type() == QEvent::Show)
        fitOuterSizeToFrame();
    return handled;
}

void TForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_onResize)
        m_onResize(this);
}

void TForm::closeEvent(QCloseEvent *event)
{
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    event->setAccepted(canClose);
}

} // namespace platform
