#pragma once

#include "platform/SystemServices.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <set>
#include <string>
#include <vector>

// Platform answers chosen by a test, with a record of what was asked.
class FakeThemeLibrary final : public platform::ThemeLibrary
{
public:
    FakeThemeLibrary(std::set<QByteArray> missing, int themeActive, std::vector<QByteArray> *lookups,
                     int *activeQueries, std::vector<std::string> *calls)
        : m_missing(std::move(missing)),
          m_themeActive(themeActive),
          m_lookups(lookups),
          m_activeQueries(activeQueries),
          m_calls(calls)
    {}
    ~FakeThemeLibrary() override { m_calls->push_back("free theme library"); }

    bool hasFunction(const QByteArray &name) override
    {
        m_lookups->push_back(name);
        return m_missing.count(name) == 0;
    }

    int isThemeActive() override
    {
        ++*m_activeQueries;
        return m_themeActive;
    }

private:
    std::set<QByteArray> m_missing;
    int m_themeActive;
    std::vector<QByteArray> *m_lookups;
    int *m_activeQueries;
    std::vector<std::string> *m_calls;
};

class FakeSystemServices final : public platform::SystemServices
{
public:
    std::int32_t oleResult = platform::S_OK;
    bool hasThemeLibrary = false;
    std::set<QByteArray> missingThemeFunctions;
    int themeActive = 0;
    std::int32_t versionInfoSize = 100;
    std::optional<platform::FixedFileInfo> rootBlock =
        platform::FixedFileInfo{platform::FixedFileInfoSignature, (5u << 16) | 82u};
    std::uint32_t clipboardFormat = 0xC000;
    platform::PlatformVersion version{6, 1, 2};
    int wheelLines = 3;
    int scrollBarWidth = 17;

    int oleInitializeCalls = 0;
    int oleUninitializeCalls = 0;
    int themeLibraryLoads = 0;
    std::vector<QByteArray> themeLookups;
    int themeActiveQueries = 0;
    std::vector<QString> registeredFormats;
    // The order of the calls that start and end the units.
    std::vector<std::string> calls;

    std::int32_t oleInitialize() override
    {
        ++oleInitializeCalls;
        calls.push_back("OLE initialise");
        return oleResult;
    }
    void oleUninitialize() override
    {
        ++oleUninitializeCalls;
        calls.push_back("OLE uninitialise");
    }

    std::unique_ptr<platform::ThemeLibrary> loadThemeLibrary() override
    {
        ++themeLibraryLoads;
        calls.push_back("load theme library");
        if (!hasThemeLibrary)
            return nullptr;
        return std::make_unique<FakeThemeLibrary>(missingThemeFunctions, themeActive, &themeLookups,
                                                  &themeActiveQueries, &calls);
    }

    std::int32_t fileVersionInfoSize(const QString &) override { return versionInfoSize; }
    std::optional<platform::FixedFileInfo> fileVersionRootBlock(const QString &) override { return rootBlock; }

    std::uint32_t registerClipboardFormat(const QString &name) override
    {
        registeredFormats.push_back(name);
        return clipboardFormat;
    }

    platform::PlatformVersion platformVersion() override { return version; }
    int wheelScrollLines() override { return wheelLines; }
    int verticalScrollBarWidth() override { return scrollBarWidth; }
};
