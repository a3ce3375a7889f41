#include "FakeSystemServices.h"

#include "PreviewGrid.h"
#include "TestSupport.h"
#include "grid/CellGrid.h"
#include "grid/CellGridUnit.h"
#include "grid/GridCanvasFont.h"
#include "grid/GridErrors.h"
#include "grid/GridThemes.h"
#include "grid/PreviewGridSettings.h"
#include "platform/Canvas.h"
#include "platform/Colors.h"
#include "platform/ResizeHandlerHost.h"
#include "platform/forms/StoredForm.h"

#include "CellGridProbe.h"
#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace {

// A form whose resize handler the grid can take over.
class HostForm : public QWidget, public platform::ResizeHandlerHost
{
public:
    ResizeHandler OnResize() const override { return handler; }
    void SetOnResize(ResizeHandler value) override { handler = std::move(value); }
    ResizeHandler handler;

protected:
    void resizeEvent(QResizeEvent *) override
    {
        if (handler)
            handler(this);
    }
};

// Starts the grid unit with chosen platform answers for one test.
class WithServices
{
public:
    explicit WithServices(FakeSystemServices &services)
    {
        GridThemes::StartUp(services);
        CellGridUnit::StartUp(services);
    }
    ~WithServices()
    {
        CellGridUnit::ShutDown();
        GridThemes::ShutDown();
    }
};

void setProperty(QObject &object, const char *name, const QVariant &value)
{
    ASSERT_TRUE(object.setProperty(name, value)) << name;
}

} // namespace

TEST(GridConstruction, AFreshGridPaintsByItsDefaults)
{
    TCellGrid grid;
    grid.SetCells(3, 2, QStringLiteral("Ab"));
    grid.SetSelection({1, 1, 2, 1});
    const QImage image = testsupport::grab(grid);
    const QPoint o = grid.ClientOrigin();
    const auto at = [&](int x, int y) { return image.pixel(o + QPoint(x, y)); };
    const auto rgb = [](TColor color) { return platform::resolveColor(color).rgb(); };
    // 64 x 21 cells; the first row and column fixed, in the button face with grey lines.
    EXPECT_EQ(grid.CellRect(2, 2), QRect(128, 42, 64, 21));
    EXPECT_EQ(at(30, 50), rgb(clBtnFace));
    EXPECT_EQ(at(30, 62), rgb(clGray));
    EXPECT_EQ(at(63, 50), rgb(clGray));
    // Normal cells in the window colour with silver lines; the selection highlighted.
    EXPECT_EQ(at(100, 50), rgb(clWindow));
    EXPECT_EQ(at(100, 62), rgb(clSilver));
    EXPECT_EQ(at(191, 50), rgb(clSilver));
    EXPECT_EQ(at(160, 30), rgb(clHighlight));
    // Text from the top-left text margin.
    const QRect ink = testsupport::inkBounds(image, QRect(o + QPoint(192, 42), QSize(63, 20)), at(250, 60));
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left() - o.x(), 194);
    EXPECT_LT(ink.left() - o.x(), 198);
    EXPECT_LT(ink.top() - o.y(), 50);
}

