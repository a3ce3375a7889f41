#include "grid/GridThemes.h"

#include "grid/GridErrors.h"
#include "platform/SystemServices.h"

#include <memory>
#include <set>

namespace GridThemes {

namespace {

// Process-wide: one theme library for every grid, fixed after start-up.
struct ThemeState
{
    std::unique_ptr<platform::ThemeLibrary> library;
    std::set<QByteArray> functions;
};

ThemeState &state()
{
    static ThemeState instance;
    return instance;
}

} // namespace

const std::array<const char *, 45> &FunctionNames()
{
    static const std::array<const char *, 45> names = {
        "OpenThemeData",
        "CloseThemeData",
        "DrawThemeBackground",
        "DrawThemeText",
        "GetThemeBackgroundContentRect",
        "GetThemeBackgroundExtent",
        "GetThemeTextExtent",
        "GetThemeTextMetrics",
        "GetThemeBackgroundRegion",
        "HitTestThemeBackground",
        "DrawThemeEdge",
        "DrawThemeIcon",
        "IsThemePartDefined",
        "IsThemeBackgroundPartiallyTransparent",
        "GetThemeColor",
        "GetThemeMetric",
        "GetThemeString",
        "GetThemeBool",
        "GetThemeInt",
        "GetThemeEnumValue",
        "GetThemePosition",
        "GetThemeFont",
        "GetThemeRect",
        "GetThemeMargins",
        "GetThemeIntList",
        "SetWindowTheme",
        "GetThemeFilename",
        "GetThemeSysColor",
        "GetThemeSysColorBrush",
        "GetThemeSysBool",
        "GetThemeSysSize",
        "GetThemeSysFont",
        "GetThemeSysString",
        "GetThemeSysInt",
        "IsThemeActive",
        "IsAppThemed",
        "GetWindowTheme",
        "EnableThemeDialogTexture",
        "IsThemeDialogTextureEnabled",
        "GetThemeAppProperties",
        "SetThemeAppProperties",
        "GetCurrentThemeName",
        "GetThemeDocumentationProperty",
        "DrawThemeParentBackground",
        "EnableTheming",
    };
    return names;
}

void StartUp(platform::SystemServices &services)
{
    ThemeState &theme = state();
    if (theme.library)
        return;
    std::unique_ptr<platform::ThemeLibrary> library = services.loadThemeLibrary();
    if (!library)
        return;
    std::set<QByteArray> functions;
    for (const char *name : FunctionNames()) {
        const QByteArray function(name);
        if (!library->hasFunction(function))
            throw EAssertionFailed(QStringLiteral("Theme function %1 not found").arg(QLatin1String(name)),
                                   QStringLiteral("GridThemes start-up"));
        functions.insert(function);
    }
    theme.library = std::move(library);
    theme.functions = std::move(functions);
}

void ShutDown()
{
    ThemeState &theme = state();
    theme.functions.clear();
    theme.library.reset();
}

bool LibraryLoaded()
{
    return state().library != nullptr;
}

bool HasFunction(const QByteArray &name)
{
    return state().functions.count(name) != 0;
}

int IsThemeActive()
{
    ThemeState &theme = state();
    if (!theme.library || !HasFunction(QByteArrayLiteral("IsThemeActive")))
        return 0;
    return theme.library->isThemeActive();
}

} // namespace GridThemes
