#include "grid/CellGrid.h"

#include "grid/CellGridUnit.h"
#include "grid/GridErrors.h"
#include "grid/GridThemes.h"
#include "platform/SystemServices.h"

#include <QFontMetrics>
#include <QSettings>
#include <algorithm>

namespace {

// The platform's wheel message number.
constexpr int WM_MOUSEWHEEL = 0x020A;
constexpr int GridTimerId = 111;
constexpr int GridTimerInterval = 500;
// The program's own cursor resource shown over links until a grid has loaded.
constexpr TCursor InitialAnchorCursor = 8009;

// Process-wide: shared by every grid, switched once the first grid has loaded.
TCursor &anchorCursor()
{
    static TCursor cursor = InitialAnchorCursor;
    return cursor;
}

} // namespace

TCursor TCellGrid::AnchorCursor()
{
    return anchorCursor();
}

// ---- Construction -------------------------------------------------------------

TCellGrid::TCellGrid(QWidget *owner)
    : TCellGridSettings(owner)
{
    FFacilities = std::make_unique<TGridFacilities>();

    FObjects.FloatingFooter = std::make_unique<TFloatingFooter>();
    FObjects.PrintSettings = std::make_unique<TPrintSettings>();
    FObjects.HTMLSettings = std::make_unique<THTMLSettings>();
    FObjects.SortSettings = std::make_unique<TSortSettings>([this] { return FixedRows(); });
    FObjects.DragDropSettings = std::make_unique<TDragDropSettings>();
    FObjects.ControlLook = std::make_unique<TControlLook>();
    FObjects.Navigation = std::make_unique<TNavigation>();
    FObjects.ColumnSize = std::make_unique<TColumnSize>(
        [this](bool stretch, int stretchColumn) { StretchColumns(stretch, stretchColumn); });
    FObjects.CellNode = std::make_unique<TCellNode>();
    FObjects.Bands = std::make_unique<TBands>();
    FObjects.SizeWhileTyping = std::make_unique<TSizeWhileTyping>();
    FObjects.MouseActions = std::make_unique<TMouseActions>();
    for (TGridSettings *settings : std::initializer_list<TGridSettings *>{
             FObjects.PrintSettings.get(), FObjects.HTMLSettings.get(), FObjects.SortSettings.get(),
             FObjects.DragDropSettings.get(), FObjects.ControlLook.get(), FObjects.Navigation.get(),
             FObjects.ColumnSize.get(), FObjects.CellNode.get(), FObjects.Bands.get(), FObjects.SizeWhileTyping.get(),
             FObjects.MouseActions.get()})
        connect(settings, &TGridSettings::changed, this, qOverload<>(&QWidget::update));
    connect(FObjects.FloatingFooter.get(), &TGridSettings::changed, this, &TCellGrid::RepaintFooter);
    connect(FObjects.FloatingFooter.get(), &TFloatingFooter::visibilityChanged, this,
            &TCellGrid::FloatingFooterVisibilityChanged);
    connect(FObjects.FloatingFooter.get(), &TFloatingFooter::styleChanged, this, &TCellGrid::UpdateFooterFillsLastRow);
    connect(FObjects.DragDropSettings.get(), &TDragDropSettings::dropTargetSwitched, this,
            &TCellGrid::DropTargetSwitched);

    FObjects.FixedFont = std::make_unique<TFont>();
    FObjects.FixedFont->SetName(QStringLiteral("Tahoma"));
    connect(FObjects.FixedFont.get(), &TFont::changed, this, qOverload<>(&QWidget::update));
    Font()->SetName(QStringLiteral("Tahoma"));
    FObjects.ActiveCellFont = std::make_unique<TFont>();
    FObjects.ActiveCellFont->SetStyle(fsBold);
    connect(FObjects.ActiveCellFont.get(), &TFont::changed, this, qOverload<>(&QWidget::update));
    connect(this, &TCellGrid::settingChanged, this, qOverload<>(&QWidget::update));
    FObjects.BackGround = std::make_unique<TBackGround>();
    connect(FObjects.BackGround.get(), &TGridSettings::changed, this, qOverload<>(&QWidget::update));

    FObjects.Filter = std::make_unique<TFilter>();

    FFormHook = std::make_unique<TFormResizeHook>(
        parentWidget(), [this](QSize change) { return FollowForm(change); }, [this] { ApplyColumnStretch(); });

    FFloatFormat = QStringLiteral("%.2f");
    FPasswordChar = QLatin1Char('*');
    FTextMargin = QPoint(2, 2);
    FCheckTrue = QStringLiteral("Y");
    FCheckFalse = QStringLiteral("N");
    SetDefaultRowHeight(21);
    FScrollWidth = CellGridUnit::Services().verticalScrollBarWidth();

    ReadPlatformVersion();

    FFacilities->CreateEditors(this, CellGridUnit::DatePickerAvailable(), FThemesActive);
    connect(FFacilities->RichEditForSelection.get(), &QTextEdit::selectionChanged, this, [this] {
        if (OnRichEditSelectionChange)
            OnRichEditSelectionChange(this);
    });
}

