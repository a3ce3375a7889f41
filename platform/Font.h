#pragma once

#include "platform/Colors.h"
#include "platform/FontStyle.h"
#include "platform/LogicalFont.h"

#include <QString>

#include <cstdint>

namespace platform {

// Fonts are sized for 96 pixels per inch, the density the forms are laid out for.
inline constexpr int kFormPixelsPerInch = 96;

// The canvas font and the fonts that settings hold: a face, a height in
// pixels (negative: character height), a colour, a style and an escapement.
class TFont
{
public:
    const QString &name() const { return name_; }
    void setName(const QString &name) { name_ = name; }

    int height() const { return height_; }
    void setHeight(int height) { height_ = height; }

    // The size in points; setting it gives the matching negative height.
    int size() const;
    void setSize(int points);

    TColor color() const { return color_; }
    void setColor(TColor color) { color_ = color; }

    TFontStyles style() const { return style_; }
    void setStyle(TFontStyles style) { style_ = style; }

    std::uint8_t charSet() const { return charSet_; }
    void setCharSet(std::uint8_t charSet) { charSet_ = charSet; }

    // Tenths of a degree, counter-clockwise; used as escapement and orientation.
    int escapement() const { return escapement_; }
    void setEscapement(int tenths) { escapement_ = tenths; }

    LogicalFont logicalFont() const;

private:
    QString name_ = QStringLiteral("MS Sans Serif");
    int height_ = -11;
    TColor color_ = clWindowText;
    TFontStyles style_;
    std::uint8_t charSet_ = DEFAULT_CHARSET;
    int escapement_ = 0;
};

} // namespace platform
