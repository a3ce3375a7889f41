#pragma once

#include "grid/BehaviourSettings.h"
#include "grid/CellGridEvents.h"
#include "grid/CellGridSettings.h"
#include "grid/CellPaintTypes.h"
#include "grid/DisplaySettings.h"
#include "grid/FormResizeHook.h"
#include "grid/GridDropTarget.h"
#include "grid/GridFacilities.h"
#include "grid/GridFilter.h"
#include "grid/GridPanning.h"
#include "grid/GridSettingsObjects.h"
#include "grid/HiddenColumns.h"
#include "grid/OutputSettings.h"
#include "grid/SelectionMarks.h"
#include "platform/forms/StoredForm.h"

#include <QImage>
#include <QPoint>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

class QHelpEvent;

// The grid component: a string grid with per-cell graphics, settings objects
// for its optional facilities, and its own painting and input handling.
//
// Its member functions live in one file per concern:
//   CellGrid.cpp          construction, settings, loading, window, destruction
//   CellGridPaint.cpp     the paint pipeline
//   CellGridText.cpp      cell text and borders
//   CellGridRotated.cpp   rotated-text cells (drawing)
//   CellGridMessages.cpp  the order in which input reaches the handlers below
//   CellGridWheel.cpp     wheel and zoom
//   CellGridPan.cpp       middle-button panning
//   CellGridPointer.cpp   pointer buttons, motion, cursor shape and hints
//   CellGridKeys.cpp      keys, focus and the cell-change check
class TCellGrid : public TCellGridSettings, public platform::Loadable, public TCellGridEvents
{
    Q_OBJECT
    // Tests read the grid's inner state through this one probe.
    friend class TCellGridProbe;
    Q_PROPERTY(int FixedCols READ FixedCols WRITE SetFixedCols)
    Q_PROPERTY(int FixedRows READ FixedRows WRITE SetFixedRows)

    Q_PROPERTY(TBands *Bands READ Bands CONSTANT)
    Q_PROPERTY(TControlLook *ControlLook READ ControlLook CONSTANT)
    Q_PROPERTY(TSortSettings *SortSettings READ SortSettings CONSTANT)
    Q_PROPERTY(TPrintSettings *PrintSettings READ PrintSettings CONSTANT)
    Q_PROPERTY(THTMLSettings *HTMLSettings READ HTMLSettings CONSTANT)
    Q_PROPERTY(TNavigation *Navigation READ Navigation CONSTANT)
    Q_PROPERTY(TColumnSize *ColumnSize READ ColumnSize CONSTANT)
    Q_PROPERTY(TCellNode *CellNode READ CellNode CONSTANT)
    Q_PROPERTY(TSizeWhileTyping *SizeWhileTyping READ SizeWhileTyping CONSTANT)
    Q_PROPERTY(TMouseActions *MouseActions READ MouseActions CONSTANT)
    Q_PROPERTY(TFloatingFooter *FloatingFooter READ FloatingFooter CONSTANT)
    Q_PROPERTY(TDragDropSettings *DragDropSettings READ DragDropSettings CONSTANT)
    Q_PROPERTY(TBackGround *BackGround READ BackGround CONSTANT)
    Q_PROPERTY(TFilter *Filter READ Filter CONSTANT)
    Q_PROPERTY(TFont *FixedFont READ FixedFont CONSTANT)
    Q_PROPERTY(TFont *ActiveCellFont READ ActiveCellFont CONSTANT)

    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(TVAlignment VAlignment READ VAlignment WRITE SetVAlignment)
    Q_PROPERTY(bool Flat READ Flat WRITE SetFlat)
    Q_PROPERTY(TScrollType ScrollType READ ScrollType WRITE SetScrollType)
    Q_PROPERTY(TColor ScrollColor READ ScrollColor WRITE SetScrollColor)
    Q_PROPERTY(int ScrollWidth READ ScrollWidth WRITE SetScrollWidth)
    Q_PROPERTY(bool ScrollProportional READ ScrollProportional WRITE SetScrollProportional)
    Q_PROPERTY(int FixedColWidth READ FixedColWidth WRITE SetFixedColWidth)
    Q_PROPERTY(bool IntegralHeight READ IntegralHeight WRITE SetIntegralHeight)
    Q_PROPERTY(QStringList ColumnHeaders READ ColumnHeaders WRITE SetColumnHeaders)
    Q_PROPERTY(QStringList RowHeaders READ RowHeaders WRITE SetRowHeaders)

public:
    // The owner frees the grid; when the owner is a form, the grid takes
    // over its resize handler for as long as the grid lives.
    explicit TCellGrid(QWidget *owner = nullptr);
    ~TCellGrid() override;

