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
    TColor linkColor = FURLColor;

    const bool countsSelected =
        context.State.testFlag(gdSelected)
        || (FSelectionMarks.RowSelect(row) && options.testFlag(goRowSelect) && col >= FixedCols());
    if (countsSelected && (!context.State.testFlag(gdFocused) || options.testFlag(goDrawFocusSelected))) {
        if (FShowSelection) {
            if (FSelectionColor != clNone)
                canvas.brush().setColor(FSelectionColor);
            if (FSelectionTextColor != clNone)
                canvas.font().setColor(FSelectionTextColor);
            linkColor = FSelectionTextColor;
        } else if (!HasKeyboardFocus() || IsCheckBoxGraphic(context.Graphic)) {
            canvas.brush().setColor(context.SavedBrushColor);
            canvas.font().setColor(context.SavedFontColor);
            linkColor = FURLColor;
        }
    }

    // A formula would be replaced by its value here; the grid carries no
    // formula engine, so its text is shown as written.
    QString text = ReadCellText(col, row);
    context.TextKind = celltext::ClassifyCellText(text, FEnableHTML);

    if (OnIsPasswordCell) {
        bool isPassword = false;
        OnIsPasswordCell(this, row, col, isPassword);
        if (isPassword)
            text = QString(text.size(), PasswordChar());
    }

    TRect textRect = context.Rect;

    if (MouseActions()->DisjunctRowSelect() && !FSelectionMarks.MouseRowSelecting() && col >= FixedCols()
        && row >= FixedRows() && !FSelectionMarks.RowSelect(row)) {
        linkColor = FURLColor;
        canvas.brush().setColor(Color());
        canvas.font().setColor(Font()->Color());
        ApplyCellColorHook(canvas, context.DisplayCol, col, row, context.State);
    }

    DrawCellBackGround(context, textRect);
    DrawSelectionFrame(context);

    if (!context.DrawTextFlag)
        return;

    textRect.right -= 2;
    textRect.left += TextMargin().x();
    textRect.top += TextMargin().y();
    context.TextAlignment = context.Alignment.HAlign;
    context.TextHeight = canvas.textHeight(QStringLiteral("hg"));

    if (context.Graphic) {
        if (context.Alignment.HAlign == taLeftJustify || context.Alignment.HAlign == taRightJustify) {
            if (context.GraphicHAlign == haBeforeText)
                textRect.left += context.GraphicWidth;
            else if (context.GraphicHAlign == haAfterText)
                textRect.right -= context.GraphicWidth;
        }
        if (context.GraphicVAlign == vaAboveText)
            textRect.top += context.GraphicHeight;
        else if (context.GraphicVAlign == vaUnderText)
            textRect.bottom -= context.GraphicHeight;
    }

    if (context.TextKind == celltext::tkHTML) {
        context.TextWidth = RenderHTMLText(context, text, textRect, linkColor) + 2;
        return;
    }
    if (context.TextKind == celltext::tkRichText) {
        if (!(context.State.testFlag(gdSelected) && !context.State.testFlag(gdFocused) && FSelectionColor == clNone))
            canvas.fillRect(textRect);
        canvas.brush().setStyle(platform::TBrushStyle::bsClear);
        RenderRichText(context, text, textRect);
        canvas.brush().setStyle(platform::TBrushStyle::bsSolid);
        canvas.font().setColor(clBlack);
        return;
    }

    unsigned flags = platform::DT_EDITCONTROL;
    const int lineCount = FMultilinecells ? int(text.count(QLatin1Char('\r'))) + 1 : 1;
    if (lineCount == 1 && !FWordWrap) {
        const int lineEnd = text.indexOf(QLatin1Char('\r'));
        if (lineEnd >= 0)
            text.truncate(lineEnd);
        flags = platform::DT_SINGLELINE | (FEnhTextSize ? platform::DT_END_ELLIPSIS : 0u);
    }
    FVerticalTextFlag = int(celltext::kVerticalFlag[context.Alignment.VAlign]);
    flags |= platform::DT_EXPANDTABS | platform::DT_NOPREFIX | celltext::WrapFlag(FWordWrap)
             | celltext::kHorizontalFlag[context.Alignment.HAlign] | celltext::kVerticalFlag[context.Alignment.VAlign];
    if (layoutDirection() == Qt::RightToLeft) {
        // Left and right alignment swap places; centred text stays centred.
        const unsigned horizontal = flags & (platform::DT_CENTER | platform::DT_RIGHT);
        flags &= ~(platform::DT_CENTER | platform::DT_RIGHT);
        flags |= horizontal == 0 ? platform::DT_RIGHT : horizontal == platform::DT_RIGHT ? 0u : horizontal;
        flags |= platform::DT_RTLREADING;
    }

    canvas.setBackgroundMode(platform::TBackgroundMode::Transparent);
    if (context.Graphic && !text.isEmpty()) {
        TRect measured = textRect;
        canvas.drawText(text, measured, flags | platform::DT_CALCRECT);
        context.TextWidth = measured.width() + 2;
    }
    TRect drawn = textRect;
    canvas.drawText(text, drawn, flags);
}

