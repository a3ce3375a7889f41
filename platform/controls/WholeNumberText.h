#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace platform {

// Reads a signed 32-bit whole number in plain decimal notation: leading
// blanks, an optional "+" or "-", then digits and nothing after them.
// Anything else, an out-of-range value included, gives nothing.
std::optional<std::int32_t> parseWholeNumber(const QString &text);

} // namespace platform