void TCellGrid::ReadPlatformVersion()
{
    platform::SystemServices &services = CellGridUnit::Services();
    const platform::PlatformVersion version = services.platformVersion();
    const bool themedPlatform = version.major > 5 || (version.major == 5 && version.minor >= 1);
    FThemesActive = themedPlatform && GridThemes::IsThemeActive() != 0;

    const bool oldWheelPlatform =
        (version.platformId == 1 && (version.major < 4 || (version.major == 4 && version.minor < 10)))
        || (version.platformId == 2 && version.major < 4);
    if (oldWheelPlatform) {
        // Such platforms had their wheel through a separate driver window;
        // ours has none, so the grid gets no wheel there.
        FWheelMessage = 0;
        FWheelScrollLines = 0;
    } else {
        FWheelScrollLines = services.wheelScrollLines();
        FWheelMessage = WM_MOUSEWHEEL;
    }
}

// ---- Destruction --------------------------------------------------------------

TCellGrid::~TCellGrid()
{
    FFormHook.reset();
    if (FObjects.ColumnSize->Save())
        SaveColumnWidths();
    SetDestroying();
    EraseCellRange(0, 0, INT32_MAX, INT32_MAX);

    FObjects.FloatingFooter.reset();
    FObjects.PrintSettings.reset();
    FObjects.HTMLSettings.reset();
    FObjects.SortSettings.reset();
    FObjects.DragDropSettings.reset();
    FObjects.ControlLook.reset();
    FObjects.Navigation.reset();
    FObjects.ColumnSize.reset();
    FObjects.CellNode.reset();
    FObjects.Bands.reset();
    FObjects.SizeWhileTyping.reset();
    FObjects.MouseActions.reset();
    FObjects.FixedFont.reset();
    FObjects.ActiveCellFont.reset();
    FColumnHeaders.clear();
    FRowHeaders.clear();
    FLookupItems.clear();
    FObjects.BackGround.reset();
    FFacilities.reset();
    FObjects.Filter.reset();
    TBaseGrid::SetCursor(FRestingCursor);
    FDropTarget.reset();
}

// ---- Form resize hook -----------------------------------------------------------

bool TCellGrid::FollowForm(QSize change)
{
    if (!FSizeWithForm)
        return false;
    const int newWidth = width() + change.width();
    const int newHeight = height() + change.height();
    if (newWidth > 0 && newHeight > 0)
        resize(newWidth, newHeight);
    return true;
}

// ---- Loading and window creation ---------------------------------------------------

void TCellGrid::Loaded()
{
    FLoading = false;
    FRestingCursor = Cursor();
    ApplyColumnHeaders();
    ApplyRowHeaders();
    anchorCursor() = crHandPoint;
    if (FDropTarget) {
        FDropTarget->AcceptText = FObjects.DragDropSettings->OleAcceptText();
        FDropTarget->AcceptFiles = FObjects.DragDropSettings->OleAcceptFiles();
    }
    if (FObjects.ColumnSize->Save())
        LoadColumnWidths();
}

void TCellGrid::showEvent(QShowEvent *event)
{
    TBaseGrid::showEvent(event);
    if (!FWindowCreated && parentWidget())
        CreateWnd();
}

void TCellGrid::CreateWnd()
{
    FWindowCreated = true;
    if (FFacilities->Editors->DatePicker)
        FFacilities->Editors->DatePicker->setParent(this);
    TGridRichEdit &richEdit = *FFacilities->RichEdit;
    richEdit.setParent(this);
    richEdit.hide();
    richEdit.setGeometry(0, 0, 0, 0);
    richEdit.setFrameShape(QFrame::NoFrame);
    richEdit.setAttribute(Qt::WA_TransparentForMouseEvents);
    FFacilities->FooterPanel->setParent(this);
    FloatingFooterVisibilityChanged(FObjects.FloatingFooter->Visible());
    if (FObjects.ColumnSize->Save())
        LoadColumnWidths();
    Timers().start(GridTimerId, GridTimerInterval);
}

