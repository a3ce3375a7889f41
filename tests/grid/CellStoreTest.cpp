#include "grid/CellGrid.h"
#include "grid/GridErrors.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// Records the order in which cell objects go.
std::vector<std::string> &releaseLog()
{
    static std::vector<std::string> log;
    return log;
}

class LoggedGraphic : public TCellGraphic
{
public:
    ~LoggedGraphic() override { releaseLog().push_back("graphic"); }
};

class LoggedProperties : public TCellProperties
{
public:
    using TCellProperties::TCellProperties;
    ~LoggedProperties() override { releaseLog().push_back("properties"); }
};

class LoggedPayload : public TCellObject
{
public:
    ~LoggedPayload() override { releaseLog().push_back("payload"); }
};

class CellStore : public ::testing::Test
{
protected:
    void SetUp() override { releaseLog().clear(); }
    TCellGrid grid;
};

} // namespace

TEST_F(CellStore, AnUnwrittenCellIsEmptyAndReadingCreatesNothing)
{
    EXPECT_EQ(grid.ReadCellText(3, 4), QString());
    EXPECT_EQ(grid.CellGraphicKind(3, 4), ctEmpty);
    EXPECT_EQ(grid.FindCellGraphic(3, 4), nullptr);
    EXPECT_FALSE(grid.CellHasProperties(3, 4));
    EXPECT_EQ(grid.StoredCellCount(), 0u);
}

TEST_F(CellStore, WritingAnEmptyTextToAPlainCellRemovesItsEntry)
{
    grid.WriteCellText(2, 2, QStringLiteral("x"));
    EXPECT_EQ(grid.StoredCellCount(), 1u);
    grid.WriteCellText(2, 2, QString());
    EXPECT_EQ(grid.StoredCellCount(), 0u);
}

TEST_F(CellStore, CellsBeyondTheGridAreKeptAndSurviveShrinking)
{
    grid.WriteCellText(20, 30, QStringLiteral("far"));
    grid.NewCellGraphic(20, 30).MakeRotated(10);
    grid.SetColCount(1);
    grid.SetRowCount(1);
    grid.SetColCount(25);
    grid.SetRowCount(35);
    EXPECT_EQ(grid.ReadCellText(20, 30), QStringLiteral("far"));
    EXPECT_EQ(grid.CellGraphicKind(20, 30), ctRotated);
}

TEST_F(CellStore, NegativeIndexIsRefusedBeforeAnythingChanges)
{
    grid.WriteCellText(0, 0, QStringLiteral("keep"));
    try {
        grid.WriteCellText(0, -3, QStringLiteral("lost"));
        FAIL() << "a negative row was accepted";
    } catch (const EListError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("Listenindex überschreitet das Maximum (-3)"));
    }
    EXPECT_THROW(grid.NewCellGraphic(-1, 0), EListError);
    EXPECT_THROW(grid.ReadCellText(-1, 0), EListError);
    EXPECT_THROW(grid.ReplaceCellProperties(-2, 0, std::make_unique<LoggedProperties>(&grid, -2, 0)), EListError);
    // The refused properties object went with the failed call, nothing else did.
    EXPECT_EQ(releaseLog(), std::vector<std::string>{"properties"});
    EXPECT_EQ(grid.StoredCellCount(), 1u);
    EXPECT_EQ(grid.ReadCellText(0, 0), QStringLiteral("keep"));
}

TEST_F(CellStore, AttachingKeepsTheTextAndCreatesTheProperties)
{
    auto *first = new LoggedGraphic;
    EXPECT_EQ(grid.AttachCellGraphic(1, 1, std::unique_ptr<TCellGraphic>(first)), nullptr);
    EXPECT_TRUE(grid.CellHasProperties(1, 1));
    EXPECT_EQ(grid.ReadCellText(1, 1), QString());

    grid.WriteCellText(2, 1, QStringLiteral("text"));
    EXPECT_EQ(grid.AttachCellGraphic(2, 1, std::make_unique<TCellGraphic>()), nullptr);
    EXPECT_EQ(grid.ReadCellText(2, 1), QStringLiteral("text"));

    // Attaching releases nothing: the graphic held before comes back.
    std::unique_ptr<TCellGraphic> previous = grid.AttachCellGraphic(1, 1, nullptr);
    EXPECT_EQ(previous.get(), first);
    EXPECT_TRUE(releaseLog().empty());
}

