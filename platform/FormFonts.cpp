#include "platform/FormFonts.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>

namespace platform {

int registerFormFonts()
{
    // The window font's file holds bitmaps of 13, 16 and 20 pixels only. On a
    // screen that Qt scales, its glyphs would stay small while the text is
    // laid out at the scaled size; there Tahoma, drawn from outlines, takes
    // its place.
    const bool scaledScreen = qGuiApp && qGuiApp->devicePixelRatio() > 1;
    QStringList files = {QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"),
                         QStringLiteral("/usr/share/wine/fonts/tahomabd.ttf")};
    if (scaledScreen)
        QFont::insertSubstitution(kWindowFontFamily, kCellFontFamily);
    else
        files << QStringLiteral("/usr/share/wine/fonts/ms_sans_serif.ttf");
    int registered = 0;
    for (const QString &path : std::as_const(files)) {
        if (QFile::exists(path) && QFontDatabase::addApplicationFont(path) >= 0)
            ++registered;
    }
    return registered;
}

QFont formFont(const QString &family, int pixelHeight)
{
    QFont font(family);
    font.setPixelSize(pixelHeight);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
    return font;
}

} // namespace platform
