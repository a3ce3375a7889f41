#include "platform/metafile/MetafileCanvas.h"

#include "platform/LogicalFont.h"
#include "platform/metafile/SymbolFonts.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRawFont>

#include <algorithm>
#include <cmath>

namespace platform::metafile {

namespace {

enum TextOption : unsigned { TextOpaque = 0x2, TextClipped = 0x4 };

// The length, in output pixels, of a logical vector.
double mappedLength(const QTransform &t, QPointF vector)
{
    const QPointF d = t.map(vector) - t.map(QPointF(0, 0));
    return std::hypot(d.x(), d.y());
}

// A font's average character width as the recording system measures it:
// the lower-case letters and the space, weighted by how often they occur
// in English text. Metric-compatible fonts match their originals on it,
// where a mean over all their glyphs does not.
double averageWidth(const QFont &font)
{
    static constexpr int kLetterWeights[26] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3,  6,  35, 20,
                                               56, 56, 17, 4,  49,  56, 71, 31, 10, 18, 3, 18, 2};
    constexpr int kSpaceWeight = 166;
    const QFontMetricsF metrics(font);
    double sum = kSpaceWeight * metrics.horizontalAdvance(QLatin1Char(' '));
    for (int i = 0; i < 26; ++i)
        sum += kLetterWeights[i] * metrics.horizontalAdvance(QLatin1Char(char('a' + i)));
    return sum / 1000;
}

} // namespace

QFont MetafileCanvas::currentFont() const
{
    return currentFont(SymbolFont::named(m_state.font.face) ? SymbolFont::family() : m_state.font.face);
}

QFont MetafileCanvas::currentFont(const QString &family) const
{
    const GdiFont &gdi = m_state.font;
    LogicalFont record;
    record.height = int(gdi.height);
    record.weight = gdi.weight;
    record.italic = gdi.italic;
    record.underline = gdi.underline;
    record.strikeOut = gdi.strikeOut;
    record.faceName = family;
    const QTransform t = logicalToOutput();
    QFont font = toQFont(record, mappedLength(t, QPointF(0, 1)));
    // A width asks for glyphs stretched until their average is that width.
    if (gdi.width != 0) {
        const double natural = averageWidth(font);
        const double wanted = std::abs(gdi.width) * mappedLength(t, QPointF(1, 0));
        const int stretch = natural > 0 ? int(std::lround(100 * wanted / natural)) : 100;
        if (std::abs(stretch - 100) > 1)
            font.setStretch(std::clamp(stretch, 1, 4000));
    }
    return font;
}

std::optional<QString> MetafileCanvas::textOfGlyphs(const QVector<std::uint16_t> &glyphs) const
{
    // Fonts that keep the standard glyph order put the printable ASCII
    // characters at glyphs 3 to 97; a glyph counts only where the font we
    // draw with really has its character there.
    constexpr std::uint16_t kFirst = 3;
    constexpr std::uint16_t kLast = 97;
    constexpr int kFirstCharacter = 0x20;
    if (SymbolFont::named(m_state.font.face))
        return std::nullopt;
    const QRawFont raw = QRawFont::fromFont(currentFont());
    if (!raw.isValid())
        return std::nullopt;
    QString text;
    for (const std::uint16_t glyph : glyphs) {
        if (glyph < kFirst || glyph > kLast)
            return std::nullopt;
        text.append(QChar(kFirstCharacter + glyph - kFirst));
    }
    const QVector<quint32> indexes = raw.glyphIndexesForString(text);
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        if (i >= indexes.size() || indexes[i] != glyphs[i])
            return std::nullopt;
    }
    return text;
}