TEST(GridConstruction, BandsSwitchedOnAlternateTheirDefaultColoursRowByRow)
{
    TCellGrid grid;
    grid.SetBorderStyle(bsNone);
    grid.Bands()->SetActive(true);
    grid.SetSelection({4, 4, 4, 4});
    const QImage image = testsupport::grab(grid);
    const auto rgb = [](TColor color) { return platform::resolveColor(color).rgb(); };
    // Row 1 is the first normal row: primary, then secondary, one row each.
    EXPECT_EQ(image.pixel(100, 30), rgb(clInfoBk));
    EXPECT_EQ(image.pixel(100, 50), rgb(clWindow));
    EXPECT_EQ(image.pixel(100, 72), rgb(clInfoBk));
    // Longer bands: the total length follows the two lengths.
    grid.SetScrollBars(ssNone);
    grid.Bands()->SetPrimaryLength(2);
    const QImage longer = testsupport::grab(grid);
    EXPECT_EQ(longer.pixel(100, 50), rgb(clInfoBk));
    EXPECT_EQ(longer.pixel(100, 72), rgb(clWindow));
    EXPECT_EQ(grid.Bands()->TotalLength(), 3);
    // Whichever length is set last, the pattern takes both.
    grid.Bands()->SetPrimaryLength(1);
    grid.Bands()->SetSecondaryLength(2);
    const QImage secondary = testsupport::grab(grid);
    EXPECT_EQ(secondary.pixel(100, 50), rgb(clWindow));
    EXPECT_EQ(secondary.pixel(100, 70), rgb(clWindow));
    EXPECT_EQ(secondary.pixel(100, 90), rgb(clInfoBk));
    EXPECT_EQ(grid.Bands()->TotalLength(), 3);
}

TEST(GridConstruction, HelperControlsAreHiddenDisabledAndOwned)
{
    FakeSystemServices services;
    services.rootBlock = platform::FixedFileInfo{platform::FixedFileInfoSignature, 4u << 16};
    {
        const WithServices started(services);
        TCellGrid withoutDate;
        EXPECT_EQ(withoutDate.Facilities().Editors->DatePicker, nullptr);
    }
    services.rootBlock = platform::FixedFileInfo{platform::FixedFileInfoSignature, (4u << 16) | 70u};
    const WithServices started(services);
    TCellGrid grid;
    const TInplaceEditors &editors = *grid.Facilities().Editors;
    ASSERT_NE(editors.DatePicker, nullptr);
    for (QWidget *editor : std::initializer_list<QWidget *>{
             editors.Combo.get(), editors.Spin.get(), editors.DatePicker.get(), editors.CheckBox.get(),
             editors.EditBtn.get(), editors.UnitEditBtn.get(), editors.Button.get(), editors.PopupButton.get(),
             editors.ControlEdit.get(), editors.ControlCombo.get()}) {
        EXPECT_EQ(editor->parentWidget(), &grid) << editor->objectName().toStdString();
        EXPECT_TRUE(editor->isHidden()) << editor->objectName().toStdString();
        EXPECT_FALSE(editor->isEnabled()) << editor->objectName().toStdString();
    }
    EXPECT_EQ(editors.EditBtn->Button()->text(), QStringLiteral("..."));
    EXPECT_EQ(grid.Facilities().HintWindow->objectName(), QStringLiteral("THTMLHintWindow"));
    // Each arrow spans one edge and points at the middle of the opposite one: down, up, right, left.
    // The outline leaves the bottom-right pixel itself open, so its neighbour on the edge stands in.
    const QPoint corners[4][3] = {{{0, 0}, {8, 0}, {4, 8}},
                                  {{0, 8}, {7, 8}, {4, 0}},
                                  {{0, 0}, {0, 8}, {8, 4}},
                                  {{8, 0}, {8, 7}, {0, 4}}};
    const QPoint insides[4] = {{4, 2}, {4, 6}, {2, 4}, {6, 4}};
    for (int direction = 0; direction < 4; ++direction) {
        TArrowWindow *arrow = grid.Facilities().ArrowWindows[std::size_t(direction)].get();
        ASSERT_NE(arrow, nullptr);
        EXPECT_EQ(arrow->Direction(), direction);
        EXPECT_EQ(arrow->parentWidget(), &grid);
        EXPECT_TRUE(arrow->isHidden());
        const QImage image = testsupport::grab(*arrow);
        ASSERT_EQ(image.size(), QSize(9, 9));
        for (const QPoint corner : corners[direction])
            EXPECT_EQ(image.pixel(corner), qRgb(0, 0, 0)) << direction << ": " << corner.x() << "," << corner.y();
        EXPECT_EQ(image.pixel(insides[direction]), qRgb(0, 0xFF, 0)) << direction;
    }
    EXPECT_EQ(grid.FooterPanel()->height(), 0);
    EXPECT_TRUE(grid.Facilities().RichEdit->isHidden());
}

