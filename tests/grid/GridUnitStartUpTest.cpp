#include "FakeSystemServices.h"

#include "grid/CellGridUnit.h"
#include "grid/GridErrors.h"
#include "grid/GridThemes.h"
#include "grid/GridUnits.h"

#include <QByteArrayList>
#include <gtest/gtest.h>

namespace {

// Each test leaves the process-wide unit state as it found it: shut down.
class GridUnitStartUp : public ::testing::Test
{
protected:
    void TearDown() override
    {
        CellGridUnit::ShutDown();
        GridThemes::ShutDown();
    }
    FakeSystemServices services;
};

} // namespace

TEST_F(GridUnitStartUp, OleMayAnswerOkOrAlreadyInitialisedAndAnythingElseStopsStartUp)
{
    for (const std::int32_t accepted : {platform::S_OK, platform::S_FALSE}) {
        services.oleResult = accepted;
        CellGridUnit::StartUp(services);
        EXPECT_TRUE(CellGridUnit::Started());
        CellGridUnit::ShutDown();
    }
    EXPECT_EQ(services.oleUninitializeCalls, 2);

    services.registeredFormats.clear();
    services.oleResult = std::int32_t(0x80004005u);
    try {
        CellGridUnit::StartUp(services);
        FAIL() << "start-up went on after OLE failed";
    } catch (const EAssertionFailed &failure) {
        EXPECT_TRUE(failure.message().startsWith(QStringLiteral("OleInitialize failed ($80004005)")))
            << failure.message().toStdString();
    }
    EXPECT_FALSE(CellGridUnit::Started());
    EXPECT_TRUE(services.registeredFormats.empty());
    EXPECT_FALSE(CellGridUnit::DatePickerAvailable());
}

TEST_F(GridUnitStartUp, DatePickerNeedsCommonControls470OrLater)
{
    struct Case
    {
        std::int32_t size;
        std::optional<platform::FixedFileInfo> block;
        bool available;
    };
    const std::uint32_t sig = platform::FixedFileInfoSignature;
    const Case cases[] = {
        {100, platform::FixedFileInfo{sig, (4u << 16) | 70u}, true},
        {100, platform::FixedFileInfo{sig, (4u << 16) | 71u}, true},
        {100, platform::FixedFileInfo{sig, 5u << 16}, true},
        {100, platform::FixedFileInfo{sig, (4u << 16) | 69u}, false},
        {100, platform::FixedFileInfo{sig, 4u << 16}, false},
        // A major number with the top bit set reads as a negative version.
        {100, platform::FixedFileInfo{sig, 0x80000000u}, false},
        {100, platform::FixedFileInfo{0x12345678u, 6u << 16}, false},
        {100, std::nullopt, false},
        {0, platform::FixedFileInfo{sig, 6u << 16}, false},
        {-1, platform::FixedFileInfo{sig, 6u << 16}, false},
    };
    for (const Case &c : cases) {
        services.versionInfoSize = c.size;
        services.rootBlock = c.block;
        CellGridUnit::StartUp(services);
        EXPECT_EQ(CellGridUnit::DatePickerAvailable(), c.available)
            << "size " << c.size << " version " << std::hex << (c.block ? c.block->fileVersionMS : 0);
        CellGridUnit::ShutDown();
    }
}

TEST_F(GridUnitStartUp, ClipboardFormatIsRegisteredByNameAndKeptIn16Bits)
{
    services.clipboardFormat = 0x1C0ABu;
    CellGridUnit::StartUp(services);
    EXPECT_EQ(services.registeredFormats, std::vector<QString>{QStringLiteral("TCellGrid Cells")});
    EXPECT_EQ(CellGridUnit::CellsClipboardFormat(), 0xC0AB);
}

TEST_F(GridUnitStartUp, WithoutThemeLibraryNothingIsLookedUpAndThemesAreOff)
{
    GridThemes::StartUp(services);
    EXPECT_EQ(services.themeLibraryLoads, 1);
    EXPECT_FALSE(GridThemes::LibraryLoaded());
    EXPECT_TRUE(services.themeLookups.empty());
    EXPECT_EQ(GridThemes::IsThemeActive(), 0);
}

