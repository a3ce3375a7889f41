#include "grid/CellGrid.h"

#include "PreviewGrid.h"
#include "TestSupport.h"
#include "grid/CellTextFormat.h"
#include "platform/Canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

// Colours as the pixels show them.
const QRgb kColor = qRgb(0xF0, 0xE0, 0xD0);
const QRgb kFixed = qRgb(0xC0, 0xB0, 0xA0);
const QRgb kYellow = qRgb(0xFF, 0xFF, 0x00);
const QRgb kAqua = qRgb(0x00, 0xFF, 0xFF);
const QRgb kLime = qRgb(0x00, 0xFF, 0x00);
const QRgb kFuchsia = qRgb(0xFF, 0x00, 0xFF);
const QRgb kRed = qRgb(0xFF, 0x00, 0x00);
const QRgb kSilver = qRgb(0xC0, 0xC0, 0xC0);
const QRgb kGray = qRgb(0x80, 0x80, 0x80);

// Records what the steps of the further facilities are handed.
class RecordingGrid : public TCellGrid
{
public:
    using TCellGrid::TCellGrid;

    platform::TRect placed;
    TColor placedBrush = clNone;
    QString htmlText;
    platform::TRect htmlRect;
    bool editorShowing = false;
    // The cells that got decorations and graphics, in drawing order.
    std::vector<std::pair<std::string, TGridCoord>> steps;

protected:
    void DrawPlacedGraphic(const TCellPaintContext &context, const platform::TRect &where) override
    {
        placed = where;
        placedBrush = context.Canvas->brush().color();
        steps.push_back({"graphic", {context.Col, context.Row}});
    }
    void DrawCellDecorations(const TCellPaintContext &context) override
    {
        steps.push_back({"decorations", {context.Col, context.Row}});
    }
    bool EditorShowing() const override { return editorShowing; }
    int RenderHTMLText(const TCellPaintContext &, const QString &text, const platform::TRect &where, TColor) override
    {
        htmlText = text;
        htmlRect = where;
        return 10;
    }
};

// 5 x 5 cells of 30 x 20 with a fixed row and column, banded rows
// (yellow, aqua), one lime cell, cell (1,1) spanning three columns, the
// selection on (4,4), in a window with room to spare right and below.
class GridPaintPipeline : public ::testing::Test
{
protected:
    GridPaintPipeline()
    {
        grid.SetBorderStyle(bsNone);
        grid.SetScrollBars(ssNone);
        grid.SetWidth(170);
        grid.SetHeight(120);
        grid.SetDefaultColWidth(30);
        grid.SetDefaultRowHeight(20);
        grid.SetColor(0xD0E0F0);
        grid.SetFixedColor(0xA0B0C0);
        grid.setProperty("SelectionColor", QVariant::fromValue(clFuchsia));
        grid.Bands()->SetPrimaryColor(clYellow);
        grid.Bands()->SetSecondaryColor(clAqua);
        grid.Bands()->SetActive(true);
        grid.EnsureCellProperties(2, 3).SetBrushColor(clLime);
        TCellProperties &base = grid.EnsureCellProperties(1, 1);
        base.CellSpanX = 2;
        base.CellSpanY = 0;
        for (const int col : {2, 3}) {
            TCellProperties &covered = grid.EnsureCellProperties(col, 1);
            covered.IsBaseCell = false;
            covered.CellSpanX = col - 1;
            covered.CellSpanY = 0;
        }
        grid.SetSelection({4, 4, 4, 4});
        grid.OnGetAlignment = [this](QObject *, std::int32_t row, std::int32_t col, TAlignment &, TVAlignment &) {
            ++asked[{col, row}];
        };
    }

    QImage paint()
    {
        asked.clear();
        return testsupport::grab(grid);
    }

    RecordingGrid grid;
    std::map<std::pair<int, int>, int> asked;
};

} // namespace