TEST(GridConstruction, ThemesAndWheelFollowThePlatformVersion)
{
    struct Case
    {
        platform::PlatformVersion version;
        int themeActive;
        bool themes;
        bool asked;
        int wheelMessage;
    };
    const Case cases[] = {
        {{5, 0, 2}, 1, false, false, 0x020A},  {{5, 1, 2}, 0, false, true, 0x020A}, {{5, 1, 2}, 1, true, true, 0x020A},
        {{6, 0, 2}, 1, true, true, 0x020A},    {{3, 51, 2}, 1, false, false, 0},    {{4, 0, 1}, 1, false, false, 0},
        {{4, 10, 1}, 1, false, false, 0x020A},
    };
    for (const Case &c : cases) {
        FakeSystemServices services;
        services.hasThemeLibrary = true;
        services.themeActive = c.themeActive;
        services.version = c.version;
        services.wheelLines = 7;
        const WithServices started(services);
        const TCellGrid grid;
        const std::string label = std::to_string(c.version.major) + "." + std::to_string(c.version.minor);
        EXPECT_EQ(TCellGridProbe(grid).ThemesActive(), c.themes) << label;
        EXPECT_EQ(services.themeActiveQueries > 0, c.asked) << label;
        EXPECT_EQ(grid.WheelMessage(), c.wheelMessage) << label;
        EXPECT_EQ(TCellGridProbe(grid).WheelScrollLines(), c.wheelMessage ? 7 : 0) << label;
    }
}

TEST(GridConfiguration, StoredSettingsGiveOneCellWithoutBorderOrScrollBars)
{
    QWidget form;
    TCellGrid grid(&form);
    applyPreviewGridSettings(grid);
    form.resize(800, 600);
    form.show();

    EXPECT_EQ(grid.ColCount(), 1);
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.FixedCols(), 0);
    EXPECT_EQ(grid.FixedRows(), 0);
    EXPECT_EQ(grid.geometry(), QRect(688, 80, 73, 75));
    EXPECT_EQ(grid.BorderWidth(), 0);
    EXPECT_EQ(grid.ClientWidth(), 73);
    EXPECT_EQ(grid.ClientHeight(), 75);
    EXPECT_EQ(grid.CellRect(0, 0), QRect(0, 0, 75, 75));
    EXPECT_EQ(grid.MouseCoord(72, 74), (TGridCoord{0, 0}));
    EXPECT_EQ(grid.MouseCoord(73, 10), (TGridCoord{-1, -1}));
    for (const QScrollBar *bar : grid.findChildren<QScrollBar *>(QString(), Qt::FindDirectChildrenOnly))
        EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(grid.Col(), 0);
    EXPECT_EQ(grid.Row(), 0);
    EXPECT_EQ(grid.FloatingFooter()->Height(), 75);
    EXPECT_EQ(grid.FixedColWidth(), 75);
    EXPECT_EQ(grid.DisplayTextRowLimit(), 1);
    EXPECT_EQ(grid.Color(), clMenu);
}

TEST(GridConfiguration, SettersWithSideEffects)
{
    TCellGrid grid;
    const std::pair<TVAlignment, int> flags[] = {{vtaTop, 0}, {vtaCenter, 4}, {vtaBottom, 8}};
    for (const auto &[alignment, flag] : flags) {
        grid.SetVAlignment(alignment);
        EXPECT_EQ(TCellGridProbe(grid).VerticalTextFlag(), flag);
    }

    setProperty(grid, "Cursor", int(crCross));
    EXPECT_EQ(grid.RestingCursor(), crCross);
    EXPECT_EQ(grid.cursor().shape(), Qt::CrossCursor);

    // The fixed column width is a design-time setting: nothing moves at run time.
    grid.SetFixedColWidth(200);
    EXPECT_EQ(grid.ColWidths(0), 64);
    EXPECT_EQ(grid.FixedColWidth(), 64);
    grid.setProperty("FixedRowHeight", QVariant::fromValue(40));
    EXPECT_EQ(grid.property("FixedRowHeight").value<int>(), 40);
    EXPECT_EQ(grid.RowHeights(0), 21);

    grid.setProperty("FixedRowAlways", QVariant::fromValue(true));
    grid.setProperty("FixedColAlways", QVariant::fromValue(true));
    grid.SetFixedRows(0);
    grid.SetFixedCols(0);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.FixedCols(), 1);
    grid.SetColCount(3);
    EXPECT_EQ(grid.StoredFixedCols(), 1);

    grid.SetRowCount(9);
    EXPECT_EQ(grid.DisplayTextRowLimit(), 9);
}

