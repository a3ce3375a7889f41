#pragma once

#include <QString>

#include <cstdint>

// How plain cell text is laid out: the text flags for each alignment and for
// word wrap, and the kinds of text a cell can hold.
namespace celltext {

enum TextKind : std::uint8_t { tkPlain = 0, tkHTML = 1, tkRichText = 2, tkFormula = 3 };

// Text flags by TAlignment (left, right, centre) and by TVAlignment (top, centre, bottom).
inline constexpr unsigned kHorizontalFlag[3] = {0x0, 0x2, 0x1};
inline constexpr unsigned kVerticalFlag[3] = {0x0, 0x4, 0x8};

// The wrap flag by the grid's WordWrap. Shared by every grid of the process:
// a grid with multi-line cells clears the entry for one-line text for good.
unsigned WrapFlag(bool wordWrap);
void ClearSingleLineWrapFlag();
// Puts the table back as the process starts with it; for tests.
void ResetWrapFlags();

// Plain, HTML, rich text or formula, judged by the text's start and tags.
TextKind ClassifyCellText(const QString &text, bool enableHTML);

} // namespace celltext