void TCellGrid::WindowTimer(int id)
{
    if (id != GridTimerId) {
        TBaseGrid::WindowTimer(id);
        return;
    }
    // Hovering and blinking text are the only users of this tick.
    if (FHovering) {
        const QPoint point = mapFromGlobal(QCursor::pos()) - ClientOrigin();
        const TGridCoord cell = MouseCoord(point.x(), point.y());
        if (cell.X >= FixedCols() && cell.Y >= FixedRows()) {
            setFocus();
            FocusCell(cell.X, cell.Y, true);
        }
    }
}

// ---- Shape -------------------------------------------------------------------

void TCellGrid::SetColCount(std::int32_t value)
{
    TBaseGrid::SetColCount(value);
    if (FFixedColAlways && value > 1)
        TBaseGrid::SetFixedCols(1);
    RepaintFooter();
    ApplyBounds();
}

void TCellGrid::SetRowCount(std::int32_t value)
{
    // The answer, not the stored count: a fixed-always row counts as fixed
    // even while the base grid stores none.
    if (FFixedRowAlways && FixedRows() == RowCount())
        RestoreSelection();
    TBaseGrid::SetRowCount(value);
    if (FFixedRowAlways && value > 1)
        TBaseGrid::SetFixedRows(1);
    SetDisplayTextRowLimit(RowCount());
    RepaintFooter();
}

std::int32_t TCellGrid::FixedCols() const
{
    const std::int32_t stored = StoredFixedCols();
    return stored == 0 && FFixedColAlways ? 1 : stored;
}

std::int32_t TCellGrid::FixedRows() const
{
    const std::int32_t stored = StoredFixedRows();
    return stored == 0 && FFixedRowAlways ? 1 : stored;
}

void TCellGrid::SetDefaultRowHeight(int value)
{
    TBaseGrid::SetDefaultRowHeight(value);
    if (!FObjects.FloatingFooter)
        return;
    FObjects.FloatingFooter->SetHeight(value);
    if (FObjects.FloatingFooter->Visible())
        FFacilities->FooterPanel->setFixedHeight(std::max(0, value));
}

void TCellGrid::SetCursor(TCursor value)
{
    TBaseGrid::SetCursor(value);
    FRestingCursor = value;
}

void TCellGrid::SetFlat(bool value)
{
    FFlat = value;
    if (!FLoading)
        update();
}

void TCellGrid::RestoreSelection()
{
    if (!FSavedSelection)
        return;
    SetSelection(*FSavedSelection);
    FSavedSelection.reset();
}

void TCellGrid::ApplyBounds()
{
    if (!FIntegralHeight)
        return;
    // Only whole rows: the client height drops to the last row that fits.
    const int available = ClientHeight();
    int used = 0;
    for (std::int32_t row = 0; row < RowCount(); ++row) {
        const int next = used + RowHeights(row);
        if (next > available)
            break;
        used = next;
    }
    if (used > 0 && used < available)
        resize(width(), height() - (available - used));
}

// ---- Settings with effects ---------------------------------------------------------

void TCellGrid::SetVAlignment(TVAlignment value)
{
    FVAlignment = value;
    switch (value) {
    case vtaTop: FVerticalTextFlag = 0; break;
    case vtaCenter: FVerticalTextFlag = 4; break;
    case vtaBottom: FVerticalTextFlag = 8; break;
    }
    update();
}

void TCellGrid::SetAutoSize(bool value)
{
    FAutoSize = value;
    if (value) {
        const QFontMetrics metrics(Font()->ToQFont());
        for (std::int32_t col = FixedCols(); col < ColCount(); ++col) {
            int widest = 0;
            for (std::int32_t row = 0; row < RowCount(); ++row)
                widest = std::max(widest, metrics.horizontalAdvance(ReadCellText(col, row)));
            SetColWidths(col, widest + 10);
        }
    }
    update();
}

// Our platform offers no flat scroll bars (InitializeFlatSB is never found),
// so FlatScrollBarsOn stays False and the flat settings are only stored.
void TCellGrid::SetScrollType(TScrollType value)
{
    FScrollType = value;
    update();
}

void TCellGrid::SetScrollColor(TColor value)
{
    FScrollColor = value;
    update();
}

void TCellGrid::SetScrollWidth(int value)
{
    FScrollWidth = value;
    update();
}

void TCellGrid::SetScrollProportional(bool value)
{
    FScrollProportional = value;
    update();
}

void TCellGrid::SetIntegralHeight(bool value)
{
    FIntegralHeight = value;
    ApplyBounds();
    update();
}