TEST(GridConfiguration, FloatingFooterFollowsTheRowHeight)
{
    TCellGrid grid;
    setProperty(*grid.FloatingFooter(), "Visible", true);
    EXPECT_EQ(grid.FooterPanel()->height(), 20);
    EXPECT_EQ(grid.property("FixedFooters").value<int>(), 1);
    EXPECT_TRUE(grid.FooterFillsLastRow());
    grid.SetDefaultRowHeight(30);
    EXPECT_EQ(grid.FloatingFooter()->Height(), 30);
    setProperty(*grid.FloatingFooter(), "Visible", false);
    EXPECT_EQ(grid.FooterPanel()->height(), 0);
    EXPECT_EQ(grid.property("FixedFooters").value<int>(), 0);
    EXPECT_FALSE(grid.FooterFillsLastRow());
}

TEST(GridConfiguration, RefusedValuesAreNotStored)
{
    TCellGrid grid;
    grid.SetFixedRows(1);
    grid.SortSettings()->SetRow(1);
    try {
        grid.SortSettings()->SetRow(2);
        FAIL() << "a sort row below the fixed rows was accepted";
    } catch (const EGridError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("Sort row should be smaller than number of fixed rows"));
    }
    EXPECT_EQ(grid.SortSettings()->Row(), 1);

    grid.SetColCount(3);
    grid.ColumnSize()->SetStretchColumn(3);
    int announced = 0;
    QObject::connect(grid.ColumnSize(), &TGridSettings::changed, [&announced] { ++announced; });
    try {
        grid.ColumnSize()->SetStretch(true);
        FAIL() << "stretching a column beyond the grid was accepted";
    } catch (const EGridError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("Stretch column index out of range"));
    }
    EXPECT_FALSE(grid.ColumnSize()->Stretch());
    EXPECT_EQ(announced, 0);

    // A column inside the grid takes the room the others leave.
    grid.ColumnSize()->SetStretchColumn(2);
    grid.ColumnSize()->SetStretch(true);
    EXPECT_EQ(grid.ColWidths(0) + grid.ColWidths(1) + grid.ColWidths(2), grid.ClientWidth());
}

TEST(GridConfiguration, AutoSizeFitsEveryNormalColumnToItsText)
{
    TCellGrid grid;
    grid.SetColCount(3);
    grid.WriteCellText(1, 2, QStringLiteral("a rather long text"));
    grid.WriteCellText(0, 0, QStringLiteral("a fixed cell with a longer text still"));
    grid.SetAutoSize(true);
    const QFontMetrics metrics(grid.Font()->ToQFont());
    EXPECT_EQ(grid.ColWidths(1), metrics.horizontalAdvance(QStringLiteral("a rather long text")) + 10);
    EXPECT_EQ(grid.ColWidths(2), 10);
    EXPECT_EQ(grid.ColWidths(0), 64);
}

