#pragma once

#include "grid/CellPaintTypes.h"
#include "grid/CellProperties.h"
#include "grid/GridEvents.h"
#include "grid/GridFont.h"
#include "grid/GridTypes.h"
#include "grid/SparseCellStore.h"
#include "platform/Rect.h"
#include "platform/WindowTimers.h"

#include <QRect>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <vector>

class QScrollBar;
class QWheelEvent;
namespace platform {
class TCanvas;
}

// The base string grid: a rectangular array of cells addressed (column, row)
// from 0, with fixed rows and columns, column widths and row heights, an
// options set, a current cell and a selection, a top-left visible cell,
// scroll bars and a border, and the sparse store of cell texts, properties
// objects and graphics. It draws nothing itself: its own grid-line width is 0
// and its own cell drawing is off, so cell rectangles abut without gaps; the
// grid on top paints every cell and every line.
//
// Geometry is in client coordinates: (0, 0) is the top-left corner inside the
// border, at ClientOrigin() in widget coordinates. A cell rectangle's right
// and bottom are exclusive (right = left + width).
class TBaseGrid : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int Left READ Left WRITE SetLeft)
    Q_PROPERTY(int Top READ Top WRITE SetTop)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(int ColCount READ ColCount WRITE SetColCount)
    Q_PROPERTY(int RowCount READ RowCount WRITE SetRowCount)
    Q_PROPERTY(int DefaultColWidth READ DefaultColWidth WRITE SetDefaultColWidth)
    Q_PROPERTY(int DefaultRowHeight READ DefaultRowHeight WRITE SetDefaultRowHeight)
    Q_PROPERTY(bool DefaultDrawing READ DefaultDrawing WRITE SetDefaultDrawing)
    Q_PROPERTY(int GridLineWidth READ GridLineWidth WRITE SetGridLineWidth)
    Q_PROPERTY(TColor GridLineColor READ GridLineColor WRITE SetGridLineColor)
    Q_PROPERTY(TGridOptions Options READ Options WRITE SetOptions)
    Q_PROPERTY(TScrollStyle ScrollBars READ ScrollBars WRITE SetScrollBars)
    Q_PROPERTY(TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(TColor FixedColor READ FixedColor WRITE SetFixedColor)
    Q_PROPERTY(bool Ctl3D READ Ctl3D WRITE SetCtl3D)
    Q_PROPERTY(bool ParentCtl3D READ ParentCtl3D WRITE SetParentCtl3D)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(TFont *Font READ Font CONSTANT)
    Q_PROPERTY(TCursor Cursor READ Cursor WRITE SetCursor)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)

