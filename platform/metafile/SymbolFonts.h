#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace platform::metafile {

// Fonts whose codes stand for symbols rather than letters: the characters
// they show and the family that draws them.
class SymbolFont
{
public:
    // The symbol font a face names; none for a font of letters.
    static std::optional<SymbolFont> named(const QString &face);

    // Each character of text as the Unicode character its code shows, one
    // string per character so that per-character advances stay in step.
    // Codes may come as bytes, as the private-use U+F0xx form or as the
    // Western page's reading of a byte.
    QStringList map(const QString &text) const;

    // A family that has every character map() gives.
    static QString family();

    // The text as the font's own codes, drawn in a family installed here
    // that copies this font's glyphs and metrics at those codes; none where
    // no such family has a glyph for every code of the text.
    std::optional<QStringList> ownCodes(const QString &text) const;
    std::optional<QString> codedFamily() const;

private:
    SymbolFont(const char32_t *table, bool isSymbol)
        : m_table(table),
          m_isSymbol(isSymbol)
    {}

    const char32_t *m_table; // codes 0x20..0xFF
    bool m_isSymbol;
};

} // namespace platform::metafile