TEST(GridConfiguration, AutoSizeMeasuresWithTheFontThePaintDrawsWith)
{
    // A positive height is the cell height: sizing and painting must agree on it.
    for (const int height : {-11, 16, 30}) {
        TCellGrid grid;
        grid.SetColCount(2);
        grid.Font()->SetName(QStringLiteral("DejaVu Sans"));
        grid.Font()->SetHeight(height);
        const QString text = QStringLiteral("a rather long text");
        grid.WriteCellText(1, 1, text);
        grid.SetAutoSize(true);
        QImage image(10, 10, QImage::Format_RGB32);
        platform::TCanvas canvas(image);
        canvas.font() = ToCanvasFont(*grid.Font());
        EXPECT_EQ(grid.ColWidths(1), canvas.textWidth(text) + 10) << height;
    }
}

TEST(GridConfiguration, FontSizeInPointsFollowsTheHeightLikeTheCanvasFont)
{
    TFont font;
    font.SetSize(10);
    EXPECT_EQ(font.Height(), -13);
    for (const int height : {-11, -13, 16, INT32_MIN, INT32_MAX}) {
        font.SetHeight(height);
        EXPECT_EQ(font.Size(), ToCanvasFont(font).size()) << height;
    }
}

TEST(GridConfiguration, DropTargetOnlyWhenSwitchedOn)
{
    TCellGrid grid;
    grid.Loaded();
    EXPECT_FALSE(grid.DropTargetRegistered());
    EXPECT_FALSE(grid.acceptDrops());
    grid.DragDropSettings()->SetOleDropTarget(true);
    EXPECT_TRUE(grid.DropTargetRegistered());
    grid.DragDropSettings()->SetOleDropTarget(false);
    EXPECT_FALSE(grid.DropTargetRegistered());
}

TEST(GridLoading, AfterLoadingTheCursorRestsAndHeadersGoToFixedCellsOnly)
{
    TCellGrid grid;
    grid.SetColumnHeaders({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"),
                           QStringLiteral("E"), QStringLiteral("F")});
    EXPECT_EQ(grid.Cells(1, 0), QStringLiteral("B"));
    EXPECT_EQ(grid.Cells(4, 0), QStringLiteral("E"));
    // A header beyond the last column does not show up when the grid grows.
    grid.SetColCount(6);
    EXPECT_EQ(grid.Cells(5, 0), QString());
    TCellGrid rows;
    rows.SetRowHeaders({QStringLiteral("R0"), QStringLiteral("R1")});
    EXPECT_EQ(rows.Cells(0, 0), QStringLiteral("R0"));
    EXPECT_EQ(rows.Cells(0, 1), QStringLiteral("R1"));
    grid.SetCursor(crIBeam);
    grid.TBaseGrid::SetCursor(crCross);
    grid.Loaded();
    EXPECT_EQ(grid.RestingCursor(), crCross);
    EXPECT_EQ(TCellGrid::AnchorCursor(), crHandPoint);
    // Any motion brings a changed cursor back to the resting one.
    grid.TBaseGrid::SetCursor(crIBeam);
    QMouseEvent motion(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&grid, &motion);
    EXPECT_EQ(grid.Cursor(), crCross);

    TCellGrid bare;
    bare.SetFixedRows(0);
    bare.SetFixedCols(0);
    bare.SetColumnHeaders({QStringLiteral("A")});
    bare.SetRowHeaders({QStringLiteral("R")});
    bare.Loaded();
    EXPECT_EQ(bare.StoredCellCount(), 0u);
}

TEST(GridWindow, CreatingTheWindowParentsHelpersAndStartsTheIdleTimer)
{
    QWidget form;
    TCellGrid grid(&form);
    EXPECT_FALSE(grid.Timers().isActive(111));
    form.show();
    ASSERT_TRUE(TCellGridProbe(grid).WindowCreated());
    EXPECT_TRUE(grid.Timers().isActive(111));
    EXPECT_EQ(grid.Timers().interval(111), 500);
    EXPECT_EQ(grid.FooterPanel()->parentWidget(), &grid);
    EXPECT_TRUE(grid.FooterPanel()->isHidden());
    EXPECT_EQ(grid.Facilities().RichEdit->parentWidget(), &grid);
    EXPECT_TRUE(grid.Facilities().RichEdit->isHidden());
    EXPECT_EQ(grid.Facilities().RichEdit->size(), QSize(0, 0));
}

