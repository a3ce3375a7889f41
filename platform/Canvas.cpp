#include "platform/Canvas.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPen>
#include <QPolygon>
#include <QStringList>

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace platform {

namespace {

// Integer division that truncates toward zero, as the text placement rules count.
constexpr int halfTowardZero(int value)
{
    return value / 2;
}

constexpr int kTabColumns = 8;

// The characters as they show: '&' marks an access key unless DT_NOPREFIX
// ("&&" shows one '&'), and DT_EXPANDTABS turns tabs into blanks up to the
// next multiple of eight characters.
QString shownText(const QString &text, unsigned flags)
{
    QString shown;
    shown.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch == QLatin1Char('&') && !(flags & DT_NOPREFIX)) {
            if (i + 1 < text.size())
                shown += text.at(++i);
            continue;
        }
        if (ch == QLatin1Char('\t') && (flags & DT_EXPANDTABS)) {
            shown += QString(kTabColumns - shown.size() % kTabColumns, QLatin1Char(' '));
            continue;
        }
        shown += ch;
    }
    return shown;
}

// Splits text at line breaks (CR LF, LF or CR).
QStringList splitLines(const QString &text)
{
    QString normalized = text;
    normalized.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalized.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return normalized.split(QLatin1Char('\n'));
}

// Breaks one line into lines no wider than width, at blanks; a word wider
// than width stands on a line of its own.
QStringList wrapLine(const QString &line, int width, const QFontMetrics &metrics)
{
    QStringList lines;
    QString current;
    for (const QString &word : line.split(QLatin1Char(' '))) {
        const QString candidate = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
        if (!current.isEmpty() && metrics.horizontalAdvance(candidate) > width) {
            lines << current;
            current = word;
        } else {
            current = candidate;
        }
    }
    lines << current;
    return lines;
}

} // namespace

