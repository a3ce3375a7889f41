#include "grid/CellGrid.h"

#include "grid/CellTextFormat.h"
#include "platform/Canvas.h"

using platform::TCanvas;
using platform::TRect;

void TCellGrid::DrawCellText(TCellPaintContext &context)
{
    TCanvas &canvas = *context.Canvas;
    const std::int32_t col = context.Col;
    const std::int32_t row = context.Row;
    const TGridOptions options = Options();

    const bool countsSelected = (context.State & gdSelected)
        || (RowSelect(row) && (options & goRowSelect) && col >= FixedCols());
    if (countsSelected && (!(context.State & gdFocused) || (options & goDrawFocusSelected))) {
        if (ShowSelection()) {
            if (SelectionColor() != clNone)
                canvas.brush().setColor(SelectionColor());
            if (SelectionTextColor() != clNone)
                canvas.font().setColor(SelectionTextColor());
        } else if (!HasKeyboardFocus() || IsCheckBoxGraphic(context.Graphic)) {
            canvas.brush().setColor(context.SavedBrushColor);
            canvas.font().setColor(context.SavedFontColor);
        }
    }

    QString text = ReadCellText(col, row);
    context.TextKind = celltext::ClassifyCellText(text, EnableHTML());

    if (OnIsPasswordCell) {
        bool isPassword = false;
        OnIsPasswordCell(this, row, col, isPassword);
        if (isPassword)
            text = QString(text.size(), PasswordChar());
    }

    TRect textRect = context.Rect;

    if (MouseActions()->DisjunctRowSelect() && !MouseRowSelecting() && col >= FixedCols() && row >= FixedRows()
        && !RowSelect(row)) {
        canvas.brush().setColor(Color());
        canvas.font().setColor(Font()->Color());
        ApplyCellColorHook(canvas, context.DisplayCol, col, row, context.State);
    }

    if (!context.DrawTextFlag)
        return;

    textRect.right -= 2;
    textRect.left += TextMargin().x();
    textRect.top += TextMargin().y();
    context.TextAlignment = context.Alignment.HAlign;
    context.TextHeight = canvas.textHeight(QStringLiteral("hg"));

    if (context.Graphic
        && (context.Alignment.HAlign == taLeftJustify || context.Alignment.HAlign == taRightJustify)) {
        if (context.GraphicHAlign == haBeforeText)
            textRect.left += context.GraphicWidth;
        else if (context.GraphicHAlign == haAfterText)
            textRect.right -= context.GraphicWidth;
    }
    if (context.Graphic) {
        if (context.GraphicVAlign == vaAboveText)
            textRect.top += context.GraphicHeight;
        else if (context.GraphicVAlign == vaUnderText)
            textRect.bottom -= context.GraphicHeight;
    }

    switch (context.TextKind) {
    case celltext::tkHTML:
        // Rendered by the HTML facility, which this grid does not carry.
        return;
    case celltext::tkRichText:
        if (!((context.State & gdSelected) && !(context.State & gdFocused) && SelectionColor() == clNone))
            canvas.fillRect(textRect);
        // The rich text itself is rendered by the rich-text facility, which this grid does not carry.
        return;
    default:
        break;
    }

    unsigned flags = platform::DT_EDITCONTROL;
    const int lineCount = Multilinecells() ? int(text.count(QLatin1Char('\r'))) + 1 : 1;
    if (lineCount == 1 && !WordWrap()) {
        const int lineEnd = text.indexOf(QLatin1Char('\r'));
        if (lineEnd >= 0)
            text.truncate(lineEnd);
        flags = platform::DT_SINGLELINE | (EnhTextSize() ? platform::DT_END_ELLIPSIS : 0u);
    }
    FVerticalTextFlag = int(celltext::kVerticalFlag[context.Alignment.VAlign]);
    flags |= platform::DT_EXPANDTABS | platform::DT_NOPREFIX | celltext::WrapFlag(WordWrap())
        | celltext::kHorizontalFlag[context.Alignment.HAlign] | celltext::kVerticalFlag[context.Alignment.VAlign];
    if (layoutDirection() == Qt::RightToLeft) {
        const unsigned horizontal = flags & (platform::DT_CENTER | platform::DT_RIGHT);
        flags &= ~(platform::DT_CENTER | platform::DT_RIGHT);
        if (horizontal == 0)
            flags |= platform::DT_RIGHT;
        else if (horizontal != platform::DT_RIGHT)
            flags |= horizontal;
        flags |= platform::DT_RTLREADING;
    }

    canvas.setBackgroundMode(platform::TBackgroundMode::Transparent);
    if (context.Graphic && !text.isEmpty()) {
        TRect measured = textRect;
        canvas.drawText(text, measured, flags | platform::DT_CALCRECT);
        context.TextWidth = measured.width() + 2;
    }
    canvas.drawText(text, textRect, flags);
}

void TCellGrid::DrawCellBorders(TCellPaintContext &context)
{
    TCanvas &canvas = *context.Canvas;
    const platform::TPen kept = canvas.pen();
    TCellBorders borders = 0;
    if (OnGetCellBorder)
        OnGetCellBorder(this, context.Row, context.Col, canvas.pen(), borders);

    platform::TPen leftPen = canvas.pen();
    platform::TPen topPen = canvas.pen();
    platform::TPen rightPen = canvas.pen();
    platform::TPen bottomPen = canvas.pen();
    if (OnGetCellBorderProp)
        OnGetCellBorderProp(this, context.Row, context.Col, leftPen, topPen, rightPen, bottomPen);

    const int inset = int((std::int64_t(canvas.pen().width) + 1) / 2);
    TRect edges = context.Rect;
    edges.inflate(-inset, -inset);
    if (borders & cbLeft) {
        canvas.pen() = leftPen;
        canvas.moveTo(edges.left, edges.top);
        canvas.lineTo(edges.left, edges.bottom);
    }
    if (borders & cbRight) {
        canvas.pen() = rightPen;
        canvas.moveTo(edges.right - 1, edges.top);
        canvas.lineTo(edges.right - 1, edges.bottom);
    }
    if (borders & cbTop) {
        canvas.pen() = topPen;
        canvas.moveTo(edges.left, edges.top);
        canvas.lineTo(edges.right, edges.top);
    }
    if (borders & cbBottom) {
        canvas.pen() = bottomPen;
        canvas.moveTo(edges.left, edges.bottom - 1);
        canvas.lineTo(edges.right, edges.bottom - 1);
    }
    canvas.pen() = kept;
}