TEST_F(CellStore, NewGraphicReleasesTheOldOneAndKeepsTheProperties)
{
    EXPECT_EQ(grid.AttachCellGraphic(0, 0, std::make_unique<LoggedGraphic>()), nullptr);
    TCellProperties *properties = grid.CellProperties(0, 0);

    TCellGraphic &fresh = grid.NewCellGraphic(0, 0);
    EXPECT_EQ(releaseLog(), std::vector<std::string>{"graphic"});
    EXPECT_EQ(grid.CellProperties(0, 0), properties);
    EXPECT_EQ(grid.FindCellGraphic(0, 0), &fresh);
    EXPECT_EQ(fresh.CellType, ctNone);
    EXPECT_FALSE(fresh.CellCreated);
    EXPECT_EQ(fresh.CellAngle, 0);
    EXPECT_EQ(fresh.ImageObject(), nullptr);
}

TEST_F(CellStore, ReplacedPropertiesTakeTheirOwnGraphicButNotALentOne)
{
    EXPECT_EQ(grid.AttachCellGraphic(1, 1, std::make_unique<LoggedGraphic>()), nullptr);
    grid.ReplaceCellProperties(1, 1, nullptr);
    EXPECT_EQ(releaseLog(), std::vector<std::string>{"graphic"});
    LoggedGraphic lent;
    EXPECT_EQ(grid.LendCellGraphic(2, 2, &lent), nullptr);
    grid.ReplaceCellProperties(2, 2, nullptr);
    EXPECT_EQ(releaseLog(), std::vector<std::string>{"graphic"});
}

TEST_F(CellStore, AForeignObjectInTheGraphicSlotIsNeverAGraphic)
{
    LoggedPayload foreign;
    EXPECT_EQ(grid.LendCellGraphic(0, 0, &foreign), nullptr);
    EXPECT_EQ(grid.FindCellGraphic(0, 0), nullptr);
    EXPECT_EQ(grid.CellGraphicKind(0, 0), ctEmpty);
    EXPECT_FALSE(grid.DetachCellGraphic(0, 0));
    grid.NewCellGraphic(0, 0);
    EXPECT_TRUE(releaseLog().empty());
}

TEST_F(CellStore, DetachSparesVirtualCheckBoxesOnly)
{
    auto virtualBox = std::make_unique<TCellGraphic>();
    virtualBox->CellType = ctVirtCheckBox;
    EXPECT_EQ(grid.LendCellGraphic(0, 0, virtualBox.get()), nullptr);
    EXPECT_TRUE(grid.DetachCellGraphic(0, 0));
    EXPECT_EQ(grid.FindCellGraphic(0, 0), nullptr);
    EXPECT_EQ(virtualBox->CellType, ctVirtCheckBox);

    auto box = std::make_unique<LoggedGraphic>();
    box->CellType = ctCheckBox;
    EXPECT_EQ(grid.AttachCellGraphic(0, 0, std::move(box)), nullptr);
    EXPECT_TRUE(grid.DetachCellGraphic(0, 0));
    EXPECT_EQ(releaseLog(), std::vector<std::string>{"graphic"});

    EXPECT_FALSE(grid.DetachCellGraphic(4, 4));
    EXPECT_FALSE(grid.CellHasProperties(4, 4));
}

TEST_F(CellStore, SpansRedirectTextToTheBaseCell)
{
    TCellProperties &base = grid.EnsureCellProperties(1, 1);
    base.CellSpanX = 1;
    base.CellSpanY = 1;
    TCellProperties &inner = grid.EnsureCellProperties(2, 2);
    inner.IsBaseCell = false;
    inner.CellSpanX = 1;
    inner.CellSpanY = 1;

    grid.WriteCellText(2, 2, QStringLiteral("spanned"));
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("spanned"));
    EXPECT_EQ(grid.Cells(2, 2), QString());
    EXPECT_EQ(grid.ReadCellText(2, 2), QStringLiteral("spanned"));
    EXPECT_EQ(grid.BaseCellOf(2, 2), (TGridCoord{1, 1}));
    EXPECT_EQ(grid.BaseCellOf(1, 1), (TGridCoord{1, 1}));

    // A graphic is found at the cell itself, never through the span.
    grid.NewCellGraphic(1, 1).MakeRotated(5);
    EXPECT_EQ(grid.FindCellGraphic(2, 2), nullptr);
}

TEST_F(CellStore, DisplayTextEventOnlyBelowTheRowLimit)
{
    grid.SetRowCount(3);
    grid.WriteCellText(0, 1, QStringLiteral("raw"));
    grid.WriteCellText(0, 3, QStringLiteral("beyond"));
    std::vector<std::int32_t> askedRows;
    grid.OnGetDisplText = [&](QObject *sender, std::int32_t col, std::int32_t row, QString &value) {
        EXPECT_EQ(sender, &grid);
        EXPECT_EQ(col, 0);
        askedRows.push_back(row);
        value += QStringLiteral("!");
    };
    EXPECT_EQ(grid.ReadCellText(0, 1), QStringLiteral("raw!"));
    EXPECT_EQ(grid.ReadCellText(0, 3), QStringLiteral("beyond"));
    EXPECT_EQ(grid.DisplayTextRowLimit(), 3);
    EXPECT_EQ(askedRows, std::vector<std::int32_t>{1});
}

