#include "grid/AuxiliaryControls.h"

#include <QPainter>
#include <QPolygon>

TFooterPanel::TFooterPanel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TFooterPanel"));
    setContentsMargins(0, 0, 0, 0);
    setFixedHeight(0);
}

THTMLHintWindow::THTMLHintWindow()
    : QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("THTMLHintWindow"));
    setFrameShape(QFrame::NoFrame);
}

TGridRichEdit::TGridRichEdit()
{
    setObjectName(QStringLiteral("TGridRichEdit"));
    hide();
}

TArrowWindow::TArrowWindow(QWidget *parent, int direction)
    : QWidget(parent),
      FDirection(direction)
{
    setObjectName(QStringLiteral("TArrowWindow"));
    setFixedSize(9, 9);
    hide();
}

void TArrowWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int w = width() - 1;
    const int h = height() - 1;
    QPolygon arrow;
    switch (FDirection) {
    case 0: arrow << QPoint(0, 0) << QPoint(w, 0) << QPoint(w / 2, h); break;
    case 1: arrow << QPoint(0, h) << QPoint(w, h) << QPoint(w / 2, 0); break;
    case 2: arrow << QPoint(0, 0) << QPoint(0, h) << QPoint(w, h / 2); break;
    default: arrow << QPoint(w, 0) << QPoint(w, h) << QPoint(0, h / 2); break;
    }
    painter.setPen(Qt::black);
    painter.setBrush(QColor(0x00, 0xFF, 0x00));
    painter.drawPolygon(arrow);
}
