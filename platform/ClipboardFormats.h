#pragma once

#include <QString>
#include <cstdint>
#include <map>

namespace platform {

// Clipboard formats registered by name. The first name gets 0xC000, each new
// name the next number, and a name registered again keeps its number. Each
// format travels on Qt's clipboard under a MIME type derived from its name.
class ClipboardFormats
{
public:
    static constexpr std::uint32_t FirstFormat = 0xC000;

    std::uint32_t registerFormat(const QString &name);
    // The MIME type for a registered format; empty for an unknown number.
    QString mimeType(std::uint32_t format) const;

private:
    std::map<QString, std::uint32_t> m_numbers;
};

} // namespace platform
