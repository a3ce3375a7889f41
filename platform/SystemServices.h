#pragma once

#include "platform/ThemeLibrary.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

namespace platform {

// Result codes of OLE initialisation.
inline constexpr std::int32_t S_OK = 0;
inline constexpr std::int32_t S_FALSE = 1;

// The platform's version as the grid asks for it.
struct PlatformVersion
{
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    // 1: the 95 family, 2: the NT family.
    std::uint32_t platformId = 0;
};

// The fixed part of a file's version resource.
struct FixedFileInfo
{
    std::uint32_t signature = 0;
    // Major number in the high 16 bits, minor in the low 16.
    std::uint32_t fileVersionMS = 0;
};
inline constexpr std::uint32_t FixedFileInfoSignature = 0xFEEF04BD;

// The process-wide platform answers the grid needs: OLE, the theme library,
// the common controls' version, the clipboard-format registry, the platform
// version and a few system settings. The product uses defaultSystemServices();
// tests hand the grid a stand-in with other answers.
class SystemServices
{
public:
    virtual ~SystemServices() = default;

    virtual std::int32_t oleInitialize() = 0;
    virtual void oleUninitialize() = 0;

    // The theme library, or none when the platform has no theme library.
    virtual std::unique_ptr<ThemeLibrary> loadThemeLibrary() = 0;

    // Size of a file's version resource; 0 or less when it has none.
    virtual std::int32_t fileVersionInfoSize(const QString &file) = 0;
    // The root block of a file's version resource, when it can be read.
    virtual std::optional<FixedFileInfo> fileVersionRootBlock(const QString &file) = 0;

    virtual std::uint32_t registerClipboardFormat(const QString &name) = 0;

    virtual PlatformVersion platformVersion() = 0;
    virtual int wheelScrollLines() = 0;
    virtual int verticalScrollBarWidth() = 0;
};

// Our answers on Linux: OLE initialisation succeeds (S_FALSE when already
// done), there is no theme library, the common controls report version 5.82
// (Qt has a date editor), formats are numbered from 0xC000, the platform
// reports NT 6.1, and the wheel and scroll-bar settings come from Qt.
SystemServices &defaultSystemServices();

} // namespace platform