TEST_F(GridPaintPipeline, RegionsBandsCellColoursSelectionAndTheFillBeyond)
{
    const QImage image = paint();
    // Fixed cells: their colour and grey lines.
    EXPECT_EQ(image.pixel(75, 10), kFixed);
    EXPECT_EQ(image.pixel(75, 19), kGray);
    EXPECT_EQ(image.pixel(89, 10), kGray);
    EXPECT_EQ(image.pixel(15, 50), kFixed);
    // Bands by row, a cell's own colour before them, silver lines.
    EXPECT_EQ(image.pixel(45, 50), kAqua);
    EXPECT_EQ(image.pixel(105, 70), kYellow);
    EXPECT_EQ(image.pixel(75, 70), kLime);
    EXPECT_EQ(image.pixel(45, 59), kSilver);
    EXPECT_EQ(image.pixel(59, 50), kSilver);
    EXPECT_EQ(image.pixel(135, 90), kFuchsia);
    // The client area beyond the cells.
    EXPECT_EQ(image.pixel(160, 50), kColor);
    EXPECT_EQ(image.pixel(50, 110), kColor);
    EXPECT_EQ(image.pixel(165, 115), kColor);

    // Without vertical lines between normal cells the fixed ones keep theirs.
    grid.SetOptions(grid.Options() & ~goVertLine);
    const QImage noVertical = paint();
    EXPECT_EQ(noVertical.pixel(59, 50), kAqua);
    EXPECT_EQ(noVertical.pixel(45, 59), kSilver);
    EXPECT_EQ(noVertical.pixel(89, 10), kGray);
}

TEST_F(GridPaintPipeline, GradientLookShadesTheFixedCellsFromTopToBottom)
{
    grid.setProperty("Look", QVariant::fromValue(glGradient));
    grid.SetGradientStartColor(clRed);
    grid.SetGradientEndColor(clLime);
    const QImage image = paint();
    EXPECT_EQ(image.pixel(75, 1), kRed);
    EXPECT_EQ(image.pixel(75, 18), kLime);
    EXPECT_EQ(image.pixel(15, 41), kRed);
    std::vector<QRgb> shades;
    for (int y = 1; y <= 18; ++y) {
        const QRgb shade = image.pixel(75, y);
        if (shades.empty() || shades.back() != shade)
            shades.push_back(shade);
        EXPECT_EQ(qRed(shade) + qGreen(shade), 255) << y;
        EXPECT_EQ(qBlue(shade), 0) << y;
    }
    EXPECT_EQ(shades.size(), 10u);
    EXPECT_TRUE(std::is_sorted(shades.begin(), shades.end(), [](QRgb a, QRgb b) { return qGreen(a) < qGreen(b); }));
    EXPECT_EQ(image.pixel(45, 50), kAqua);
    grid.SetFlat(true);
    EXPECT_EQ(paint().pixel(75, 10), kFixed);
}

TEST_F(GridPaintPipeline, SpanIsDrawnAsOneCellAtMostOnceThroughItsCoveredCells)
{
    for (int paints = 0; paints < 3; ++paints) {
        SCOPED_TRACE(paints);
        const std::int32_t pass = grid.PaintPass();
        const QImage image = paint();
        EXPECT_EQ(grid.PaintPass(), pass + 1);
        EXPECT_EQ(image.pixel(59, 30), kYellow);
        EXPECT_EQ(image.pixel(89, 30), kYellow);
        EXPECT_EQ(image.pixel(119, 30), kSilver);
        EXPECT_EQ(image.pixel(75, 39), kSilver);
        // By its own visit and once through the first covered cell.
        EXPECT_EQ(asked.size(), 23u);
        EXPECT_EQ((asked[{1, 1}]), 4);
        EXPECT_EQ(asked.count({2, 1}) + asked.count({3, 1}), 0u);
    }
}

