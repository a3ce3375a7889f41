#pragma once

#include "platform/Brush.h"
#include "platform/Font.h"
#include "platform/LogicalFont.h"
#include "platform/Pen.h"
#include "platform/Rect.h"
#include "platform/TextFormat.h"

#include <QPainter>
#include <QPoint>
#include <QRegion>
#include <QSize>
#include <QString>

#include <memory>
#include <optional>

class QFontMetrics;
class QPaintDevice;

namespace platform {

// Drawing with pen, brush and font objects on a paint device, with the pixel
// rules the grid's painting is written for: rectangles and fills exclude
// their right and bottom edges, a line leaves out its end point, the focus
// rectangle inverts pixels so that drawing it twice removes it, and text is
// placed by the top of its character cell. Lines and fills are never
// antialiased.
class TCanvas
{
public:
    explicit TCanvas(QPaintDevice &device);
    ~TCanvas();
    TCanvas(const TCanvas &) = delete;
    TCanvas &operator=(const TCanvas &) = delete;

    TPen &pen() { return pen_; }
    TBrush &brush() { return brush_; }
    TFont &font() { return font_; }
    const TPen &pen() const { return pen_; }
    const TBrush &brush() const { return brush_; }
    const TFont &font() const { return font_; }

    // Outline with the pen, interior with the brush.
    void rectangle(const TRect &rect);
    void fillRect(const TRect &rect);
    void moveTo(int x, int y) { penPos_ = QPoint(x, y); }
    // Draws from the pen position up to, but not including, (x, y).
    void lineTo(int x, int y);
    QPoint penPos() const { return penPos_; }
    // Inverts every other pixel of the rectangle's one-pixel frame.
    void drawFocusRect(const TRect &rect);

    // Draws text into rect by the DT_ flags; with DT_CALCRECT it only
    // measures, widening or narrowing rect to the text. Returns the height of
    // the text.
    int drawText(const QString &text, TRect &rect, unsigned flags);
    QSize textExtent(const QString &text) const;
    int textWidth(const QString &text) const { return textExtent(text).width(); }
    int textHeight(const QString &text) const { return textExtent(text).height(); }
    // Draws one line of text from the reference point (x, y), turned by the
    // selected font's escapement, clipped to clip.
    void textRect(const TRect &clip, int x, int y, const QString &text);

    TBackgroundMode backgroundMode() const { return backgroundMode_; }
    void setBackgroundMode(TBackgroundMode mode) { backgroundMode_ = mode; }
    unsigned textAlign() const { return textAlign_; }
    void setTextAlign(unsigned align) { textAlign_ = align; }

    // Selects a font object instead of the canvas font; nullptr gives the
    // canvas font back. Answers the object selected before. The canvas only
    // borrows the object: it must stay alive while selected.
    const FontObject *selectFont(const FontObject *font);

    // The area the window system asked to repaint; drawing never leaves it.
    void setUpdateRegion(const QRegion &region);
    bool rectVisible(const TRect &rect) const;
    // Limits drawing to rect as well; nullopt lifts that limit.
    void selectClipRect(const std::optional<TRect> &rect);

    QPainter &painter() { return painter_; }

private:
    const QFont &currentQFont() const;
    double currentAngle() const;
    void applyClip();
    void fillSolid(const TRect &rect, TColor color);
    void drawLine(QPoint from, QPoint to);
    void drawLineOfText(const QString &line, int left, int top, const QFontMetrics &metrics);

    QPainter painter_;
    TPen pen_;
    TBrush brush_;
    TFont font_;
    QPoint penPos_;
    TBackgroundMode backgroundMode_ = TBackgroundMode::Opaque;
    unsigned textAlign_ = TA_LEFT | TA_TOP;
    const FontObject *selectedFont_ = nullptr;
    mutable std::unique_ptr<FontObject> fontCache_;
    std::optional<QRegion> updateRegion_;
    std::optional<TRect> clipRect_;
};

} // namespace platform
