#include "platform/metafile/SymbolFonts.h"

#include "platform/metafile/AnsiText.h"
#include "platform/metafile/SymbolFontTables.h"

#include <QFont>
#include <QFontDatabase>
#include <QRawFont>

#include <bitset>
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

// Symbol's metric-compatible copy, which keeps Symbol's codes.
const QString kSymbolCopy = QStringLiteral("Standard Symbols PS");

// The codes an installed family has glyphs for; none where it is missing.
std::bitset<256> codesIn(const QString &family)
{
    std::bitset<256> codes;
    if (!QFontDatabase::hasFamily(family))
        return codes;
    const QRawFont raw = QRawFont::fromFont(QFont(family));
    // The name may carry its foundry: "Family [Foundry]".
    if (!raw.isValid() || !raw.familyName().startsWith(family))
        return codes;
    for (int code = kFirstCode; code < 256; ++code)
        codes[std::size_t(code)] = raw.supportsCharacter(QChar(code));
    return codes;
}

} // namespace

std::optional<SymbolFont> SymbolFont::named(const QString &face)
{
    const QString name = face.trimmed().toLower();
    struct Known
    {
        QLatin1String name;
        const char32_t *table;
        bool isSymbol;
    };
    static const Known fonts[] = {
        {QLatin1String("symbol"), kSymbol, true},
        {QLatin1String("wingdings"), kWingdings, false},
        {QLatin1String("wingdings 2"), kWingdings2, false},
        {QLatin1String("wingdings 3"), kWingdings3, false},
        {QLatin1String("webdings"), kWebdings, false},
    };
    for (const Known &known : fonts) {
        if (name == known.name)
            return SymbolFont(known.table, known.isSymbol);
    }
    return std::nullopt;
}

QString SymbolFont::family()
{
    return QStringLiteral("Symbola");
}

std::optional<QString> SymbolFont::codedFamily() const
{
    if (!m_isSymbol)
        return std::nullopt;
    return kSymbolCopy;
}

std::optional<QStringList> SymbolFont::ownCodes(const QString &text) const
{
    if (!m_isSymbol)
        return std::nullopt;
    static const std::bitset<256> installed = codesIn(kSymbolCopy);
    QStringList characters;
    characters.reserve(text.size());
    for (const QChar c : text) {
        const int code = codeOf(c);
        if (code < kFirstCode || !installed[std::size_t(code)])
            return std::nullopt;
        characters.append(QString(QChar(code)));
    }
    return characters;
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