TEST_F(GridPaintPipeline, ScrolledSpanDoesNotPaintOverTheFixedColumn)
{
    // In the very first paint too, the base cell out of view is drawn through a covered cell.
    grid.SetLeftCol(2);
    const QImage image = paint();
    EXPECT_EQ(image.pixel(15, 30), kFixed);
    EXPECT_EQ(image.pixel(29, 30), kGray);
    EXPECT_EQ(image.pixel(45, 30), kYellow);
    EXPECT_EQ(image.pixel(59, 30), kYellow);
    EXPECT_EQ(image.pixel(89, 30), kSilver);
}

TEST_F(GridPaintPipeline, TheLastRowStopsSpansAndTakesTheFloatingFooter)
{
    // A span left reaching past the last row, as when rows go from under it.
    grid.EnsureCellProperties(2, 4).CellSpanY = 1;
    const QImage spanned = paint();
    EXPECT_EQ(spanned.pixel(75, 90), kAqua);
    EXPECT_EQ(spanned.pixel(75, 99), kSilver);

    // The footer fills the last row in the grid's colour, fixed cell and all.
    grid.FloatingFooter()->SetVisible(true);
    ASSERT_TRUE(grid.FooterFillsLastRow());
    const QImage footer = paint();
    EXPECT_EQ(footer.pixel(15, 90), kColor);
    EXPECT_EQ(footer.pixel(75, 90), kColor);
    EXPECT_EQ(footer.pixel(135, 90), kColor);
    // Edges included.
    EXPECT_EQ(footer.pixel(75, 80), kColor);
    EXPECT_EQ(footer.pixel(60, 90), kColor);
}

TEST_F(GridPaintPipeline, DrawingEventsGetTheContentRectangle)
{
    std::map<std::pair<int, int>, platform::TRect> drawn;
    std::map<std::pair<int, int>, platform::TRect> custom;
    int colourCalls = 0;
    grid.OnDrawCell = [&](QObject *, std::int32_t col, std::int32_t row, const platform::TRect &rect, TGridDrawState) {
        drawn[{col, row}] = rect;
    };
    grid.OnCustomCellDraw = [&](QObject *, platform::TCanvas &, std::int32_t col, std::int32_t row, TGridDrawState,
                                const platform::TRect &rect, bool printing) {
        EXPECT_FALSE(printing);
        custom[{col, row}] = rect;
    };
    grid.OnGetCellColor = [&](QObject *, std::int32_t, std::int32_t, TGridDrawState, platform::TBrush &,
                              platform::TFont &) { ++colourCalls; };
    paint();
    EXPECT_EQ((drawn[{1, 2}]), (platform::TRect{31, 41, 59, 59}));
    EXPECT_EQ((custom[{1, 2}]), (platform::TRect{30, 40, 60, 60}));
    // Fixed cells are inset by one whatever the line width.
    EXPECT_EQ((custom[{0, 0}]), (platform::TRect{0, 0, 30, 20}));
    EXPECT_EQ(colourCalls, 2 * 22 + 4);
}

TEST_F(GridPaintPipeline, BorderHandlerDrawsEachEdgeWithItsPen)
{
    grid.OnGetCellBorder = [](QObject *, std::int32_t row, std::int32_t col, platform::TPen &pen,
                              TCellBorders &borders) {
        if (row != 2 || col != 3)
            return;
        pen.width = 3;
        pen.color = clRed;
        borders = cbLeft | cbTop | cbRight | cbBottom;
    };
    grid.OnGetCellBorderProp = [](QObject *, std::int32_t row, std::int32_t col, platform::TPen &, platform::TPen &,
                                  platform::TPen &, platform::TPen &bottom) {
        if (row == 2 && col == 3)
            bottom.color = clLime;
    };
    const QImage image = paint();
    // Width 3: the left and top lines lie 2 pixels in, the right and bottom ones 3.
    EXPECT_EQ(image.pixel(92, 50), kRed);
    EXPECT_EQ(image.pixel(91, 50), kRed);
    EXPECT_EQ(image.pixel(90, 50), kAqua);
    EXPECT_EQ(image.pixel(117, 50), kRed);
    EXPECT_EQ(image.pixel(119, 50), kSilver);
    EXPECT_EQ(image.pixel(105, 42), kRed);
    EXPECT_EQ(image.pixel(105, 57), kLime);
    EXPECT_EQ(image.pixel(95, 56), kLime);
    EXPECT_EQ(image.pixel(105, 59), kSilver);
    // Other cells get no border, and the pen of the lines is given back.
    EXPECT_EQ(image.pixel(45, 50), kAqua);
    EXPECT_EQ(image.pixel(135, 59), kSilver);
}