TEST_F(CellStore, EraseReleasesGraphicBeforePropertiesAndReportsTheChange)
{
    grid.ReplaceCellProperties(1, 1, std::make_unique<LoggedProperties>(&grid, 1, 1));
    EXPECT_EQ(grid.AttachCellGraphic(1, 1, std::make_unique<LoggedGraphic>()), nullptr);
    grid.WriteCellText(1, 1, QStringLiteral("gone"));
    grid.WriteCellText(3, 3, QStringLiteral("outside"));
    std::vector<TGridRect> changes;
    grid.OnCellsChanged = [&](QObject *, const TGridRect &rect) { changes.push_back(rect); };

    grid.EraseCellRange(0, 0, 2, 2);

    EXPECT_EQ(releaseLog(), (std::vector<std::string>{"graphic", "properties"}));
    EXPECT_EQ(grid.ReadCellText(1, 1), QString());
    EXPECT_FALSE(grid.CellHasProperties(1, 1));
    EXPECT_EQ(grid.ReadCellText(3, 3), QStringLiteral("outside"));
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes.front(), (TGridRect{0, 0, 2, 2}));
}

TEST_F(CellStore, EraseVisitsCellsWhoseTextComesOnlyFromTheDisplayEvent)
{
    grid.WriteCellText(9, 1, QStringLiteral("beyond"));
    std::vector<TGridCoord> asked;
    grid.OnGetDisplText = [&](QObject *, std::int32_t col, std::int32_t row, QString &text) {
        asked.push_back({col, row});
        if (col == 2 && row == 2)
            text = QStringLiteral("shown");
    };
    grid.EraseCellRange(1, 1, 9, 2);
    // Row by row, the grid's cells and the stored entry beyond them, each once.
    EXPECT_EQ(asked, (std::vector<TGridCoord>{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {9, 1}, {1, 2}, {2, 2}, {3, 2}, {4, 2}}));
    EXPECT_EQ(grid.StoredCellCount(), 0u);
    // The widest range visits the grid's cells only, and ends.
    asked.clear();
    grid.EraseCellRange(0, 0, INT32_MAX, INT32_MAX);
    EXPECT_EQ(asked.size(), 25u);
}

TEST(CellStoreLifetime, DestroyingTheGridReleasesGraphicsBeforeTheirProperties)
{
    releaseLog().clear();
    {
        TCellGrid grid;
        grid.ReplaceCellProperties(0, 0, std::make_unique<LoggedProperties>(&grid, 0, 0));
        EXPECT_EQ(grid.AttachCellGraphic(0, 0, std::make_unique<LoggedGraphic>()), nullptr);
        grid.SetRotatedCell(5, 9, 45, QStringLiteral("orientation"));
        grid.SetColCount(1);
    }
    EXPECT_EQ(releaseLog(), (std::vector<std::string>{"graphic", "properties"}));
}

TEST(CellGraphicRotation, AnglesAreBroughtIntoZeroTo360On16Bits)
{
    const std::pair<std::int16_t, std::int32_t> angles[] = {
        {0, 0},     {-1, 359}, {359, 359},  {360, 360},    {361, 1},   {-360, 0},
        {720, 360}, {721, 1},  {-721, 359}, {-32768, 352}, {32767, 7},
    };
    for (const auto &[angle, expected] : angles) {
        TCellGraphic graphic;
        graphic.CellIndex = 12;
        graphic.CellText = QStringLiteral("kept");
        EXPECT_EQ(&graphic.MakeRotated(angle), &graphic);
        EXPECT_EQ(graphic.CellType, ctRotated);
        EXPECT_EQ(graphic.CellAngle, expected) << angle;
        EXPECT_EQ(graphic.CellIndex, 12);
        EXPECT_EQ(graphic.CellText, QStringLiteral("kept"));
    }
}

