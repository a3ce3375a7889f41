#pragma once

namespace platform {

// Flags of TCanvas::drawText; the values are those that stored settings and
// flag tables use.
inline constexpr unsigned DT_LEFT = 0x0;
inline constexpr unsigned DT_TOP = 0x0;
inline constexpr unsigned DT_CENTER = 0x1;
inline constexpr unsigned DT_RIGHT = 0x2;
inline constexpr unsigned DT_VCENTER = 0x4;
inline constexpr unsigned DT_BOTTOM = 0x8;
inline constexpr unsigned DT_WORDBREAK = 0x10;
inline constexpr unsigned DT_SINGLELINE = 0x20;
inline constexpr unsigned DT_EXPANDTABS = 0x40;
inline constexpr unsigned DT_NOCLIP = 0x100;
inline constexpr unsigned DT_CALCRECT = 0x400;
inline constexpr unsigned DT_NOPREFIX = 0x800;
inline constexpr unsigned DT_EDITCONTROL = 0x2000;
inline constexpr unsigned DT_END_ELLIPSIS = 0x8000;
inline constexpr unsigned DT_RTLREADING = 0x20000;

// Reference point of TCanvas::textRect output.
inline constexpr unsigned TA_LEFT = 0x0;
inline constexpr unsigned TA_TOP = 0x0;
inline constexpr unsigned TA_RIGHT = 0x2;
inline constexpr unsigned TA_CENTER = 0x6;
inline constexpr unsigned TA_BOTTOM = 0x8;
inline constexpr unsigned TA_BASELINE = 0x18;

// Whether text output fills the box behind the characters with the brush.
enum class TBackgroundMode { Transparent, Opaque };

} // namespace platform