    // ---- Loading and window creation (CellGrid.cpp) ---------------------------
    // The step after the stored form has applied every property.
    void Loaded();
    void loading() override { FLoading = true; }
    void loaded() override { Loaded(); }
    // The grid's window has come into being with a parent.
    void CreateWnd();

    // ---- Shape, with the grid's own rules ---------------------------------------
    void SetColCount(std::int32_t value) override;
    void SetRowCount(std::int32_t value) override;
    // 1 while none are stored and the fixed-always switch is on.
    std::int32_t FixedCols() const;
    std::int32_t FixedRows() const;
    void SetDefaultRowHeight(int value) override;
    void SetCursor(TCursor value) override;

    // ---- Settings objects ----------------------------------------------------
    TBands *Bands() const { return FObjects.Bands.get(); }
    TControlLook *ControlLook() const { return FObjects.ControlLook.get(); }
    TSortSettings *SortSettings() const { return FObjects.SortSettings.get(); }
    TPrintSettings *PrintSettings() const { return FObjects.PrintSettings.get(); }
    THTMLSettings *HTMLSettings() const { return FObjects.HTMLSettings.get(); }
    TNavigation *Navigation() const { return FObjects.Navigation.get(); }
    TColumnSize *ColumnSize() const { return FObjects.ColumnSize.get(); }
    TCellNode *CellNode() const { return FObjects.CellNode.get(); }
    TSizeWhileTyping *SizeWhileTyping() const { return FObjects.SizeWhileTyping.get(); }
    TMouseActions *MouseActions() const { return FObjects.MouseActions.get(); }
    TFloatingFooter *FloatingFooter() const { return FObjects.FloatingFooter.get(); }
    TDragDropSettings *DragDropSettings() const { return FObjects.DragDropSettings.get(); }
    TBackGround *BackGround() const { return FObjects.BackGround.get(); }
    TFilter *Filter() const { return FObjects.Filter.get(); }
    TFont *FixedFont() const { return FObjects.FixedFont.get(); }
    TFont *ActiveCellFont() const { return FObjects.ActiveCellFont.get(); }