TEST_F(GridPaintPipeline, CellsFixedByTheHandlerAndSeparatelySelectedCells)
{
    grid.OnIsFixedCell = [](QObject *, std::int32_t row, std::int32_t col, bool &isFixed) {
        isFixed = row == 2 && col == 4;
    };
    grid.MouseActions()->setProperty("DisjunctCellSelect", true);
    grid.SelectionMarks().SetCellSelect(1, 4, true);
    const QImage image = paint();
    EXPECT_EQ(image.pixel(135, 50), kFixed);
    EXPECT_EQ(image.pixel(149, 50), kGray);
    EXPECT_EQ(image.pixel(45, 90), kFuchsia);
}

TEST_F(GridPaintPipeline, TextStepDrawsPlainTextAndHandsOnTheRest)
{
    grid.SetCells(4, 1, QStringLiteral("Ab"));
    grid.SetCells(3, 3, QStringLiteral("Ab\rAb"));
    grid.SetCells(1, 3, QStringLiteral("<B>bold</B>"));
    grid.NewCellGraphic(3, 4).CellType = ctCheckBox;
    grid.SetCells(1, 4, QStringLiteral("Ab"));
    grid.EnsureCellProperties(1, 4).FontSize = 14;
    const QImage image = paint();

    // Plain text from the text margin, on one line up to the first line break.
    const QRect first = testsupport::inkBounds(image, QRect(120, 20, 29, 19), kYellow);
    const QRect cut = testsupport::inkBounds(image, QRect(90, 60, 29, 19), kYellow);
    ASSERT_FALSE(first.isEmpty());
    EXPECT_GE(first.left(), 122);
    EXPECT_GE(first.top(), 22);
    EXPECT_EQ(cut.size(), first.size());
    // A cell's own font size.
    EXPECT_GT(testsupport::inkBounds(image, QRect(30, 80, 29, 19), kAqua).height(), first.height());

    // HTML goes to its renderer and is not drawn as plain text.
    EXPECT_EQ(grid.htmlText, QStringLiteral("<B>bold</B>"));
    EXPECT_EQ(grid.htmlRect, (platform::TRect{33, 63, 57, 79}));
    EXPECT_TRUE(testsupport::inkBounds(image, QRect(30, 60, 29, 19), kYellow).isEmpty());

    // A check box is placed top left in the cell, in the cell's own colours.
    EXPECT_EQ(grid.placed, (platform::TRect{91, 81, 106, 96}));
    EXPECT_EQ(grid.placedBrush, clAqua);
}

TEST_F(GridPaintPipeline, BackgroundPictureCoversTheCellsItNamesButNotTheSelection)
{
    QImage red(4, 4, QImage::Format_RGB32);
    red.fill(Qt::red);
    grid.BackGround()->SetBitmap(red);
    const QImage normal = paint();
    EXPECT_EQ(normal.pixel(45, 50), kRed);
    EXPECT_EQ(normal.pixel(15, 50), kFixed);
    EXPECT_EQ(normal.pixel(135, 90), kFuchsia);
    grid.BackGround()->SetCells(bcFixed);
    const QImage fixed = paint();
    EXPECT_EQ(fixed.pixel(45, 50), kAqua);
    EXPECT_EQ(fixed.pixel(15, 50), kRed);
    // Shown once at its place, a picture bigger than the grid still stays
    // inside the cells it covers.
    QImage large(170, 120, QImage::Format_RGB32);
    large.fill(Qt::red);
    grid.BackGround()->SetBitmap(large);
    grid.BackGround()->SetDisplay(bdFixed);
    const QImage once = paint();
    EXPECT_EQ(once.pixel(15, 50), kRed);
    EXPECT_EQ(once.pixel(45, 50), kAqua);
    EXPECT_EQ(once.pixel(105, 30), kYellow);
}

