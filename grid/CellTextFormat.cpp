#include "grid/CellTextFormat.h"

namespace celltext {

namespace {

constexpr unsigned kSingleLine = 0x20;
constexpr unsigned kWordBreak = 0x2010;

unsigned gWrapFlags[2] = {kSingleLine, kWordBreak};

} // namespace

unsigned WrapFlag(bool wordWrap)
{
    return gWrapFlags[wordWrap ? 1 : 0];
}

void ClearSingleLineWrapFlag()
{
    gWrapFlags[0] = 0;
}

void ResetWrapFlags()
{
    gWrapFlags[0] = kSingleLine;
    gWrapFlags[1] = kWordBreak;
}

TextKind ClassifyCellText(const QString &text, bool enableHTML)
{
    if (text.isEmpty())
        return tkPlain;
    // A blank is appended so that a lone "{" is not read as the start of rich text.
    const QString padded = text + QLatin1Char(' ');
    if (padded.startsWith(QLatin1Char('=')))
        return tkFormula;
    if (padded.startsWith(QStringLiteral("{\\")))
        return tkRichText;
    if (enableHTML
        && (padded.contains(QStringLiteral("</")) || padded.contains(QStringLiteral("<B"))
            || padded.contains(QStringLiteral("<I"))))
        return tkHTML;
    return tkPlain;
}

} // namespace celltext
