#pragma once

#include "platform/Colors.h"
#include "platform/ResizeHandlerHost.h"
#include "platform/forms/Events.h"
#include "platform/forms/StoredForm.h"

#include <QFont>
#include <QWidget>

class QScrollArea;

namespace platform {

// A top-level window built from a stored form. The controls live on a client
// area inside a scroll area: when the window's client area is smaller than
// the area the controls cover, scroll bars appear; when it is larger, the
// rest stays empty. Controls keep their stored places when it is resized.
//
// Left and Top place the window's frame; Width and Height are its outer size,
// the frame included also when a window manager adds the frame only once the
// window is shown.
// Tab and Backtab move through the controls by their stored TabOrder, to the
// next one that is enabled and visible; a control that holds the focus
// through a child or a focus proxy counts as focused.
class TForm : public QWidget, public ResizeHandlerHost
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ windowTitle WRITE setWindowTitle)
    Q_PROPERTY(int Left READ x WRITE setLeft)
    Q_PROPERTY(int Top READ y WRITE setTop)
    Q_PROPERTY(int Width READ outerWidth WRITE setOuterWidth)
    Q_PROPERTY(int Height READ outerHeight WRITE setOuterHeight)
    Q_PROPERTY(uint Color READ color WRITE setColor)
    Q_PROPERTY(QFont Font READ font WRITE setFont)

public:
    TForm();
    // The controls go first, while the form they may have hooked is whole.
    ~TForm() override;

    // The form's resize handler, raised after every change of its size; a
    // control may take it over and hand it back.
    ResizeHandler OnResize() const override { return m_onResize; }
    void SetOnResize(ResizeHandler handler) override { m_onResize = std::move(handler); }

    void setLeft(int left) { move(left, y()); }
    void setTop(int top) { move(x(), top); }
    int outerWidth() const { return frameGeometry().width(); }
    void setOuterWidth(int width);
    int outerHeight() const { return frameGeometry().height(); }
    void setOuterHeight(int height);
    TColor color() const { return m_color; }
    void setColor(TColor color);

    // The widget the form's controls are placed on.
    QWidget &clientArea() const { return *m_client; }
    QScrollArea &scrollArea() const { return *m_scrollArea; }

    // The first control of the tab order that can take the focus now.
    QWidget *firstTabStop() const;
    const std::vector<QWidget *> &tabOrder() const { return m_tabOrder; }

    // Asked before the window closes.
    TCloseQueryEvent OnCloseQuery;

protected:
    // Applies the form's own properties, then creates its components.
    void load(const StoredForm &form, const HandlerTable &handlers);

    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void applyColor();
    QSize frameExtra() const { return frameGeometry().size() - size(); }
    void fitOuterSizeToFrame();
    bool canTakeFocus(QWidget *control) const;

    TColor m_color = clBtnFace;
    QScrollArea *m_scrollArea;
    QWidget *m_client;
    std::vector<QWidget *> m_tabOrder;
    ResizeHandler m_onResize;
    // The stored outer size, and whether it waits for the window manager's frame.
    QSize m_outerSize;
    bool m_awaitingFrame = false;
};

} // namespace platform
