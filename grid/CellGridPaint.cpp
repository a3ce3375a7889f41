#include "grid/CellGrid.h"

#include "grid/CellGraphicPlacement.h"
#include "grid/CellTextFormat.h"
#include "grid/GridCanvasFont.h"
#include "platform/Canvas.h"

#include <QApplication>
#include <QRegularExpression>

#include <algorithm>

using platform::TCanvas;
using platform::TRect;

namespace {

// Puts the values a cell's properties object sets onto brush and font.
void ApplyCellProperties(const TCellProperties *properties, platform::TBrush &brush, platform::TFont &font)
{
    if (!properties)
        return;
    if (properties->BrushColor() != clNone)
        brush.setColor(properties->BrushColor());
    if (properties->FontColor != clNone)
        font.setColor(properties->FontColor);
    if (properties->FontStyle)
        font.setStyle(properties->FontStyle);
    if (properties->FontSize != 0)
        font.setSize(properties->FontSize);
    if (!properties->FontName.isEmpty())
        font.setName(properties->FontName);
}

// The grid's number test: an optionally signed decimal number, with an
// optional exponent, and blanks around it.
bool LooksLikeNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral(R"(^\s*[+-]?(\d+([.,]\d*)?|[.,]\d+)([eE][+-]?\d+)?\s*$)"));
    return number.match(text).hasMatch();
}

} // namespace

bool TCellGrid::HasKeyboardFocus() const
{
    return QApplication::focusWidget() == this;
}

void TCellGrid::Paint(TCanvas &canvas)
{
    canvas.pen().style = platform::TPenStyle::psSolid;
    PaintCells(canvas);
    if (EditorShowing()) {
        TColor frame = GridLineWidth() > 0 ? GridLineColor() : Color();
        if (!Options().testAnyFlags(goHorzLine | goVertLine))
            frame = Color();
        canvas.pen().color = frame;
        canvas.rectangle(PaintCellRect(Col(), Row()));
    }
    canvas.pen().color = clBlack;
}

bool TCellGrid::IsFixedCell(std::int32_t col, std::int32_t row) const
{
    const TGridCoord base = BaseCellOf(FHiddenColumns.RealColIndex(col), row);
    if (std::int64_t(base.Y) >= std::int64_t(RowCount()) - FFixedFooters
        || std::int64_t(base.X) >= std::int64_t(ColCount()) - FFixedRightCols + HiddenColumnCount())
        return true;
    bool isFixed = false;
    if (OnIsFixedCell)
        OnIsFixedCell(const_cast<TCellGrid *>(this), row, col, isFixed);
    return isFixed;
}

bool TCellGrid::IsSelectedCell(std::int32_t col, std::int32_t row) const
{
    if (col < FixedCols() || row < FixedRows())
        return false;
    if (MouseActions()->DisjunctRowSelect())
        return FSelectionMarks.RowSelect(row);
    return Selection().contains(col, row);
}

void TCellGrid::ApplyCellColorHook(TCanvas &canvas, std::int32_t col, std::int32_t storedCol, std::int32_t row,
                                   TGridDrawState state)
{
    if (FActiveCellShow
        && ((row == Row() && col == 0 && FixedCols() > 0) || (col == Col() && row == 0 && FixedRows() > 0))) {
        canvas.font() = ToCanvasFont(*ActiveCellFont());
        canvas.brush().setColor(FActiveCellColor);
    }
    ApplyCellProperties(CellProperties(storedCol, row), canvas.brush(), canvas.font());
    if (OnGetCellColor)
        OnGetCellColor(this, row, storedCol, state, canvas.brush(), canvas.font());
}

