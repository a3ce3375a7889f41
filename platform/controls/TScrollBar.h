#pragma once

#include "platform/forms/Events.h"

#include <QScrollBar>

namespace platform {

// Horizontal scroll bar whose every position change, by arrows, trough,
// thumb dragging, keys (arrows, Page Up/Down, Home/End) or code, raises
// OnChange once with the new position in place. A request that leaves the
// position unchanged raises nothing. Left/Up and Page Up step back, Right/
// Down and Page Down forward, Home and End go to the ends.
class TScrollBar : public QScrollBar
{
    Q_OBJECT
    Q_PROPERTY(int Min READ minimum WRITE setMinimum)
    Q_PROPERTY(int Max READ maximum WRITE setMaximum)
    Q_PROPERTY(int Position READ value WRITE setValue)
    Q_PROPERTY(int SmallChange READ singleStep WRITE setSingleStep)
    Q_PROPERTY(int LargeChange READ pageStep WRITE setPageStep)
    Q_PROPERTY(int PageSize READ pageSize WRITE setPageSize)

public:
    explicit TScrollBar(QWidget *parent);

    int pageSize() const { return m_pageSize; }
    void setPageSize(int pageSize) { m_pageSize = pageSize; }

    TNotifyEvent OnChange;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    int m_pageSize = 0;
};

} // namespace platform