TCanvas::TCanvas(QPaintDevice &device)
{
    painter_.begin(&device);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

TCanvas::~TCanvas()
{
    if (painter_.isActive())
        painter_.end();
}

void TCanvas::fillSolid(const TRect &rect, TColor color)
{
    if (rect.isEmpty() || color == clNone || color == clDefault)
        return;
    painter_.fillRect(rect.toQRect(), resolveColor(color));
}

void TCanvas::rectangle(const TRect &rect)
{
    if (rect.isEmpty())
        return;
    const bool penVisible = pen_.style == TPenStyle::psSolid && pen_.color != clNone;
    if (brush_.style() == TBrushStyle::bsSolid) {
        TRect interior = rect;
        if (penVisible)
            interior.inflate(-1, -1);
        else {
            // Without an outline the filled area is one pixel smaller both ways.
            interior.right -= 1;
            interior.bottom -= 1;
        }
        fillSolid(interior, brush_.color());
    }
    if (!penVisible)
        return;
    // A wide outline is centred on the one-pixel outline.
    const int width = std::max(1, pen_.width);
    const int before = width / 2;
    const int l = rect.left - before;
    const int t = rect.top - before;
    const int r = rect.right - 1 - before + width;
    const int b = rect.bottom - 1 - before + width;
    fillSolid({l, t, r, t + width}, pen_.color);
    fillSolid({l, b - width, r, b}, pen_.color);
    fillSolid({l, t, l + width, b}, pen_.color);
    fillSolid({r - width, t, r, b}, pen_.color);
}

void TCanvas::fillRect(const TRect &rect)
{
    if (brush_.style() == TBrushStyle::bsSolid)
        fillSolid(rect, brush_.color());
}

void TCanvas::lineTo(int x, int y)
{
    const QPoint to(x, y);
    if (pen_.style == TPenStyle::psSolid && pen_.color != clNone)
        drawLine(penPos_, to);
    penPos_ = to;
}

void TCanvas::drawLine(QPoint from, QPoint to)
{
    const int width = std::max(1, pen_.width);
    const int before = width / 2;
    if (from.y() == to.y() && from.x() != to.x()) {
        const int l = from.x() < to.x() ? from.x() : to.x() + 1;
        const int r = from.x() < to.x() ? to.x() : from.x() + 1;
        fillSolid({l, from.y() - before, r, from.y() - before + width}, pen_.color);
        return;
    }
    if (from.x() == to.x() && from.y() != to.y()) {
        const int t = from.y() < to.y() ? from.y() : to.y() + 1;
        const int b = from.y() < to.y() ? to.y() : from.y() + 1;
        fillSolid({from.x() - before, t, from.x() - before + width, b}, pen_.color);
        return;
    }
    if (from == to)
        return;
    if (width > 1) {
        QPen qpen(resolveColor(pen_.color), width, Qt::SolidLine, Qt::FlatCap);
        painter_.setPen(qpen);
        painter_.drawLine(from, to);
        return;
    }
    // Bresenham, leaving out the end point.
    QPolygon points;
    const std::int64_t dx = std::abs(std::int64_t(to.x()) - from.x());
    const std::int64_t dy = -std::abs(std::int64_t(to.y()) - from.y());
    const int sx = from.x() < to.x() ? 1 : -1;
    const int sy = from.y() < to.y() ? 1 : -1;
    std::int64_t error = dx + dy;
    int x = from.x();
    int y = from.y();
    while (x != to.x() || y != to.y()) {
        points << QPoint(x, y);
        const std::int64_t twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
    painter_.setPen(QPen(resolveColor(pen_.color), 0));
    painter_.drawPoints(points);
}

void TCanvas::drawFocusRect(const TRect &rect)
{
    if (rect.isEmpty())
        return;
    QPolygon points;
    const auto add = [&points](int x, int y) {
        if (((x + y) & 1) == 0)
            points << QPoint(x, y);
    };
    for (int x = rect.left; x < rect.right; ++x) {
        add(x, rect.top);
        if (rect.bottom - 1 > rect.top)
            add(x, rect.bottom - 1);
    }
    for (int y = rect.top + 1; y < rect.bottom - 1; ++y) {
        add(rect.left, y);
        if (rect.right - 1 > rect.left)
            add(rect.right - 1, y);
    }
    painter_.save();
    painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter_.setPen(QPen(QColor(Qt::white), 0));
    painter_.drawPoints(points);
    painter_.restore();
}

const QFont &TCanvas::currentQFont() const
{
    if (selectedFont_)
        return selectedFont_->qfont();
    const LogicalFont record = font_.logicalFont();
    if (!fontCache_ || fontCache_->record() != record)
        fontCache_ = std::make_unique<FontObject>(record);
    return fontCache_->qfont();
}

double TCanvas::currentAngle() const
{
    if (selectedFont_)
        return selectedFont_->angleDegrees();
    return font_.escapement() / 10.0;
}

const FontObject *TCanvas::selectFont(const FontObject *font)
{
    const FontObject *previous = selectedFont_;
    selectedFont_ = font;
    return previous;
}

QSize TCanvas::textExtent(const QString &text) const
{
    // Repaints measure the same text in the same font over and over, and
    // measuring shapes the text; the last answer is kept. Fonts compare by
    // every attribute, so a change of font or size measures afresh.
    struct Measured
    {
        QFont font;
        QString text;
        QSize extent;
    };
    static std::optional<Measured> last;
    const QFont &font = currentQFont();
    if (last && last->text == text && last->font == font)
        return last->extent;
    const QFontMetrics metrics(font);
    last = Measured{font, text, QSize(metrics.horizontalAdvance(text), metrics.height())};
    return last->extent;
}

void TCanvas::drawLineOfText(const QString &line, int left, int top, const QFontMetrics &metrics)
{
    if (backgroundMode_ == TBackgroundMode::Opaque && brush_.style() == TBrushStyle::bsSolid)
        fillSolid({left, top, left + metrics.horizontalAdvance(line), top + metrics.height()}, brush_.color());
    painter_.drawText(QPoint(left, top + metrics.ascent()), line);
}

int TCanvas::drawText(const QString &text, TRect &rect, unsigned flags)
{
    const QFontMetrics metrics(currentQFont());
    const int lineHeight = metrics.height();

    QStringList lines;
    if (flags & DT_SINGLELINE) {
        QString line = shownText(text, flags);
        line.remove(QLatin1Char('\r'));
        line.replace(QLatin1Char('\n'), QLatin1Char(' '));
        if ((flags & DT_END_ELLIPSIS) && metrics.horizontalAdvance(line) > rect.width())
            line = metrics.elidedText(line, Qt::ElideRight, std::max(0, rect.width()));
        lines << line;
    } else {
        for (const QString &line : splitLines(shownText(text, flags))) {
            if (flags & DT_WORDBREAK)
                lines << wrapLine(line, rect.width(), metrics);
            else
                lines << line;
        }
    }
    int widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const int height = lineHeight * int(lines.size());

    if (flags & DT_CALCRECT) {
        // A wrapped text keeps the given width unless a word needs more.
        rect.right = rect.left + ((flags & DT_WORDBREAK) ? std::max(rect.width(), widest) : widest);
        rect.bottom = rect.top + height;
        return height;
    }

    // Vertical placement applies to a single line only; several lines start at the top.
    int top = rect.top;
    if (flags & DT_SINGLELINE) {
        if (flags & DT_BOTTOM)
            top = rect.bottom - lineHeight;
        else if (flags & DT_VCENTER)
            top = rect.top + halfTowardZero(rect.height() - lineHeight);
    }
    if (font_.color() == clNone)
        return height;
    painter_.save();
    if (!(flags & DT_NOCLIP))
        painter_.setClipRect(rect.toQRect(), Qt::IntersectClip);
    painter_.setFont(currentQFont());
    painter_.setPen(resolveColor(font_.color()));
    for (const QString &line : lines) {
        const int width = metrics.horizontalAdvance(line);
        int left = rect.left;
        if (flags & DT_RIGHT)
            left = rect.right - width;
        else if (flags & DT_CENTER)
            left = rect.left + halfTowardZero(rect.width() - width);
        if (!line.isEmpty())
            drawLineOfText(line, left, top, metrics);
        top += lineHeight;
    }
    painter_.restore();
    return height;
}

void TCanvas::textRect(const TRect &clip, int x, int y, const QString &text)
{
    const QFontMetrics metrics(currentQFont());
    const bool opaque = backgroundMode_ == TBackgroundMode::Opaque && brush_.style() == TBrushStyle::bsSolid;
    // Measuring shapes the text once more; only centring, right alignment
    // and an opaque background need the width.
    const int width = opaque || (textAlign_ & (TA_CENTER | TA_RIGHT)) ? metrics.horizontalAdvance(text) : 0;
    const int height = metrics.height();
    int dx = 0;
    if ((textAlign_ & TA_CENTER) == TA_CENTER)
        dx = -width / 2;
    else if (textAlign_ & TA_RIGHT)
        dx = -width;
    int dy = 0;
    if ((textAlign_ & TA_BASELINE) == TA_BASELINE)
        dy = -metrics.ascent();
    else if (textAlign_ & TA_BOTTOM)
        dy = -height;

    painter_.save();
    painter_.setClipRect(clip.toQRect(), Qt::IntersectClip);
    painter_.translate(x, y);
    painter_.rotate(-currentAngle());
    if (opaque)
        fillSolid({dx, dy, dx + width, dy + height}, brush_.color());
    if (font_.color() != clNone && !text.isEmpty()) {
        painter_.setFont(currentQFont());
        painter_.setPen(resolveColor(font_.color()));
        painter_.drawText(QPoint(dx, dy + metrics.ascent()), text);
    }
    painter_.restore();
}

void TCanvas::setUpdateRegion(const QRegion &region)
{
    updateRegion_ = region;
    applyClip();
}

bool TCanvas::rectVisible(const TRect &rect) const
{
    if (rect.isEmpty())
        return false;
    const QRect area = rect.toQRect();
    if (clipRect_ && !clipRect_->toQRect().intersects(area))
        return false;
    return !updateRegion_ || updateRegion_->intersects(area);
}

void TCanvas::selectClipRect(const std::optional<TRect> &rect)
{
    clipRect_ = rect;
    applyClip();
}

void TCanvas::applyClip()
{
    if (!updateRegion_ && !clipRect_) {
        painter_.setClipping(false);
        return;
    }
    QRegion region = updateRegion_ ? *updateRegion_ : QRegion(clipRect_->toQRect());
    if (clipRect_)
        region &= QRegion(clipRect_->toQRect());
    painter_.setClipRegion(region);
}

} // namespace platform
