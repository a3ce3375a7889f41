#pragma once

#include <QFont>
#include <QString>

#include <cstdint>

namespace platform {

inline constexpr std::uint8_t DEFAULT_CHARSET = 1;
inline constexpr int FW_NORMAL = 400;
inline constexpr int FW_BOLD = 700;

// The full description of a font as the drawing calls know it. A negative
// height is the character height in pixels, a positive one the cell height;
// escapement and orientation turn the text counter-clockwise in tenths of a
// degree.
struct LogicalFont
{
    int height = 0;
    int width = 0;
    int escapement = 0;
    int orientation = 0;
    int weight = FW_NORMAL;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    std::uint8_t charSet = DEFAULT_CHARSET;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    QString faceName;

    friend bool operator==(const LogicalFont &a, const LogicalFont &b);
    friend bool operator!=(const LogicalFont &a, const LogicalFont &b) { return !(a == b); }
};

// The Qt font that draws a record. Its height counts in units of the given
// size in device pixels; a height of 0 asks for the default height.
QFont toQFont(const LogicalFont &record, double pixelsPerUnit = 1);

// A font made from a record, ready to be selected into a canvas. The canvas
// only borrows it; whoever made it deletes it.
class FontObject
{
public:
    explicit FontObject(const LogicalFont &record);

    const LogicalFont &record() const { return record_; }
    const QFont &qfont() const { return font_; }
    // The turn of the text in degrees, counter-clockwise.
    double angleDegrees() const { return record_.escapement / 10.0; }

private:
    LogicalFont record_;
    QFont font_;
};

} // namespace platform