public:
    explicit TBaseGrid(QWidget *parent = nullptr);
    ~TBaseGrid() override;

    // ---- Control ------------------------------------------------------------
    int Left() const { return x(); }
    void SetLeft(int value);
    int Top() const { return y(); }
    void SetTop(int value);
    int Width() const { return width(); }
    void SetWidth(int value);
    int Height() const { return height(); }
    void SetHeight(int value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TColor FixedColor() const { return FFixedColor; }
    void SetFixedColor(TColor value);
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool value);
    bool ParentCtl3D() const { return FParentCtl3D; }
    void SetParentCtl3D(bool value) { FParentCtl3D = value; }
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool value) { FParentFont = value; }
    TFont *Font() const { return FFont; }
    TCursor Cursor() const { return FCursor; }
    // Sets the control's cursor; the grid on top adds its resting cursor.
    virtual void SetCursor(TCursor value);
    bool TabStop() const;
    void SetTabStop(bool value);

    // ---- Shape --------------------------------------------------------------
    // The grid on top adds its own rules to these setters.
    std::int32_t ColCount() const { return FColCount; }
    virtual void SetColCount(std::int32_t value);
    std::int32_t RowCount() const { return FRowCount; }
    virtual void SetRowCount(std::int32_t value);
    // The fixed columns and rows as stored; the grid on top answers FixedCols
    // and FixedRows by its own rule.
    std::int32_t StoredFixedCols() const { return FFixedCols; }
    void SetFixedCols(std::int32_t value);
    std::int32_t StoredFixedRows() const { return FFixedRows; }
    void SetFixedRows(std::int32_t value);
    int DefaultColWidth() const { return FDefaultColWidth; }
    void SetDefaultColWidth(int value);
    int DefaultRowHeight() const { return FDefaultRowHeight; }
    virtual void SetDefaultRowHeight(int value);
    int ColWidths(std::int32_t col) const;
    void SetColWidths(std::int32_t col, int width);
    int RowHeights(std::int32_t row) const;
    void SetRowHeights(std::int32_t row, int height);
    // Adds the amount to every column width and row height that stays above 0
    // (BaseGridZoom.cpp).
    void AddToCellSizes(int amount);

    // The grid's own copies; the base grid's line width stays 0 and its own
    // cell drawing stays off whatever these hold.
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool value);
    int GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int value);
    TColor GridLineColor() const { return FGridLineColor; }
    void SetGridLineColor(TColor value);

    TGridOptions Options() const { return FOptions; }
    void SetOptions(TGridOptions value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);

    // ---- Geometry -----------------------------------------------------------
    // Width of the border on each side, in pixels.
    int BorderWidth() const;
    QPoint ClientOrigin() const;
    int ClientWidth() const;
    int ClientHeight() const;
    // The cell's rectangle in client coordinates; empty when it is not visible.
    QRect CellRect(std::int32_t col, std::int32_t row) const;
    // The same, widened over the cell's span when it is a span's base cell.
    QRect SpannedCellRect(std::int32_t col, std::int32_t row) const;
    // The cell under a client point; (-1, -1) outside every cell.
    TGridCoord MouseCoord(int x, int y) const;
    std::int32_t TopRow() const { return FTopLeft.Y; }
    void SetTopRow(std::int32_t value);
    std::int32_t LeftCol() const { return FTopLeft.X; }
    void SetLeftCol(std::int32_t value);
    // Scrolled columns and rows that fit wholly in the client area.
    std::int32_t VisibleColCount() const;
    std::int32_t VisibleRowCount() const;

    // ---- Current cell and selection ----------------------------------------
    std::int32_t Col() const { return FCurrent.X; }
    void SetCol(std::int32_t value);
    std::int32_t Row() const { return FCurrent.Y; }
    void SetRow(std::int32_t value);
    TGridCoord Anchor() const { return FAnchor; }
    TGridRect Selection() const;
    void SetSelection(const TGridRect &value);
    // Makes a cell current when SelectCell allows it; with moveAnchor the
    // selection shrinks to it, otherwise it stretches from the anchor.
    // SelectCell is asked for the current cell itself only with askForCurrent
    // (a press on it is still a choice of a cell).
    void FocusCell(std::int32_t col, std::int32_t row, bool moveAnchor, bool askForCurrent = false);
    TGridState GridState() const { return FGridState; }
    void SetGridState(TGridState value) { FGridState = value; }

    // ---- Cell store ---------------------------------------------------------
    // The stored text of a cell, as it is, and its plain replacement; writing
    // marks the cell for repainting.
    QString Cells(std::int32_t col, std::int32_t row) const;
    void SetCells(std::int32_t col, std::int32_t row, const QString &text);

    QString ReadCellText(std::int32_t col, std::int32_t row) const;
    void WriteCellText(std::int32_t col, std::int32_t row, const QString &text);
    TGridCoord BaseCellOf(std::int32_t col, std::int32_t row) const;
    bool CellHasProperties(std::int32_t col, std::int32_t row) const;
    // The cell's properties object, or none.
    TCellProperties *CellProperties(std::int32_t col, std::int32_t row) const;
    TCellProperties &EnsureCellProperties(std::int32_t col, std::int32_t row);
    void ReplaceCellProperties(std::int32_t col, std::int32_t row, std::unique_ptr<TCellProperties> properties);
    void ReleaseCellProperties(std::int32_t col1, std::int32_t row1, std::int32_t col2, std::int32_t row2);
    // Marks the cell's area, widened over its span, for repainting.
    void RepaintCellArea(std::int32_t col, std::int32_t row);

    virtual TCellType CellGraphicKind(std::int32_t col, std::int32_t row) const;
    virtual TCellGraphic *FindCellGraphic(std::int32_t col, std::int32_t row) const;
    // Puts a graphic (or none) in the cell's slot, which owns it; the graphic
    // owned before comes back to the caller.
    [[nodiscard]] std::unique_ptr<TCellGraphic> AttachCellGraphic(std::int32_t col, std::int32_t row,
                                                                  std::unique_ptr<TCellGraphic> graphic);
    // Puts an object in the slot that stays the caller's: a virtual check box,
    // or an object of another class, which is never taken for a graphic.
    [[nodiscard]] std::unique_ptr<TCellGraphic> LendCellGraphic(std::int32_t col, std::int32_t row,
                                                                TCellObject *object);
    // Releases the cell's graphic and attaches a fresh one, which it answers.
    TCellGraphic &NewCellGraphic(std::int32_t col, std::int32_t row);
    bool DetachCellGraphic(std::int32_t col, std::int32_t row);

    virtual void CellsChanged(const TGridRect &rect);
    virtual void EraseCellRange(std::int32_t col1, std::int32_t row1, std::int32_t col2, std::int32_t row2);

    std::int32_t DisplayTextRowLimit() const { return FDisplayTextRowLimit; }
    void SetDisplayTextRowLimit(std::int32_t value) { FDisplayTextRowLimit = value; }
    bool FooterFillsLastRow() const { return FFooterFillsLastRow; }
    void SetFooterFillsLastRow(bool value) { FFooterFillsLastRow = value; }
    std::size_t StoredCellCount() const { return FStore.EntryCount(); }

    TGetDisplTextEvent OnGetDisplText;
    TCellsChangedEvent OnCellsChanged;

    // ---- Window timers ------------------------------------------------------
    platform::WindowTimers &Timers() { return FTimers; }

    // ---- Painting (BaseGridPaint.cpp) -----------------------------------------
    // Grows by one after every whole paint, wrapping at 32 bits.
    std::int32_t PaintPass() const { return FPaintPass; }
    // The rectangle a cell is painted in: placed from the top-left visible
    // cell (fixed cells stand still) and widened over its span.
    platform::TRect PaintCellRect(std::int32_t col, std::int32_t row) const;
    virtual bool IsFixedCell(std::int32_t col, std::int32_t row) const;
    // Sets the canvas font and brush for the cell and answers its alignment;
    // may add to the draw state.
    virtual TCellAlignment GetCellColors(platform::TCanvas &canvas, std::int32_t col, std::int32_t row, bool mapColumn,
                                         bool allowSelection, bool printing, TGridDrawState &state);

    // ---- Input events (BaseGridInput.cpp) -------------------------------------
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TMouseWheelUpDownEvent OnMouseWheelDown;
    TMouseWheelUpDownEvent OnMouseWheelUp;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TSelectCellEvent OnSelectCell;

    // Window timer of a left-button selection in progress.
    static constexpr int DragScrollTimerId = 1;
    static constexpr int DragScrollInterval = 60;