TEST_F(CellStore, EveryRotationGivesTheCellAFreshGraphicAndTheSameProperties)
{
    grid.SetRotatedCell(0, 0, 30, QStringLiteral("orientation"));
    TCellProperties *properties = grid.CellProperties(0, 0);
    ASSERT_NE(properties, nullptr);
    EXPECT_EQ(properties->BrushColor(), clNone);
    EXPECT_TRUE(properties->IsBaseCell);
    EXPECT_EQ(grid.CellGraphicKind(0, 0), ctRotated);
    EXPECT_EQ(grid.FindCellGraphic(0, 0)->CellAngle, 30);

    ASSERT_TRUE(grid.DetachCellGraphic(0, 0));
    EXPECT_EQ(grid.AttachCellGraphic(0, 0, std::make_unique<LoggedGraphic>()), nullptr);
    grid.SetRotatedCell(0, 0, -90, QStringLiteral("orientation"));
    EXPECT_EQ(releaseLog(), std::vector<std::string>{"graphic"});
    EXPECT_EQ(grid.CellProperties(0, 0), properties);
    EXPECT_EQ(grid.FindCellGraphic(0, 0)->CellAngle, 270);
    EXPECT_EQ(grid.ReadCellText(0, 0), QStringLiteral("orientation"));
    EXPECT_EQ(grid.StoredCellCount(), 1u);
}

TEST(CellObjectCopies, AssignCopiesValuesButNeverObjects)
{
    TCellGrid grid;
    TCellProperties &source = grid.EnsureCellProperties(1, 2);
    source.SetBrushColor(clRed);
    source.SetWordWrap(true);
    source.SetAlignment(taCenter);
    source.FontName = QStringLiteral("Tahoma");
    source.CellSpanX = 2;
    source.LastPaintPass = 9;
    LoggedPayload userObject;
    source.CellObject = &userObject;
    grid.NewCellGraphic(1, 2);
    TCellProperties &target = grid.EnsureCellProperties(0, 0);
    target.Assign(source);
    EXPECT_EQ(grid.FindCellGraphic(0, 0), nullptr);
    EXPECT_EQ(target.BrushColor(), clRed);
    EXPECT_TRUE(target.WordWrap());
    EXPECT_EQ(target.Alignment(), taCenter);
    EXPECT_EQ(target.FontName, QStringLiteral("Tahoma"));
    EXPECT_EQ(target.CellSpanX, 2);
    EXPECT_EQ(target.OwnerCol, 1);
    EXPECT_EQ(target.OwnerRow, 2);
    EXPECT_EQ(target.LastPaintPass, 0);
    EXPECT_EQ(target.CellObject, nullptr);
    source.CellObject = nullptr;

    TCellGraphic payloadOwner;
    payloadOwner.CellType = ctBitmap;
    payloadOwner.CellAngle = 45;
    payloadOwner.CellErrLen = 3;
    payloadOwner.CellCreated = true;
    payloadOwner.SetImageObject(new LoggedPayload);
    TCellGraphic copy;
    copy.Assign(payloadOwner);
    EXPECT_EQ(copy.CellType, ctBitmap);
    EXPECT_EQ(copy.CellAngle, 45);
    EXPECT_EQ(copy.CellErrLen, 3);
    EXPECT_TRUE(copy.CellCreated);
    EXPECT_EQ(copy.ImageObject(), nullptr);
}

TEST(CellGraphicRelease, PayloadGoesWithTheGraphicAsItsKindSays)
{
    struct Case
    {
        TCellType kind;
        bool created;
        bool inIcon;
        bool released;
    };
    const Case cases[] = {
        {ctBitmap, true, false, true},    {ctBitmap, false, false, false}, {ctPicture, true, false, true},
        {ctBitButton, true, false, true}, {ctIcon, true, true, true},      {ctIcon, false, true, false},
        {ctIcon, true, false, false},     {ctBitmap, true, true, false},   {ctImages, false, false, true},
        {ctImages, true, true, false},    {ctRotated, true, false, false}, {ctCheckBox, true, false, false},
    };
    for (const Case &c : cases) {
        releaseLog().clear();
        auto payload = std::make_unique<LoggedPayload>();
        {
            TCellGraphic graphic;
            graphic.CellType = c.kind;
            graphic.CellCreated = c.created;
            if (c.inIcon)
                graphic.SetIconObject(payload.get());
            else
                graphic.SetImageObject(payload.get());
        }
        EXPECT_EQ(releaseLog().size(), c.released ? 1u : 0u) << int(c.kind) << c.inIcon;
        if (c.released)
            (void)payload.release();
    }
}

TEST(CellGraphicRelease, AnOwnedPayloadSetAgainStaysAndAReplacedOneGoes)
{
    releaseLog().clear();
    {
        TCellGraphic graphic;
        graphic.CellType = ctImages;
        auto *first = new LoggedPayload;
        graphic.SetImageObject(first);
        graphic.SetImageObject(first);
        EXPECT_TRUE(releaseLog().empty());
        graphic.SetImageObject(new LoggedPayload);
        EXPECT_EQ(releaseLog().size(), 1u);
    }
    EXPECT_EQ(releaseLog().size(), 2u);
}