TEST_F(GridUnitStartUp, ThemeLibraryHasEveryFunctionLookedUpInOrderOnce)
{
    services.hasThemeLibrary = true;
    services.themeActive = 1;
    GridThemes::StartUp(services);
    ASSERT_TRUE(GridThemes::LibraryLoaded());
    // The order the theme library's users rely on.
    const QByteArrayList expected =
        QByteArray("OpenThemeData CloseThemeData DrawThemeBackground DrawThemeText GetThemeBackgroundContentRect "
                   "GetThemeBackgroundExtent GetThemeTextExtent GetThemeTextMetrics GetThemeBackgroundRegion "
                   "HitTestThemeBackground DrawThemeEdge DrawThemeIcon IsThemePartDefined "
                   "IsThemeBackgroundPartiallyTransparent GetThemeColor GetThemeMetric GetThemeString GetThemeBool "
                   "GetThemeInt GetThemeEnumValue GetThemePosition GetThemeFont GetThemeRect GetThemeMargins "
                   "GetThemeIntList SetWindowTheme GetThemeFilename GetThemeSysColor GetThemeSysColorBrush "
                   "GetThemeSysBool GetThemeSysSize GetThemeSysFont GetThemeSysString GetThemeSysInt IsThemeActive "
                   "IsAppThemed GetWindowTheme EnableThemeDialogTexture IsThemeDialogTextureEnabled "
                   "GetThemeAppProperties SetThemeAppProperties GetCurrentThemeName GetThemeDocumentationProperty "
                   "DrawThemeParentBackground EnableTheming")
            .split(' ');
    EXPECT_EQ(QByteArrayList(services.themeLookups.begin(), services.themeLookups.end()), expected);
    EXPECT_EQ(GridThemes::IsThemeActive(), 1);

    // Started already: a second start-up loads nothing.
    GridThemes::StartUp(services);
    EXPECT_EQ(services.themeLibraryLoads, 1);

    EXPECT_TRUE(GridThemes::HasFunction(QByteArrayLiteral("DrawThemeText")));
    GridThemes::ShutDown();
    EXPECT_FALSE(GridThemes::LibraryLoaded());
    EXPECT_FALSE(GridThemes::HasFunction(QByteArrayLiteral("DrawThemeText")));
}

TEST_F(GridUnitStartUp, ThemeLibraryLackingAFunctionStopsStartUp)
{
    services.hasThemeLibrary = true;
    services.missingThemeFunctions = {QByteArray("GetThemeSysFont")};
    EXPECT_THROW(GridThemes::StartUp(services), EAssertionFailed);
    EXPECT_EQ(services.themeLookups.back(), QByteArray("GetThemeSysFont"));
    EXPECT_FALSE(GridThemes::LibraryLoaded());
}

TEST_F(GridUnitStartUp, ThemesStartFirstAndEverythingEndsInReverse)
{
    services.hasThemeLibrary = true;
    {
        const TGridUnits units(services);
        EXPECT_TRUE(GridThemes::LibraryLoaded());
        EXPECT_TRUE(CellGridUnit::Started());
    }
    EXPECT_EQ(services.calls, (std::vector<std::string>{"load theme library", "OLE initialise", "OLE uninitialise",
                                                        "free theme library"}));
    EXPECT_FALSE(GridThemes::LibraryLoaded());

    // A failed grid unit leaves nothing started behind it.
    services.calls.clear();
    services.oleResult = -1;
    EXPECT_THROW(TGridUnits{services}, EAssertionFailed);
    EXPECT_EQ(services.calls, (std::vector<std::string>{"load theme library", "OLE initialise", "free theme library"}));
    EXPECT_FALSE(CellGridUnit::Started());
}

TEST(GridUnitPlatform, LinuxAnswersOleOnceThenAlreadyDoneAndHasNoThemes)
{
    platform::SystemServices &services = platform::defaultSystemServices();
    const std::int32_t first = services.oleInitialize();
    const std::int32_t second = services.oleInitialize();
    EXPECT_EQ(second, platform::S_FALSE);
    EXPECT_TRUE(first == platform::S_OK || first == platform::S_FALSE);
    services.oleUninitialize();
    services.oleUninitialize();
    EXPECT_EQ(services.loadThemeLibrary(), nullptr);
    EXPECT_GE(services.registerClipboardFormat(QStringLiteral("TCellGrid Cells")), 0xC000u);
}
