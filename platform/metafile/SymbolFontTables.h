#pragma once

namespace platform::metafile {

// The Unicode character each code 0x20..0xFF of a symbol font shows; 0 where
// the font has no glyph.
extern const char32_t kSymbol[224];
extern const char32_t kWingdings[224];
extern const char32_t kWingdings2[224];
extern const char32_t kWingdings3[224];
extern const char32_t kWebdings[224];

} // namespace platform::metafile