TEST(GridWindow, WritesMarkTheCellAndPaintOnlyWhenTheWindowSystemAsks)
{
    QWidget form;
    form.resize(200, 200);
    TCellGrid grid(&form);
    form.show();
    QApplication::processEvents();
    const testsupport::PaintCounter counter(grid);

    grid.SetRotatedCell(1, 1, 90, QStringLiteral("orientation"));
    grid.Bands()->SetPrimaryColor(clRed);
    EXPECT_EQ(counter.paints(), 0);
    QApplication::processEvents();
    EXPECT_GE(counter.paints(), 1);
}

TEST(GridWindow, SettersRepaintExceptFlatWhileTheFormLoads)
{
    QWidget form;
    form.resize(200, 200);
    auto *grid = new TCellGrid(&form);
    form.show();
    const auto repaints = [grid](const std::function<void()> &change) {
        QApplication::processEvents();
        const testsupport::PaintCounter counter(*grid);
        change();
        QApplication::processEvents();
        return counter.paints() > 0;
    };
    EXPECT_TRUE(repaints([grid] { grid->setProperty("EnableWheel", QVariant::fromValue(false)); }));
    EXPECT_TRUE(repaints([grid] { grid->setProperty("HintColor", QVariant::fromValue(clRed)); }));
    EXPECT_TRUE(repaints([grid] { grid->setProperty("IntelliPan", QVariant::fromValue(ipBoth)); }));
    EXPECT_TRUE(repaints([grid] { grid->setProperty("IntelliZoom", QVariant::fromValue(false)); }));
    EXPECT_TRUE(repaints([grid] { grid->SetFlat(true); }));
    EXPECT_TRUE(repaints([grid] { grid->ZoomCells(1); }));
    // Taking over a font repaints when any of its values differs, and only then.
    TFont other;
    other.Assign(*grid->FixedFont());
    EXPECT_FALSE(repaints([&] { grid->FixedFont()->Assign(other); }));
    other.SetHeight(other.Height() - 2);
    EXPECT_TRUE(repaints([&] { grid->FixedFont()->Assign(other); }));
    other.SetColor(clRed);
    EXPECT_TRUE(repaints([&] { grid->FixedFont()->Assign(other); }));
    EXPECT_EQ(grid->FixedFont()->Color(), clRed);
    // So does a font of the print settings.
    EXPECT_TRUE(repaints([grid] { grid->PrintSettings()->HeaderFont()->SetHeight(-20); }));
    // Cell writes and the repainting setters of a cell's properties mark the cell.
    EXPECT_TRUE(repaints([grid] { grid->SetCells(2, 2, QStringLiteral("x")); }));
    TCellProperties &properties = grid->EnsureCellProperties(1, 1);
    EXPECT_TRUE(repaints([&properties] { properties.SetBrushColor(clRed); }));
    EXPECT_TRUE(repaints([&properties] { properties.SetWordWrap(true); }));
    EXPECT_TRUE(repaints([&properties] { properties.SetVAlignment(vtaBottom); }));
    EXPECT_TRUE(repaints([grid] { grid->ReplaceCellProperties(2, 1, std::make_unique<TCellProperties>(grid, 2, 1)); }));
    // So do the marks of separately selected cells and rows.
    EXPECT_TRUE(repaints([grid] { grid->SelectionMarks().SetCellSelect(1, 2, true); }));
    EXPECT_TRUE(repaints([grid] { grid->SelectionMarks().SetRowSelect(2, true); }));

    static_cast<platform::Loadable *>(grid)->loading();
    EXPECT_FALSE(repaints([grid] { grid->SetFlat(false); }));
    grid->Loaded();
    EXPECT_TRUE(repaints([grid] { grid->SetFlat(true); }));
}

