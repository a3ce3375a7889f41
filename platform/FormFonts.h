#pragma once

#include <QFont>
#include <QString>

namespace platform {

// Family names that the stored form asks for.
inline const QString kCellFontFamily = QStringLiteral("Tahoma");
inline const QString kWindowFontFamily = QStringLiteral("MS Sans Serif");

// Makes the form's fonts known to Qt. Debian's fonts-wine ships free fonts
// under these family names in a folder that fontconfig does not scan; when
// the files are missing, fontconfig's substitutes stand in. Returns the number
// of font files registered.
int registerFormFonts();

// A font of the given family and pixel height whose glyph widths do not
// depend on the machine's hinting settings.
QFont formFont(const QString &family, int pixelHeight);

} // namespace platform