TEST_F(GridPaintPipeline, MarkedRowsAndTheCurrentCellsHeaders)
{
    grid.MouseActions()->setProperty("DisjunctRowSelect", true);
    grid.SelectionMarks().SetRowSelect(2, true);
    grid.SelectionMarks().SetRowSelect(3, true);
    grid.SelectionMarks().SetRowSelect(3, false);
    grid.setProperty("ActiveCellShow", QVariant::fromValue(true));
    grid.setProperty("ActiveCellColor", QVariant::fromValue(clRed));
    const QImage image = paint();
    // Marked rows replace the selection rectangle.
    EXPECT_EQ(image.pixel(45, 50), kFuchsia);
    EXPECT_EQ(image.pixel(135, 50), kFuchsia);
    EXPECT_EQ(image.pixel(135, 90), kAqua);
    EXPECT_EQ(image.pixel(45, 70), kYellow);
    // The fixed cells heading the current cell (4,4).
    EXPECT_EQ(image.pixel(15, 90), kRed);
    EXPECT_EQ(image.pixel(135, 10), kRed);
    EXPECT_EQ(image.pixel(15, 70), kFixed);
}

TEST_F(GridPaintPipeline, TheRowIndicatorLeavesTheCellsOwnColoursToTheLaterSteps)
{
    grid.SetRowIndicator(QImage(8, 8, QImage::Format_RGB32));
    grid.OnGetCellColor = [](QObject *, std::int32_t row, std::int32_t col, TGridDrawState, platform::TBrush &brush,
                             platform::TFont &) {
        if (col == 0 && row == 4)
            brush.setColor(clLime);
    };
    grid.NewCellGraphic(0, 4).CellType = ctCheckBox;
    const QImage image = paint();
    EXPECT_EQ(image.pixel(4, 90), kFixed);
    EXPECT_EQ(grid.placedBrush, clLime);
}

TEST_F(GridPaintPipeline, DecorationsComeAfterTheBordersForFixedCellsOnly)
{
    grid.setProperty("FixedRightCols", QVariant::fromValue(1));
    // A tree shown over a grid without nodes decorates nothing more.
    grid.CellNode()->SetShowTree(true);
    grid.NewCellGraphic(0, 2).CellType = ctCheckBox;
    grid.NewCellGraphic(2, 2).CellType = ctCheckBox;
    paint();
    std::vector<std::pair<std::string, TGridCoord>> decorated;
    for (const auto &step : grid.steps)
        if (step.first == "decorations")
            decorated.push_back(step);
    // The fixed row and column, and the fixed column on the right.
    EXPECT_EQ(decorated.size(), 5u + 4u + 4u);
    for (const auto &[step, cell] : decorated)
        EXPECT_TRUE(cell.X == 0 || cell.Y == 0 || cell.X == 4) << cell.X << "," << cell.Y;
    const auto at = [this](const std::string &step, TGridCoord cell) {
        return std::find(grid.steps.begin(), grid.steps.end(), std::make_pair(step, cell)) - grid.steps.begin();
    };
    EXPECT_LT(at("decorations", {0, 2}), at("graphic", {0, 2}));
    EXPECT_LT(at("graphic", {0, 2}), at("graphic", {2, 2}));
}

