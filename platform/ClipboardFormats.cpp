#include "platform/ClipboardFormats.h"

namespace platform {

std::uint32_t ClipboardFormats::registerFormat(const QString &name)
{
    const auto it = m_numbers.find(name);
    if (it != m_numbers.end())
        return it->second;
    const std::uint32_t number = FirstFormat + std::uint32_t(m_numbers.size());
    m_numbers.emplace(name, number);
    return number;
}

QString ClipboardFormats::mimeType(std::uint32_t format) const
{
    for (const auto &[name, number] : m_numbers) {
        if (number == format)
            return QStringLiteral("application/x-qlm-%1")
                .arg(QString(name).replace(QLatin1Char(' '), QLatin1Char('-')).toLower());
    }
    return QString();
}

} // namespace platform