    // ---- Published settings --------------------------------------------------
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    TVAlignment VAlignment() const { return FVAlignment; }
    void SetVAlignment(TVAlignment value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    TScrollType ScrollType() const { return FScrollType; }
    void SetScrollType(TScrollType value);
    TColor ScrollColor() const { return FScrollColor; }
    void SetScrollColor(TColor value);
    int ScrollWidth() const { return FScrollWidth; }
    void SetScrollWidth(int value);
    bool ScrollProportional() const { return FScrollProportional; }
    void SetScrollProportional(bool value);
    // The width of column 0; setting it changes nothing at run time.
    int FixedColWidth() const { return ColWidths(0); }
    void SetFixedColWidth(int) {}
    bool IntegralHeight() const { return FIntegralHeight; }
    void SetIntegralHeight(bool value);
    QStringList ColumnHeaders() const { return FColumnHeaders; }
    void SetColumnHeaders(const QStringList &value);
    QStringList RowHeaders() const { return FRowHeaders; }
    void SetRowHeaders(const QStringList &value);

    // ---- Grid state read by painting and input ----------------------------------
    int WheelMessage() const { return FWheelMessage; }
    bool ColumnVisible(int col) const { return FHiddenColumns.Visible(col); }
    int HiddenColumnCount() const { return FHiddenColumns.Count(); }
    TCursor RestingCursor() const { return FRestingCursor; }
    TFormResizeHook::ResizeHandler PreviousFormResize() const { return FFormHook->Previous(); }
    bool DropTargetRegistered() const { return FDropTarget != nullptr; }
    QPoint TextMargin() const { return FTextMargin; }
    int ZoomOffset() const { return FZoomOffset; }
    void SetZoomOffset(int value) { FZoomOffset = value; }
    QChar PasswordChar() const { return FPasswordChar; }
    // Saved while a one-row (one-column) grid with a fixed-always row
    // (column) shows no selection.
    void SaveSelection() { FSavedSelection = Selection(); }
    void RestoreSelection();

    // The cursor shown over a hyperlink; the hand once a grid has loaded.
    static TCursor AnchorCursor();

    // ---- Facilities this configuration keeps idle ---------------------------
    const TGridFacilities &Facilities() const { return *FFacilities; }
    TFooterPanel *FooterPanel() const { return FFacilities->FooterPanel.get(); }

    // ---- Rotated-text cells: the store half (CellGrid.cpp) ----------------------
    // Gives the cell a fresh rotated-text graphic at the angle, then writes the text.
    void SetRotatedCell(std::int32_t col, std::int32_t row, std::int16_t angle, const QString &text);

    // ---- Column widths ---------------------------------------------------------
    // Fits column StretchColumn (the last column for -1) to the client width.
    void ApplyColumnStretch();
    void LoadColumnWidths();
    void SaveColumnWidths() const;

    // ---- Painting (CellGridPaint.cpp, CellGridText.cpp, CellGridRotated.cpp) ----
    bool IsFixedCell(std::int32_t col, std::int32_t row) const override;
    bool IsSelectedCell(std::int32_t col, std::int32_t row) const;
    TCellAlignment GetCellColors(platform::TCanvas &canvas, std::int32_t col, std::int32_t row, bool mapColumn,
                                 bool allowSelection, bool printing, TGridDrawState &state) override;
    TCellAlignment GetCellAlignment(std::int32_t col, std::int32_t row);
    // Fills the graphic fields and DrawTextFlag of the paint context.
    void GetCellGraphicLayout(std::int32_t col, std::int32_t row, TCellPaintContext &context) const;
    // Answers in rect's left and top where the top-left corner of the
    // unrotated text goes; rect's right and bottom come back shrunk by 2.
    void PlaceRotatedText(platform::TCanvas &canvas, platform::TRect &rect, std::int32_t angle, const QString &text,
                          TAlignment hAlign, TVAlignment vAlign) const;

    // The image list of image-list cells; not owned.
    TGridImages *GridImages() const { return FGridImages; }
    void SetGridImages(TGridImages *value) { StoreAndRepaint(FGridImages, value); }

    // Rows and cells marked in the disjunct selections.
    TSelectionMarks &SelectionMarks() { return FSelectionMarks; }
    const TSelectionMarks &SelectionMarks() const { return FSelectionMarks; }
    // Drawn in the fixed cell of the current row.
    QImage RowIndicator() const { return FRowIndicator; }
    void SetRowIndicator(const QImage &value) { StoreAndRepaint(FRowIndicator, value); }
    // The gradient of fixed cells under the gradient look, top to bottom.
    TColor GradientStartColor() const { return FGradientStartColor; }
    void SetGradientStartColor(TColor value) { StoreAndRepaint(FGradientStartColor, value); }
    TColor GradientEndColor() const { return FGradientEndColor; }
    void SetGradientEndColor(TColor value) { StoreAndRepaint(FGradientEndColor, value); }

    // ---- Wheel, zoom and panning (CellGridWheel.cpp, CellGridPan.cpp) -----------
    bool Panning() const { return FPan.Active(); }
    // Widens every column and heightens every row by the amount (those that
    // stay above 0), and the font follows; the total stays within -10..10.
    void ZoomCells(int amount);
    // One tick of panning: the cursor shows the pointer's side of the origin
    // and the current cell moves one cell that way.
    void PanStep();
    void DrawPanMarker();
    void ErasePanMarker();

    // ---- Pointer and keyboard (CellGridPointer.cpp, CellGridKeys.cpp) -----------
    // Whether the cell may become current; moving there repaints both cells.
    bool CheckSelectCell(std::int32_t col, std::int32_t row);
    // Remembers the cell and its text, to tell later whether editing changed it.
    void RememberCellText(std::int32_t col, std::int32_t row);

protected:
    bool event(QEvent *event) override;
    bool SelectCell(std::int32_t col, std::int32_t row) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void KeyDown(int &key, Qt::KeyboardModifiers shift) override;
    void KeyPress(QChar &key) override;
    void DoMouseWheelDown(TShiftState shift, QPoint mousePos) override;
    void DoMouseWheelUp(TShiftState shift, QPoint mousePos) override;

    void Paint(platform::TCanvas &canvas) override;
    void DrawCellContent(platform::TCanvas &canvas, std::int32_t col, std::int32_t row, platform::TRect rect,
                         TGridDrawState state) override;
    void DrawCellText(TCellPaintContext &context);
    void DrawCellBorders(TCellPaintContext &context);
    void DrawCellGraphic(TCellPaintContext &context);
    void DrawRotatedText(TCellPaintContext &context);
    // Steps of the grid's further facilities: pictures, check boxes, buttons
    // and the other graphic kinds in their placed rectangle, HTML text
    // (answering the width it takes) and rich text. They draw nothing here.
    virtual void DrawPlacedGraphic(const TCellPaintContext &context, const platform::TRect &where);
    // Fixed cells, the fixed columns on the right and the tree column, after
    // the borders and before the graphic; draws nothing here.
    virtual void DrawCellDecorations(const TCellPaintContext &context);
    virtual int RenderHTMLText(const TCellPaintContext &context, const QString &text, const platform::TRect &where,
                               TColor linkColor);
    virtual void RenderRichText(const TCellPaintContext &context, const QString &text, const platform::TRect &where);
    // The grid's window holds the keyboard focus.
    bool HasKeyboardFocus() const;

    void WindowTimer(int id) override;
    void RepaintFooter() override;
    void showEvent(QShowEvent *event) override;

private:
    template <typename T>
    void StoreAndRepaint(T &field, const T &value)
    {
        field = value;
        update();
    }

    void StretchColumns(bool stretch, int stretchColumn);
    // Grows or shrinks the grid with its form, when SizeWithForm says so.
    bool FollowForm(QSize change);
    void ApplyBounds();
    void ApplyColumnHeaders();
    void ApplyRowHeaders();
    void FloatingFooterVisibilityChanged(bool visible);
    void UpdateFooterFillsLastRow();
    void DropTargetSwitched(bool on);
    void ReadPlatformVersion();

    std::unique_ptr<TGridFacilities> FFacilities;
    // Settings objects and fonts.
    TGridSettingsObjects FObjects;

    QStringList FColumnHeaders;
    QStringList FRowHeaders;

    // Grid state.
    bool FThemesActive = false;
    int FWheelMessage = 0;
    int FWheelScrollLines = 0;
    THiddenColumns FHiddenColumns;
    TCursor FRestingCursor = crDefault;
    std::unique_ptr<TFormResizeHook> FFormHook;
    std::unique_ptr<TGridDropTarget> FDropTarget;
    bool FFlatScrollBarsOn = false;
    int FVerticalTextFlag = 0;
    QPoint FTextMargin;
    int FZoomOffset = 0;
    QChar FPasswordChar;
    QString FCheckTrue;
    QString FCheckFalse;
    std::optional<TGridRect> FSavedSelection;
    bool FWindowCreated = false;
    // The stored form is applying its settings.
    bool FLoading = false;

    // Painting.
    void ApplyCellColorHook(platform::TCanvas &canvas, std::int32_t col, std::int32_t storedCol, std::int32_t row,
                            TGridDrawState state);
    void DrawCellBackGround(const TCellPaintContext &context, const platform::TRect &where);
    void DrawSelectionFrame(const TCellPaintContext &context);

    TSelectionMarks FSelectionMarks{*this};
    QImage FRowIndicator;
    TGridImages *FGridImages = nullptr;
    TColor FGradientStartColor = clWhite;
    TColor FGradientEndColor = clBtnFace;

    // Wheel, zoom and panning.
    // False: the wheel message gets no further handling at all.
    bool WheelStep(const QWheelEvent &event);
    bool PanCanStart() const;
    void WheelRowMoved(std::int32_t leftCol);

    // Middle-button panning.
    TGridPanning FPan{*this, Timers()};
    int FPaintLock = 0;

    // Pointer and keyboard.
    void LeftButtonDown(QMouseEvent *event);
    void UpdatePointerZone(TGridCoord cell);
    void ApplyPointerShape();
    void HintRequest(const QHelpEvent &event);

    // Select zone under the pointer: 0 none, 1 column select, 2 row select,
    // 3 select-all corner, 5 selection resizer.
    int FPointerZone = 0;
    TGridCoord FHintCell{-1, -1};
    TGridCoord FRememberedCell{-1, -1};
    QString FRememberedText;
    // goEditing was switched off by a cell that refused editing.
    bool FEditingSwitchedOff = false;
};
