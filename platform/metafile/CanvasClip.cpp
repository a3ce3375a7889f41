#include "platform/metafile/MetafileCanvas.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace platform::metafile {

namespace {

// An axis-aligned rectangle as a polygon of four corners, closed or not;
// none for any other shape.
std::optional<QRectF> asRectangle(const QPolygonF &polygon)
{
    if (polygon.size() < 4 || polygon.size() > 5 || (polygon.size() == 5 && polygon.first() != polygon.last()))
        return std::nullopt;
    for (int i = 0; i < 4; ++i) {
        const QPointF a = polygon[i];
        const QPointF b = polygon[(i + 1) % 4];
        if ((a.x() == b.x()) == (a.y() == b.y()))
            return std::nullopt;
    }
    return polygon.boundingRect();
}

// Unites rectangles pairwise, so that each merge joins regions of about
// the same size and the whole costs n log n rather than n squared.
QRegion unitedRects(QVector<QRect> rects)
{
    QVector<QRegion> regions;
    regions.reserve(rects.size());
    for (const QRect &r : rects)
        regions.append(QRegion(r));
    while (regions.size() > 1) {
        QVector<QRegion> merged;
        merged.reserve(regions.size() / 2 + 1);
        for (qsizetype i = 0; i + 1 < regions.size(); i += 2)
            merged.append(regions[i].united(regions[i + 1]));
        if (regions.size() % 2)
            merged.append(regions.last());
        regions.swap(merged);
    }
    return regions.value(0);
}

QRect pixelRect(const QRectF &r)
{
    const QPoint topLeft(int(std::lround(r.left())), int(std::lround(r.top())));
    const QPoint end(int(std::lround(r.right())), int(std::lround(r.bottom())));
    return QRect(topLeft, end - QPoint(1, 1));
}

} // namespace

// The device keeps clips as sets of whole pixels: each change costs what
// the two sets hold, however many changes came before.
QRegion MetafileCanvas::pixelRegion(const QPainterPath &output)
{
    QVector<QRect> rects;
    QPainterPath shapes;
    shapes.setFillRule(output.fillRule());
    for (const QPolygonF &polygon : output.toSubpathPolygons()) {
        if (const std::optional<QRectF> box = asRectangle(polygon))
            rects.append(pixelRect(*box));
        else
            shapes.addPolygon(polygon);
    }
    const QRegion boxes = unitedRects(rects);
    if (shapes.isEmpty())
        return boxes;
    const QRegion covered = shapeRegion(shapes);
    m_budget.checkClipWork(double(covered.rectCount()) + double(boxes.rectCount()));
    return output.fillRule() == Qt::OddEvenFill ? covered.xored(boxes) : covered.united(boxes);
}

// Other shapes as the pixels of the picture they cover, filled as any
// outline is; Qt's own polygon regions can lose memory on odd outlines.
// Measuring needs no clip, so the outline's box stands in.
QRegion MetafileCanvas::shapeRegion(const QPainterPath &shapes)
{
    if (!m_painter)
        return QRegion(shapes.boundingRect().toAlignedRect());
    QImage mask(m_painter->device()->width(), m_painter->device()->height(), QImage::Format_Alpha8);
    if (mask.isNull())
        throw LimitError("no memory for the clip");
    mask.fill(0);
    chargeFill(shapes);
    QPainter painter(&mask);
    painter.fillPath(shapes, Qt::black);
    painter.end();
    QVector<QRect> runs;
    for (int y = 0; y < mask.height(); ++y) {
        const uchar *row = mask.constScanLine(y);
        for (int x = 0; x < mask.width();) {
            if (row[x] < 128) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < mask.width() && row[x] >= 128)
                ++x;
            runs.append(QRect(start, y, x - start, 1));
        }
    }
    // One-row runs in reading order are bands already.
    QRegion region;
    region.setRects(runs.constData(), int(runs.size()));
    return region;
}

void MetafileCanvas::changeClip(const QPainterPath &with, int mode)
{
    const QRegion region = pixelRegion(with);
    const QRegion current = m_state.clip.value_or(QRegion(QRect(QPoint(-int(kCoordinateLimit), -int(kCoordinateLimit)),
                                                                QPoint(int(kCoordinateLimit), int(kCoordinateLimit)))));
    // Combining two sets of pixel bands costs about what they hold.
    if (mode != ClipCopy)
        m_budget.checkClipWork(double(current.rectCount()) + double(region.rectCount()));
    switch (mode) {
    case ClipAnd: m_state.clip = current.intersected(region); break;
    case ClipOr: m_state.clip = current.united(region); break;
    case ClipXor: m_state.clip = current.xored(region); break;
    case ClipDiff: m_state.clip = current.subtracted(region); break;
    case ClipCopy: m_state.clip = region; break;
    default: return;
    }
    ++m_clipGeneration;
}

void MetafileCanvas::intersectClipRect(const QRectF &rect)
{
    QPainterPath path;
    path.addRect(rect.normalized());
    changeClip(toOutput(path), ClipAnd);
}

void MetafileCanvas::excludeClipRect(const QRectF &rect)
{
    QPainterPath path;
    path.addRect(rect.normalized());
    changeClip(toOutput(path), ClipDiff);
}

void MetafileCanvas::offsetClip(QPointF by)
{
    if (!m_state.clip)
        return;
    const QTransform t = logicalToOutput();
    const QPointF delta = t.map(by) - t.map(QPointF(0, 0));
    const auto whole = [](double v) {
        return std::isfinite(v) ? int(std::lround(std::clamp(v, -kCoordinateLimit, kCoordinateLimit))) : 0;
    };
    m_state.clip->translate(QPoint(whole(delta.x()), whole(delta.y())));
    ++m_clipGeneration;
}

void MetafileCanvas::selectClipRegion(const std::optional<QPainterPath> &deviceRegion, int mode)
{
    if (!deviceRegion) {
        if (mode == ClipCopy) {
            m_state.clip.reset();
            ++m_clipGeneration;
        }
        return;
    }
    changeClip(m_deviceToOutput.map(*deviceRegion), mode);
}

void MetafileCanvas::selectClipPath(int mode)
{
    changeClip(m_path, mode);
    m_path = QPainterPath();
    m_pathOpen = false;
}

void MetafileCanvas::applyClip()
{
    if (!m_painter || m_appliedClipGeneration == m_clipGeneration)
        return;
    if (m_state.clip) {
        m_budget.checkRasterWork(double(m_state.clip->rectCount()));
        m_painter->setClipRegion(*m_state.clip);
    } else {
        // Qt ignores a clip region set again after clipping was switched
        // off, so "unclipped" is the whole picture.
        m_painter->setClipRect(QRect(0, 0, m_painter->device()->width(), m_painter->device()->height()));
    }
    m_appliedClipGeneration = m_clipGeneration;
}

} // namespace platform::metafile