protected:
    void paintEvent(QPaintEvent *event) override;
    virtual void Paint(platform::TCanvas &canvas);
    // The base paint loop: the four regions of cells, then the client area beyond them.
    void PaintCells(platform::TCanvas &canvas);
    virtual void DrawCell(platform::TCanvas &canvas, std::int32_t col, std::int32_t row, platform::TRect rect,
                          TGridDrawState state);
    virtual void DrawCellContent(platform::TCanvas &canvas, std::int32_t col, std::int32_t row, platform::TRect rect,
                                 TGridDrawState state);
    virtual int NodeIndent(std::int32_t row) const;
    virtual bool HasNodes() const;
    // An inplace editor covers the current cell.
    virtual bool EditorShowing() const;
    // The grid is its form's active control.
    bool IsActiveControl() const;
    // Whether the cell may become current.
    virtual bool SelectCell(std::int32_t col, std::int32_t row);
    // A tick of one of the grid's window timers.
    virtual void WindowTimer(int id);
    // Repaints the footer panel, when the grid has one.
    virtual void RepaintFooter() {}
    // The grid is being destroyed: cell texts stay, nothing is repainted.
    bool IsDestroying() const { return FDestroying; }
    void SetDestroying() { FDestroying = true; }

    void timerEvent(QTimerEvent *event) override;

    // ---- The base grid's own input handling (BaseGridInput.cpp) ----------------
    // A press: takes the focus, and a left press on a normal cell starts
    // selecting; a double-click press raises OnDblClick instead.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    // OnKeyDown, then navigation by arrows, PgUp, PgDn, Home, End and Tab.
    virtual void KeyDown(int &key, Qt::KeyboardModifiers shift);
    // OnKeyPress for a typed character.
    virtual void KeyPress(QChar &key);
    // One whole wheel notch: the event, then one row down (up) unless handled.
    virtual void DoMouseWheelDown(TShiftState shift, QPoint mousePos);
    virtual void DoMouseWheelUp(TShiftState shift, QPoint mousePos);
    // Moves the far corner of the selection; the current cell stays.
    void MoveAnchor(std::int32_t col, std::int32_t row);
    // Back to the normal state; a selection in progress stops its timer.
    void EndSelecting();
    // The vertical wheel delta of the event, in wheel units.
    static int WheelNotchDelta(const QWheelEvent &event);
    // The client point of a widget point.
    QPoint ClientPoint(QPoint widgetPoint) const { return widgetPoint - ClientOrigin(); }
    void resizeEvent(QResizeEvent *event) override;