TEST_F(GridPaintPipeline, TheEditorFrameIsAWholeRectangleOverTheCurrentCell)
{
    grid.editorShowing = true;
    const QImage image = paint();
    // Lines of the grid's colour, and the inside in the brush that the fill
    // beyond the cells left.
    EXPECT_EQ(image.pixel(120, 90), kSilver);
    EXPECT_EQ(image.pixel(135, 80), kSilver);
    EXPECT_EQ(image.pixel(135, 90), kColor);
}

TEST(CellGraphicLayout, EachKindTakesItsSizeAndSaysWhetherTheTextIsDrawn)
{
    TCellGrid grid;
    TGridImages images;
    images.ImageSize = QSize(16, 14);
    // Not created by the graphics, so they stay the test's.
    TCellPicture bitmap(QImage(12, 7, QImage::Format_RGB32));
    TCellPicture icon(QImage(9, 5, QImage::Format_RGB32));
    struct Case
    {
        TCellType kind;
        bool withImages;
        QSize size;
        bool drawText;
    };
    const Case cases[] = {
        {ctBitmap, false, {12, 7}, true},     {ctIcon, false, {9, 5}, true},
        {ctPicture, false, {12, 7}, true},    {ctImageList, false, {0, 0}, true},
        {ctImageList, true, {16, 14}, true},  {ctDataImage, false, {0, 0}, true},
        {ctDataImage, true, {16, 14}, false}, {ctImages, true, {48, 14}, true},
        {ctCheckBox, false, {15, 15}, true},  {ctVirtCheckBox, false, {15, 15}, false},
        {ctButton, false, {30, 20}, true},    {ctRotated, false, {0, 0}, false},
        {ctComment, false, {0, 0}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(int(c.kind));
        TCellGraphic &graphic = grid.NewCellGraphic(1, 1);
        graphic.CellType = c.kind;
        graphic.CellHAlign = haCenter;
        graphic.CellIndex = (20 << 16) | 30;
        if (c.kind == ctImages) {
            auto *indexes = new TIntList;
            indexes->Items = {0, 2, 1};
            graphic.SetImageObject(indexes);
        } else {
            graphic.SetImageObject(&bitmap);
            graphic.SetIconObject(&icon);
        }
        grid.SetGridImages(c.withImages ? &images : nullptr);
        TCellPaintContext context;
        grid.GetCellGraphicLayout(1, 1, context);
        EXPECT_EQ(QSize(context.GraphicWidth, context.GraphicHeight), c.size);
        EXPECT_EQ(context.DrawTextFlag, c.drawText);
        EXPECT_EQ(context.GraphicHAlign, haCenter);
    }
}

TEST_F(GridPaintPipeline, TextFollowsItsAlignmentAndMultiLineGridsDropTheOneLineRule)
{
    grid.SetCells(4, 1, QStringLiteral("Ab"));
    grid.SetCells(4, 2, QStringLiteral("Ab"));
    grid.OnGetAlignment = [](QObject *, std::int32_t row, std::int32_t col, TAlignment &h, TVAlignment &v) {
        if (col == 4 && row == 2) {
            h = taRightJustify;
            v = vtaBottom;
        }
    };
    const QImage image = paint();
    const QRect topLeft = testsupport::inkBounds(image, QRect(120, 20, 29, 19), kYellow);
    const QRect bottomRight = testsupport::inkBounds(image, QRect(120, 40, 29, 19), kAqua);
    ASSERT_FALSE(topLeft.isEmpty());
    EXPECT_LE(topLeft.left(), 124);
    EXPECT_LE(topLeft.top(), 26);
    EXPECT_GE(bottomRight.right(), 144);
    EXPECT_GE(bottomRight.bottom(), 55);

    // A grid with multi-line cells turns the one-line rule off for every grid.
    ASSERT_NE(celltext::WrapFlag(false), 0u);
    TCellGrid multiLine;
    multiLine.setProperty("Multilinecells", true);
    testsupport::grab(multiLine);
    EXPECT_EQ(celltext::WrapFlag(false), 0u);
    celltext::ResetWrapFlags();
}