TCellAlignment TCellGrid::GetCellColors(TCanvas &canvas, std::int32_t col, std::int32_t row, bool mapColumn,
                                        bool allowSelection, bool printing, TGridDrawState &state)
{
    platform::TBrush &brush = canvas.brush();
    platform::TFont &font = canvas.font();

    if (printing)
        font = ToCanvasFont(*PrintSettings()->Font());
    else if (col < FixedCols() || row < FixedRows())
        font = ToCanvasFont(*FixedFont());
    else
        font = ToCanvasFont(*Font());

    const std::int32_t storedCol = mapColumn ? FHiddenColumns.RealColIndex(col) : col;
    brush.setColor(clNone);

    const TCellProperties *properties = CellProperties(storedCol, row);
    ApplyCellProperties(properties, brush, font);

    if (brush.color() == clNone) {
        brush.setColor(Color());
        const TBands &bands = *Bands();
        const bool bandedColumn =
            storedCol >= FixedCols()
            && std::int64_t(storedCol) < std::int64_t(ColCount()) + HiddenColumnCount() - FFixedRightCols;
        const bool bandedRow = row >= FixedRows() && std::int64_t(row) < std::int64_t(RowCount()) - FFixedFooters;
        if (bands.Active() && (bands.Print() == printing || !printing) && bandedColumn && bandedRow) {
            const std::int64_t length = std::int64_t(bands.PrimaryLength()) + bands.SecondaryLength();
            const bool primary = length <= 0 || (std::int64_t(row) - FixedRows()) % length < bands.PrimaryLength();
            brush.setColor(primary ? bands.PrimaryColor() : bands.SecondaryColor());
        }
    }

    const bool fixed = IsFixedCell(col, row) || col < FixedCols() || row < FixedRows();
    if (fixed && !printing) {
        brush.setColor(FixedColor());
        font.setColor(FixedFont()->Color());
        state |= gdFixed;
    }

    if (printing) {
        if (OnGetCellPrintColor)
            OnGetCellPrintColor(this, row, storedCol, state, brush, font);
    } else {
        ApplyCellColorHook(canvas, col, storedCol, row, state);
    }

    const TMouseActions &actions = *MouseActions();
    if (col >= FixedCols() && row >= FixedRows() && !fixed && !printing && allowSelection && FShowSelection
        && actions.DisjunctRowSelect()) {
        const bool marked = FSelectionMarks.RowSelect(row);
        if (((!FSelectionMarks.MouseRowSelecting() || row != Row()) && marked)
            || (FSelectionMarks.MouseRowSelecting() && !marked && state.testFlag(gdSelected))) {
            brush.setColor(FSelectionColor);
            font.setColor(FSelectionTextColor);
            state = gdSelected;
        }
    }

    if ((allowSelection && !printing && FShowSelection && !fixed && IsSelectedCell(col, row)
         && !actions.DisjunctRowSelect())
        || (state.testFlag(gdSelected) && FSelectionMarks.MouseRowSelecting())) {
        brush.setColor(FSelectionColor);
        font.setColor(FSelectionTextColor);
        state |= gdSelected;
    }

    if (actions.DisjunctCellSelect() && FSelectionMarks.CellSelect(col, row)) {
        brush.setColor(FSelectionColor);
        font.setColor(FSelectionTextColor);
        state |= gdSelected;
    }

    return GetCellAlignment(storedCol, row);
}

TCellAlignment TCellGrid::GetCellAlignment(std::int32_t col, std::int32_t row)
{
    TCellAlignment alignment{taLeftJustify, VAlignment()};
    if (FAutoNumAlign) {
        // Formulas have no value here, so they never count as numbers.
        const QString text = ReadCellText(col, row);
        if (!text.startsWith(QLatin1Char('=')) && LooksLikeNumber(text))
            alignment.HAlign = taRightJustify;
    }
    if (const TCellProperties *properties = CellProperties(col, row))
        alignment.HAlign = properties->Alignment();
    if (OnGetAlignment)
        OnGetAlignment(this, row, col, alignment.HAlign, alignment.VAlign);
    return alignment;
}

void TCellGrid::GetCellGraphicLayout(std::int32_t col, std::int32_t row, TCellPaintContext &context) const
{
    context.Graphic = FindCellGraphic(col, row);
    context.GraphicWidth = 0;
    context.GraphicHeight = 0;
    context.GraphicHAlign = haLeft;
    context.GraphicVAlign = vaTop;
    context.DrawTextFlag = true;
    const TCellGraphic *graphic = context.Graphic;
    if (!graphic)
        return;
    context.GraphicHAlign = graphic->CellHAlign;
    context.GraphicVAlign = graphic->CellVAlign;
    const auto setSize = [&context](QSize size) {
        context.GraphicWidth = size.width();
        context.GraphicHeight = size.height();
    };
    const auto *picture = dynamic_cast<const TCellPicture *>(graphic->CellType == ctIcon ? graphic->IconObject()
                                                                                         : graphic->ImageObject());
    switch (graphic->CellType) {
    case ctBitmap:
    case ctIcon:
        if (picture)
            setSize(picture->Image.size());
        break;
    case ctPicture:
    case ctFilePicture:
        if (picture)
            setSize(picture->SizeIn(context.Rect));
        break;
    case ctImageList:
        if (FGridImages)
            setSize(FGridImages->ImageSize);
        break;
    case ctDataImage:
        if (FGridImages) {
            setSize(FGridImages->ImageSize);
            context.DrawTextFlag = false;
        }
        break;
    case ctImages:
        // The images stand side by side.
        if (const auto *indexes = dynamic_cast<const TIntList *>(graphic->ImageObject()); indexes && FGridImages)
            setSize({int(indexes->Items.size()) * FGridImages->ImageSize.width(), FGridImages->ImageSize.height()});
        break;
    case ctRotated:
    case ctRadio:
    case ctProgress: context.DrawTextFlag = false; break;
    case ctCheckBox: setSize({ControlLook()->CheckSize(), ControlLook()->CheckSize()}); break;
    case ctDataCheckBox:
    case ctVirtCheckBox:
        setSize({ControlLook()->CheckSize(), ControlLook()->CheckSize()});
        context.DrawTextFlag = false;
        break;
    case ctButton:
    case ctBitButton:
        context.GraphicWidth = std::int32_t(std::uint32_t(graphic->CellIndex) & 0xFFFFu);
        context.GraphicHeight = std::int32_t((std::uint32_t(graphic->CellIndex) >> 16) & 0xFFFFu);
        break;
    default: break;
    }
}

