#include "platform/metafile/SymbolFonts.h"

#include "platform/metafile/AnsiText.h"
#include "platform/metafile/SymbolFontTables.h"

#include <utility>

namespace platform::metafile {

namespace {

constexpr int kFirstCode = 0x20;

// The code a character of symbol-font text stands for; -1 when it is none.
int codeOf(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= 0xF000 + kFirstCode && u <= 0xF0FF)
        return u - 0xF000;
    return westernCode(c);
}

} // namespace

std::optional<SymbolFont> SymbolFont::named(const QString &face)
{
    const QString name = face.trimmed().toLower();
    static const std::pair<QLatin1String, const char32_t *> fonts[] = {
        {QLatin1String("symbol"), kSymbol},          {QLatin1String("wingdings"), kWingdings},
        {QLatin1String("wingdings 2"), kWingdings2}, {QLatin1String("wingdings 3"), kWingdings3},
        {QLatin1String("webdings"), kWebdings},
    };
    for (const auto &[known, table] : fonts) {
        if (name == known)
            return SymbolFont(table);
    }
    return std::nullopt;
}

QString SymbolFont::family()
{
    return QStringLiteral("Symbola");
}

QStringList SymbolFont::map(const QString &text) const
{
    QStringList characters;
    characters.reserve(text.size());
    for (const QChar c : text) {
        const int code = codeOf(c);
        const char32_t shown = code >= kFirstCode ? m_table[code - kFirstCode] : 0;
        if (shown)
            characters.append(QString::fromUcs4(&shown, 1));
        else
            characters.append(QString(code >= 0 ? QChar(code) : c));
    }
    return characters;
}

} // namespace platform::metafile