TEST(GridLoading, TheStoredFormSetsTheFilterConditions)
{
    TCellGrid grid;
    platform::applyStoredProperty(grid,
                                  {QStringLiteral("Filter.Items"),
                                   QVariantList{QVariantMap{{QStringLiteral("Column"), 2},
                                                            {QStringLiteral("Condition"), QStringLiteral(">3")}}}});
    ASSERT_EQ(grid.Filter()->Count(), 1);
    EXPECT_EQ(grid.Filter()->Item(0).Column, 2);
    EXPECT_EQ(grid.Filter()->Item(0).Condition, QStringLiteral(">3"));
    EXPECT_TRUE(grid.Filter()->Item(0).CaseSensitive);
    platform::applyStoredProperty(grid, {QStringLiteral("Filter.Items"), QVariantList()});
    EXPECT_EQ(grid.Filter()->Count(), 0);
    // Conditions added in code are kept until cleared.
    grid.Filter()->Add().Column = 4;
    ASSERT_EQ(grid.Filter()->Count(), 1);
    EXPECT_EQ(grid.Filter()->Item(0).Column, 4);
    grid.Filter()->Clear();
    EXPECT_EQ(grid.Filter()->Count(), 0);
    EXPECT_TRUE(grid.Filter()->Items().isEmpty());
}

TEST(GridFormHook, TheGridFollowsTheFormAndHandsItsHandlerBack)
{
    HostForm form;
    form.resize(400, 300);
    form.show();
    int previousCalls = 0;
    form.handler = [&](QObject *) {
        ++previousCalls;
        throw std::runtime_error("the form's own handler failed");
    };
    {
        auto *grid = new TCellGrid(&form);
        grid->resize(100, 50);
        grid->setProperty("SizeWithForm", QVariant::fromValue(true));
        grid->SetColCount(2);
        grid->SetColWidths(0, 20);
        grid->ColumnSize()->SetStretch(true);
        ASSERT_TRUE(grid->PreviousFormResize());
        form.resize(450, 320);
        EXPECT_EQ(previousCalls, 1);
        EXPECT_EQ(grid->size(), QSize(150, 70));
        // After the failed handler, the stretched last column still fills the wider grid.
        EXPECT_EQ(grid->ColWidths(0) + grid->ColWidths(1), grid->ClientWidth());
        delete grid;
    }
    ASSERT_TRUE(form.handler);
    EXPECT_THROW(form.handler(&form), std::runtime_error);

    HostForm bare;
    delete new TCellGrid(&bare);
    EXPECT_FALSE(bare.handler);
}

TEST(GridColumnWidths, SavedOnlyWhenSwitchedOnAndLoadedBackAfterLoading)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = folder.filePath(QStringLiteral("widths.ini"));
    auto configure = [&](TCellGrid &grid) {
        setProperty(*grid.ColumnSize(), "Key", file);
        setProperty(*grid.ColumnSize(), "Section", QStringLiteral("Preview"));
        setProperty(*grid.ColumnSize(), "Location", QStringLiteral("clIniFile"));
        grid.SetColCount(3);
    };
    {
        TCellGrid grid;
        configure(grid);
        grid.SetColWidths(1, 90);
        grid.Loaded();
    }
    EXPECT_FALSE(QFileInfo::exists(file));
    {
        TCellGrid grid;
        configure(grid);
        setProperty(*grid.ColumnSize(), "Save", true);
        grid.SetColWidths(1, 90);
    }
    ASSERT_TRUE(QFileInfo::exists(file));
    {
        // Edited by hand: a width no column can have stays out.
        QSettings store(file, QSettings::IniFormat);
        store.setValue(QStringLiteral("Preview/Col2"), -5);
    }
    TCellGrid grid;
    configure(grid);
    setProperty(*grid.ColumnSize(), "Save", true);
    grid.Loaded();
    EXPECT_EQ(grid.ColWidths(0), 64);
    EXPECT_EQ(grid.ColWidths(1), 90);
    EXPECT_EQ(grid.ColWidths(2), 64);
}
