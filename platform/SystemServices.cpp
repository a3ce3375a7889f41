#include "platform/SystemServices.h"

#include "platform/ClipboardFormats.h"

#include <QApplication>
#include <QGuiApplication>
#include <QStyle>
#include <QStyleHints>

namespace platform {

namespace {

class LinuxSystemServices final : public SystemServices
{
public:
    std::int32_t oleInitialize() override { return m_oleInitialized++ == 0 ? S_OK : S_FALSE; }

    void oleUninitialize() override
    {
        if (m_oleInitialized > 0)
            --m_oleInitialized;
    }

    std::unique_ptr<ThemeLibrary> loadThemeLibrary() override { return nullptr; }

    std::int32_t fileVersionInfoSize(const QString &file) override
    {
        return isCommonControls(file) ? std::int32_t(sizeof(FixedFileInfo)) : 0;
    }

    std::optional<FixedFileInfo> fileVersionRootBlock(const QString &file) override
    {
        if (!isCommonControls(file))
            return std::nullopt;
        return FixedFileInfo{FixedFileInfoSignature, (5u << 16) | 82u};
    }

    std::uint32_t registerClipboardFormat(const QString &name) override { return m_formats.registerFormat(name); }

    PlatformVersion platformVersion() override { return {6, 1, 2}; }

    int wheelScrollLines() override
    {
        return QGuiApplication::instance() ? QGuiApplication::styleHints()->wheelScrollLines() : 3;
    }

    int verticalScrollBarWidth() override
    {
        return qobject_cast<QApplication *>(QCoreApplication::instance())
                   ? QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent)
                   : 16;
    }

private:
    static bool isCommonControls(const QString &file)
    {
        return file.compare(QLatin1String("comctl32.dll"), Qt::CaseInsensitive) == 0;
    }

    int m_oleInitialized = 0;
    ClipboardFormats m_formats;
};

} // namespace

SystemServices &defaultSystemServices()
{
    static LinuxSystemServices services;
    return services;
}

} // namespace platform
