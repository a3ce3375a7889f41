#include "platform/Colors.h"

#include <QApplication>
#include <QPalette>

namespace platform {

namespace {

QPalette::ColorRole roleForSystemIndex(unsigned index)
{
    switch (index) {
    case 0: return QPalette::Button;          // scroll bar
    case 1: return QPalette::Window;          // desktop
    case 2: return QPalette::Highlight;       // active caption
    case 3: return QPalette::Window;          // inactive caption
    case 4: return QPalette::Window;          // menu
    case 5: return QPalette::Base;            // window
    case 6: return QPalette::Shadow;          // window frame
    case 7: return QPalette::WindowText;      // menu text
    case 8: return QPalette::Text;            // window text
    case 9: return QPalette::HighlightedText; // caption text
    case 10: return QPalette::Button;         // active border
    case 11: return QPalette::Button;         // inactive border
    case 12: return QPalette::Dark;           // application work space
    case 13: return QPalette::Highlight;
    case 14: return QPalette::HighlightedText;
    case 15: return QPalette::Button;          // button face
    case 16: return QPalette::Mid;             // button shadow
    case 17: return QPalette::PlaceholderText; // grey text
    case 18: return QPalette::ButtonText;
    case 19: return QPalette::WindowText;  // inactive caption text
    case 20: return QPalette::Light;       // button highlight
    case 21: return QPalette::Shadow;      // 3D dark shadow
    case 22: return QPalette::Midlight;    // 3D light
    case 23: return QPalette::ToolTipText; // info text
    case 24: return QPalette::ToolTipBase; // info background
    default: return QPalette::Window;
    }
}

} // namespace

QColor resolveColor(TColor color)
{
    if (color == clNone || color == clDefault)
        return {};
    if (isSystemColor(color))
        return QApplication::palette().color(QPalette::Active, roleForSystemIndex(color & 0xFF));
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

} // namespace platform