void TCellGrid::DrawCellGraphic(TCellPaintContext &context)
{
    if (context.Graphic->CellType == ctRotated) {
        // Rotated text ignores the placement: it uses the whole content rectangle.
        DrawRotatedText(context);
        return;
    }
    DrawPlacedGraphic(context,
                      PlaceCellGraphic(context.Rect, context.GraphicWidth, context.GraphicHeight, context.TextWidth,
                                       context.GraphicHAlign, context.GraphicVAlign, context.TextAlignment));
}

void TCellGrid::DrawPlacedGraphic(const TCellPaintContext &, const TRect &)
{
    // Pictures, check boxes, buttons and the other kinds belong to the
    // grid's further facilities, which draw them by overriding this step.
}

void TCellGrid::DrawCellDecorations(const TCellPaintContext &)
{
    // Raised edges and lines of the fixed cells by Look, the separators of
    // the fixed columns on the right and the tree lines belong to the grid's
    // further facilities, which draw them by overriding this step.
}

void TCellGrid::DrawCellContent(TCanvas &canvas, std::int32_t col, std::int32_t row, TRect rect, TGridDrawState state)
{
    TCellPaintContext context;
    context.Canvas = &canvas;
    context.Rect = rect;
    context.State = state;
    context.TextWidth = 0;
    context.TextAlignment = taLeftJustify;

    if (FMultilinecells)
        celltext::ClearSingleLineWrapFlag();
    SetCtl3D(!Flat());

    context.Col = FHiddenColumns.RealColIndex(col);
    context.DisplayCol = col;
    context.Row = row;

    context.Alignment = GetCellColors(canvas, col, row, true, false, false, context.State);
    GetCellGraphicLayout(context.Col, row, context);

    if (context.State.testFlag(gdSelected) && !context.State.testFlag(gdFocused) && FSelectionColor == clNone)
        canvas.brush().setColor(clHighlight);

    canvas.font().setSize(canvas.font().size() + ZoomOffset());

    context.SavedBrushColor = canvas.brush().color();
    context.SavedFontColor = canvas.font().color();

    int indicatorWidth = 0;
    if (context.Col == 0 && row == Row() && FixedCols() > 0 && !RowIndicator().isNull()) {
        canvas.brush().setColor(FixedColor());
        canvas.fillRect(context.Rect);
        canvas.painter().drawImage(QPoint(context.Rect.left, context.Rect.top), RowIndicator());
        // The steps after it keep the cell's own colours.
        canvas.brush().setColor(context.SavedBrushColor);
        indicatorWidth = RowIndicator().width();
        context.Rect.left += indicatorWidth;
    }

    if (context.State.testFlag(gdFixed) && FLook == glGradient && !Flat()) {
        // Ten bands from the start colour at the top to the end colour at the bottom.
        const QColor start = platform::resolveColor(GradientStartColor());
        const QColor end = platform::resolveColor(GradientEndColor());
        constexpr int steps = 10;
        const TRect area = context.Rect;
        for (int i = 0; i < steps && start.isValid() && end.isValid(); ++i) {
            const auto mix = [i](int a, int b) { return a + (b - a) * i / (steps - 1); };
            const TRect band{area.left, area.top + int(std::int64_t(area.height()) * i / steps), area.right,
                             area.top + int(std::int64_t(area.height()) * (i + 1) / steps)};
            canvas.painter().fillRect(
                band.toQRect(),
                QColor(mix(start.red(), end.red()), mix(start.green(), end.green()), mix(start.blue(), end.blue())));
        }
    }

    DrawCellText(context);

    canvas.brush().setColor(context.SavedBrushColor);
    canvas.font().setColor(context.SavedFontColor);
    context.Rect.inflate(1, 1);
    DrawCellBorders(context);
    context.Rect.left -= indicatorWidth;

    const bool treeColumn = context.Col == 0 && HasNodes() && CellNode()->ShowTree();
    const bool rightFixedColumn =
        FFixedRightCols > 0
        && std::int64_t(context.Col) >= std::int64_t(ColCount()) - FFixedRightCols + HiddenColumnCount();
    if (context.State.testFlag(gdFixed) || rightFixedColumn || treeColumn)
        DrawCellDecorations(context);

    if (context.Graphic)
        DrawCellGraphic(context);

    if (OnDrawCell) {
        const TRect drawRect{context.Rect.left + 1, context.Rect.top + 1, context.Rect.right - GridLineWidth(),
                             context.Rect.bottom - GridLineWidth()};
        OnDrawCell(this, context.Col, row, drawRect, context.State);
    }
    if (OnCustomCellDraw)
        OnCustomCellDraw(this, canvas, context.Col, row, context.State, context.Rect, false);

    const TGridCoord base = BaseCellOf(context.Col, row);
    if (!FHideFocusRect && base.X == Col() && base.Y == Row() && HasKeyboardFocus()
        && !Options().testFlag(goRowSelect)) {
        TRect focus = context.Rect;
        focus.inflate(GridLineWidth() - 1, GridLineWidth() - 1);
        focus.right -= 1;
        focus.bottom -= 1;
        canvas.drawFocusRect(focus);
    }
}