private:
    void InvalidateCell(std::int32_t col, std::int32_t row);
    void InvalidateClientRect(const QRect &clientRect);
    void SetStoreText(std::int32_t col, std::int32_t row, const QString &text);
    // Releases the cell's graphic, then its properties object.
    void ReleaseCellObjects(std::int32_t col, std::int32_t row);
    // The cells that EraseCellRange visits, row by row.
    std::vector<TGridCoord> CellsToErase(std::int32_t col1, std::int32_t row1, std::int32_t col2,
                                         std::int32_t row2) const;
    void ResetCurrentCell();
    void ClampCurrentCell();
    void UpdateScrollBars();
    void ScrollBarMoved();
    int ColumnLeft(std::int32_t col) const;
    int RowTop(std::int32_t row) const;

    // Control.
    TFont *FFont;
    TColor FColor = clWindow;
    TColor FFixedColor = clBtnFace;
    bool FCtl3D = true;
    bool FParentCtl3D = true;
    bool FParentFont = true;
    TCursor FCursor = crDefault;

    // Shape.
    std::int32_t FColCount = 5;
    std::int32_t FRowCount = 5;
    std::int32_t FFixedCols = 1;
    std::int32_t FFixedRows = 1;
    int FDefaultColWidth = 64;
    int FDefaultRowHeight = 24;
    // Empty while every column (row) has the default size.
    std::vector<int> FColWidths;
    std::vector<int> FRowHeights;
    bool FDefaultDrawing = false;
    int FGridLineWidth = 1;
    TColor FGridLineColor = clSilver;
    TGridOptions FOptions;
    TScrollStyle FScrollBars = ssBoth;
    TBorderStyle FBorderStyle = bsSingle;
    QScrollBar *FHorzScrollBar;
    QScrollBar *FVertScrollBar;

    // Current cell and selection.
    TGridCoord FTopLeft{1, 1};
    TGridCoord FCurrent{1, 1};
    TGridCoord FAnchor{1, 1};
    TGridState FGridState = gsNormal;

    // Cell store.
    TSparseCellStore FStore;
    std::int32_t FDisplayTextRowLimit = 5;
    bool FFooterFillsLastRow = false;
    bool FDestroying = false;

    platform::WindowTimers FTimers;

    std::int32_t FPaintPass = 0;

    // Wheel delta not yet turned into whole notches.
    std::int64_t FWheelAccumulator = 0;

    void BaseMouseDown(const QMouseEvent &event, bool doubleClick);
    void DragScroll();
    TGridCoord MaxTopLeft() const;
};