void TCellGrid::DrawCellBackGround(const TCellPaintContext &context, const TRect &where)
{
    const TBackGround &background = *BackGround();
    const QImage picture = background.Bitmap();
    if (picture.isNull())
        return;
    const bool fixed = context.State.testFlag(gdFixed);
    const bool covered = background.Cells() == bcAll || (background.Cells() == bcNormal && !fixed)
                         || (background.Cells() == bcFixed && fixed);
    const bool selected = context.State.testFlag(gdSelected);
    const bool focused = context.State.testFlag(gdFocused);
    const bool showsSelection =
        FShowSelection && ((selected && !focused) || (focused && Options().testFlag(goDrawFocusSelected)));
    if (!covered || showsSelection || where.isEmpty())
        return;
    QPainter &painter = context.Canvas->painter();
    painter.save();
    painter.setClipRect(where.toQRect(), Qt::IntersectClip);
    // Tiles line up over the whole client area, so neighbouring cells continue the pattern.
    const QPoint origin(background.Left(), background.Top());
    if (background.Display() == bdTile)
        painter.drawTiledPixmap(where.toQRect(), QPixmap::fromImage(picture),
                                QPoint(where.left - origin.x(), where.top - origin.y()));
    else
        painter.drawImage(origin, picture);
    painter.restore();
}

void TCellGrid::DrawSelectionFrame(const TCellPaintContext &context)
{
    const TGridRect selection = Selection();
    if (!FSelectionRectangle || !selection.contains(context.DisplayCol, context.Row))
        return;
    TCanvas &canvas = *context.Canvas;
    const platform::TPen kept = canvas.pen();
    canvas.pen().width = 2;
    canvas.pen().color = clWindowText;
    const TRect cell = context.Rect;
    if (context.DisplayCol == selection.Left) {
        canvas.moveTo(cell.left, cell.top);
        canvas.lineTo(cell.left, cell.bottom);
    }
    if (context.DisplayCol == selection.Right) {
        canvas.moveTo(cell.right - 1, cell.top);
        canvas.lineTo(cell.right - 1, cell.bottom);
    }
    if (context.Row == selection.Top) {
        canvas.moveTo(cell.left, cell.top);
        canvas.lineTo(cell.right, cell.top);
    }
    if (context.Row == selection.Bottom) {
        canvas.moveTo(cell.left, cell.bottom - 1);
        canvas.lineTo(cell.right, cell.bottom - 1);
    }
    canvas.pen() = kept;
    if (FSelectionResizer && context.DisplayCol == selection.Right && context.Row == selection.Bottom) {
        canvas.brush().setColor(clWindowText);
        canvas.fillRect({cell.right - 4, cell.bottom - 4, cell.right, cell.bottom});
    }
}

int TCellGrid::RenderHTMLText(const TCellPaintContext &, const QString &, const TRect &, TColor)
{
    // The HTML renderer belongs to the grid's further facilities; without it
    // the text takes no room.
    return 0;
}

void TCellGrid::RenderRichText(const TCellPaintContext &, const QString &, const TRect &)
{
    // Rendered by the rich-text facility, which overrides this step.
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
