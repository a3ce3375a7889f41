#pragma once

#include <QFlags>
#include <QObject>

#include <cstdint>

namespace platform {

// In a namespace of their own so that Qt's meta-object system knows the
// names (stored forms give a style as text) while callers write them plainly.
inline namespace FontStyleNames {
Q_NAMESPACE

enum TFontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
// A set of TFontStyle bits; empty is the plain font.
Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
Q_FLAG_NS(TFontStyles)

} // namespace FontStyleNames

} // namespace platform

Q_DECLARE_OPERATORS_FOR_FLAGS(platform::TFontStyles)