void MetafileCanvas::textOut(QPointF reference, const QString &codes, unsigned options,
                             const std::optional<QRectF> &rect, const QVector<QPointF> &dx)
{
    m_budget.takePoints(std::uint64_t(codes.size()));
    const QTransform t = logicalToOutput();
    const GdiFont &gdi = m_state.font;

    // One string per character: a symbol's character may need two UTF-16 units.
    // A symbol font's own copy draws its codes at their widths; elsewhere
    // each code draws as the character it shows.
    const std::optional<SymbolFont> symbols = SymbolFont::named(gdi.face);
    QStringList characters;
    QString family = gdi.face;
    if (const std::optional<QStringList> own = symbols ? symbols->ownCodes(codes) : std::nullopt) {
        characters = *own;
        family = *symbols->codedFamily();
    } else if (symbols) {
        characters = symbols->map(codes);
        family = SymbolFont::family();
    } else {
        characters.reserve(codes.size());
        for (const QChar c : codes)
            characters.append(QString(c));
    }
    const QString text = characters.join(QString());

    const QFont font = currentFont(family);
    const QFontMetricsF metrics(font);

    const bool updateCp = m_state.textAlign & TextUpdateCp;
    const QPointF origin = toOutput(updateCp ? m_state.position : reference);
    const double xScale = mappedLength(t, QPointF(1, 0));
    // A y advance raises the next character above the baseline.
    const double yScale = -mappedLength(t, QPointF(0, 1));

    QVector<QPointF> advances;
    double width = 0;
    double rise = 0;
    for (int i = 0; i < characters.size(); ++i) {
        const QPointF a = i < dx.size() ? QPointF(dx[i].x() * xScale, dx[i].y() * yScale)
                                        : QPointF(metrics.horizontalAdvance(characters[i]), 0);
        advances.append(a);
        width += a.x();
        rise += a.y();
    }
    if (dx.isEmpty())
        width = metrics.horizontalAdvance(text);

    double x = 0;
    switch (m_state.textAlign & TextHorizontalMask) {
    case TextRight: x = -width; break;
    case TextCenter: x = -width / 2; break;
    default: break;
    }
    double baseline = metrics.ascent();
    switch (m_state.textAlign & TextVerticalMask) {
    case TextBaseline: baseline = 0; break;
    case TextBottom: baseline = -metrics.descent(); break;
    default: break;
    }
    // The escapement turns counterclockwise as the logical axes run: where
    // the mapping mirrors them (a window with y up), it turns clockwise on
    // the device, so a y-axis label at 270 degrees reads upwards.
    const double angle = (t.determinant() < 0 ? 1 : -1) * gdi.escapement / 10.0;

    QTransform placement;
    placement.translate(origin.x(), origin.y());
    placement.rotate(angle);
    const QRectF textBox(x, baseline - metrics.ascent(), width, metrics.ascent() + metrics.descent());

    if (updateCp && t.isInvertible()) {
        double moved = width;
        switch (m_state.textAlign & TextHorizontalMask) {
        case TextRight: moved = -width; break;
        case TextCenter: moved = 0; break;
        default: break;
        }
        m_state.position = t.inverted().map(placement.map(QPointF(moved, rise)));
    }

    std::optional<QPainterPath> box;
    if (rect) {
        QPainterPath path;
        path.addRect(rect->normalized());
        box = toOutput(path);
    }
    if (!m_painter) {
        addBounds(placement.mapRect(textBox));
        if (box && (options & TextOpaque))
            addBounds(box->boundingRect());
        return;
    }
    // Each glyph blends about its square of pixels, widened as far as its
    // font is stretched and as far as the picture reaches; a pixel costs
    // about a sixteenth of an edge crossing a row.
    const double pictureSide = std::max(m_painter->device()->width(), m_painter->device()->height());
    const double glyphSide = std::min(font.pixelSize() * 1.0, pictureSide);
    const double glyphWidth = std::min(glyphSide * std::max(1.0, font.stretch() / 100.0), pictureSide);
    m_budget.checkRasterWork(double(text.size()) * glyphSide * glyphWidth / 16);
    applyClip();
    if (box && (options & TextOpaque))
        m_painter->fillPath(*box, m_state.backgroundColor);
    m_painter->save();
    if (box && (options & TextClipped))
        m_painter->setClipPath(*box, Qt::IntersectClip);
    m_painter->setTransform(placement);
    if (m_state.backgroundMode == BkOpaque)
        m_painter->fillRect(textBox, m_state.backgroundColor);
    m_painter->setFont(font);
    m_painter->setPen(m_state.textColor);
    if (dx.isEmpty()) {
        m_painter->drawText(QPointF(x, baseline), text);
    } else {
        QPointF at(x, baseline);
        for (int i = 0; i < characters.size(); ++i) {
            m_painter->drawText(at, characters[i]);
            at += advances[i];
        }
    }
    m_painter->restore();
}

} // namespace platform::metafile