void TCellGrid::SetColumnHeaders(const QStringList &value)
{
    FColumnHeaders = value;
    ApplyColumnHeaders();
}

void TCellGrid::SetRowHeaders(const QStringList &value)
{
    FRowHeaders = value;
    ApplyRowHeaders();
}

void TCellGrid::ApplyColumnHeaders()
{
    if (FixedRows() < 1)
        return;
    for (int col = 0; col < FColumnHeaders.size() && col < ColCount(); ++col)
        SetCells(col, 0, FColumnHeaders.at(col));
}

void TCellGrid::ApplyRowHeaders()
{
    if (FixedCols() < 1)
        return;
    for (int row = 0; row < FRowHeaders.size() && row < RowCount(); ++row)
        SetCells(0, row, FRowHeaders.at(row));
}

void TCellGrid::FloatingFooterVisibilityChanged(bool visible)
{
    FFacilities->FooterPanel->setFixedHeight(visible ? std::max(0, DefaultRowHeight() - 1) : 0);
    if (FWindowCreated) {
        FFacilities->FooterPanel->setGeometry(0, height() - FFacilities->FooterPanel->height(), width(),
                                              FFacilities->FooterPanel->height());
        FFacilities->FooterPanel->setVisible(visible);
    }
    FFixedFooters = visible ? 1 : 0;
    update();
    UpdateFooterFillsLastRow();
}

void TCellGrid::UpdateFooterFillsLastRow()
{
    SetFooterFillsLastRow(FObjects.FloatingFooter->Visible()
                          && FObjects.FloatingFooter->FooterStyle() == fsFixedLastRow);
    update();
}

void TCellGrid::RepaintFooter()
{
    if (FFacilities)
        FFacilities->FooterPanel->update();
}

void TCellGrid::DropTargetSwitched(bool on)
{
    if (on) {
        FDropTarget = std::make_unique<TGridDropTarget>();
        setAcceptDrops(true);
    } else if (FDropTarget) {
        setAcceptDrops(false);
        FDropTarget.reset();
    }
}

// ---- Rotated-text cells: the store half -----------------------------------------------

void TCellGrid::SetRotatedCell(std::int32_t col, std::int32_t row, std::int16_t angle, const QString &text)
{
    NewCellGraphic(col, row).MakeRotated(angle);
    WriteCellText(col, row, text);
}

// ---- Column widths ---------------------------------------------------------------

void TCellGrid::ApplyColumnStretch()
{
    StretchColumns(FObjects.ColumnSize->Stretch(), FObjects.ColumnSize->StretchColumn());
}

void TCellGrid::StretchColumns(bool stretch, int stretchColumn)
{
    if (!stretch)
        return;
    const std::int32_t stretched = stretchColumn == -1 ? ColCount() - 1 : stretchColumn;
    if (stretched < 0 || stretched >= ColCount())
        throw EGridError(QStringLiteral("Stretch column index out of range"));
    int others = 0;
    for (std::int32_t col = 0; col < ColCount(); ++col) {
        if (col != stretched)
            others += ColWidths(col);
    }
    const int width = ClientWidth() - others;
    if (width > 0)
        SetColWidths(stretched, width);
}

namespace {

// The store of saved column widths: the user's settings under Key, or the
// initialisation file named Key.
std::unique_ptr<QSettings> columnWidthStore(const TColumnSize &columnSize)
{
    if (columnSize.Key().isEmpty() || columnSize.Section().isEmpty())
        return nullptr;
    if (columnSize.Location() == clIniFile)
        return std::make_unique<QSettings>(columnSize.Key(), QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::UserScope, columnSize.Key());
}

} // namespace

void TCellGrid::LoadColumnWidths()
{
    const auto store = columnWidthStore(*FObjects.ColumnSize);
    if (!store)
        return;
    store->beginGroup(FObjects.ColumnSize->Section());
    for (std::int32_t col = 0; col < ColCount(); ++col) {
        bool ok = false;
        const int width = store->value(QStringLiteral("Col%1").arg(col), DefaultColWidth()).toInt(&ok);
        // The store is outside the program: a width no column can have is ignored.
        if (ok && width >= 0 && width != ColWidths(col))
            SetColWidths(col, width);
    }
    store->endGroup();
}

void TCellGrid::SaveColumnWidths() const
{
    const auto store = columnWidthStore(*FObjects.ColumnSize);
    if (!store)
        return;
    store->beginGroup(FObjects.ColumnSize->Section());
    for (std::int32_t col = 0; col < ColCount(); ++col)
        store->setValue(QStringLiteral("Col%1").arg(col), ColWidths(col));
    store->endGroup();
}
