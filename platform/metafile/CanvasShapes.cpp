#include "platform/metafile/MetafileCanvas.h"

#include <QPainter>
#include <QPainterPathStroker>

#include <algorithm>
#include <cmath>

namespace platform::metafile {

namespace {

double clampCoordinate(double v)
{
    if (!std::isfinite(v))
        return 0;
    return std::clamp(v, -MetafileCanvas::kCoordinateLimit, MetafileCanvas::kCoordinateLimit);
}

QPointF clampPoint(QPointF p)
{
    return QPointF(clampCoordinate(p.x()), clampCoordinate(p.y()));
}

QPainterPath clampPath(QPainterPath path)
{
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        const QPointF p = clampPoint(QPointF(e.x, e.y));
        if (p.x() != e.x || p.y() != e.y)
            path.setElementPositionAt(i, p.x(), p.y());
    }
    return path;
}

// Curves as line segments, as the device strokes them: Qt's stroker would
// split a curve far larger than the picture into millions of pieces.
QPainterPath flattened(const QPainterPath &path)
{
    QPainterPath flat;
    flat.setFillRule(path.fillRule());
    for (const QPolygonF &polygon : path.toSubpathPolygons()) {
        flat.addPolygon(polygon);
        if (polygon.size() > 2 && polygon.first() == polygon.last())
            flat.closeSubpath();
    }
    return flat;
}

QImage hatchPattern(std::uint32_t hatch, const QColor &color, const QColor &background)
{
    QImage image(8, 8, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const bool horizontal = y == 7;
            const bool vertical = x == 7;
            const bool forward = x == y;
            const bool backward = x + y == 7;
            bool set = false;
            switch (hatch) {
            case 0: set = horizontal; break;
            case 1: set = vertical; break;
            case 2: set = forward; break;
            case 3: set = backward; break;
            case 4: set = horizontal || vertical; break;
            case 5: set = forward || backward; break;
            default: break;
            }
            if (set)
                image.setPixelColor(x, y, color);
        }
    }
    return image;
}

// Qt's parametric angle, in degrees, of the ray from the box's centre through p.
double parametricAngle(const QRectF &box, QPointF p)
{
    const QPointF c = box.center();
    const double rx = std::max(box.width() / 2, 1e-9);
    const double ry = std::max(box.height() / 2, 1e-9);
    return std::atan2(-(p.y() - c.y()) / ry, (p.x() - c.x()) / rx) * 180.0 / M_PI;
}

} // namespace

QPointF MetafileCanvas::toOutput(QPointF logical) const
{
    return clampPoint(logicalToOutput().map(logical));
}

QPainterPath MetafileCanvas::toOutput(const QPainterPath &logical) const
{
    return clampPath(logicalToOutput().map(logical));
}

QRectF MetafileCanvas::outputBox(const QRectF &logicalBox, QTransform &builderToOutput) const
{
    const QTransform t = logicalToOutput();
    if (t.type() <= QTransform::TxScale) {
        // Without rotation, shapes keep the device rule that the right and
        // bottom edges of their box are not drawn.
        builderToOutput = QTransform();
        QRectF r = t.mapRect(logicalBox.normalized());
        r = QRectF(clampPoint(r.topLeft()), clampPoint(r.bottomRight()));
        if (r.width() >= 1)
            r.setRight(r.right() - 1);
        if (r.height() >= 1)
            r.setBottom(r.bottom() - 1);
        return r;
    }
    builderToOutput = t;
    return logicalBox.normalized();
}

QPen MetafileCanvas::currentPen() const
{
    const GdiPen &gdi = m_state.pen;
    const std::uint32_t lineStyle = gdi.style & 0xF;
    if (lineStyle == PenNull)
        return Qt::NoPen;
    QPen pen(gdi.color);
    double width = 0;
    if (!gdi.cosmetic && gdi.width > 0)
        width = std::min(gdi.width * outputScale(), 4096.0);
    if (width < 1.5) {
        pen.setWidth(0);
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
    } else {
        pen.setWidthF(width);
        switch (gdi.style & 0xF00) {
        case 0x100: pen.setCapStyle(Qt::SquareCap); break;
        case 0x200: pen.setCapStyle(Qt::FlatCap); break;
        default: pen.setCapStyle(Qt::RoundCap); break;
        }
        switch (gdi.style & 0xF000) {
        case 0x1000: pen.setJoinStyle(Qt::BevelJoin); break;
        case 0x2000: pen.setJoinStyle(Qt::MiterJoin); break;
        default: pen.setJoinStyle(Qt::RoundJoin); break;
        }
    }
    // A thin pen's pattern is in pixels; a wide one's follows its width: a
    // dash three widths on and one off, a dot one on and one off.
    const bool wide = pen.widthF() > 0;
    switch (lineStyle) {
    case PenDash: pen.setDashPattern(wide ? QVector<qreal>{3, 1} : QVector<qreal>{18, 6}); break;
    case PenDot:
    case PenAlternate: pen.setDashPattern(wide ? QVector<qreal>{1, 1} : QVector<qreal>{3, 3}); break;
    case PenDashDot: pen.setDashPattern(wide ? QVector<qreal>{3, 1, 1, 1} : QVector<qreal>{9, 6, 3, 6}); break;
    case PenDashDotDot:
        pen.setDashPattern(wide ? QVector<qreal>{3, 1, 1, 1, 1, 1} : QVector<qreal>{9, 3, 3, 3, 3, 3});
        break;
    case PenUserStyle:
        if (gdi.dashes.size() >= 2 && gdi.dashes.size() % 2 == 0) {
            QVector<qreal> pattern;
            const double unit = std::max(1.0, pen.widthF());
            for (double d : gdi.dashes)
                pattern.append(std::clamp(d * outputScale() / unit, 0.1, 4096.0));
            pen.setDashPattern(pattern);
        }
        break;
    default: break;
    }
    return pen;
}

QBrush MetafileCanvas::brushFor(const GdiBrush &brush) const
{
    switch (brush.style) {
    case BrushSolid: return QBrush(brush.color);
    case BrushHatched:
        return QBrush(
            hatchPattern(brush.hatch, brush.color,
                         m_state.backgroundMode == BkOpaque ? m_state.backgroundColor : QColor(Qt::transparent)));
    case BrushPattern:
    case BrushDibPattern:
    case BrushDibPatternPt:
        if (brush.monochrome) {
            QImage pattern = brush.pattern;
            pattern.setColorTable({m_state.textColor.rgb(), m_state.backgroundColor.rgb()});
            return QBrush(pattern);
        }
        if (!brush.pattern.isNull())
            return QBrush(brush.pattern);
        return QBrush(brush.color);
    default: return Qt::NoBrush;
    }
}

bool MetafileCanvas::applyRop2(QPainter &painter) const
{
    using M = QPainter::CompositionMode;
    M mode = QPainter::CompositionMode_SourceOver;
    switch (m_state.rop2) {
    case R2Nop: return false;
    case R2Not: mode = M::RasterOp_NotDestination; break;
    case R2XorPen: mode = M::RasterOp_SourceXorDestination; break;
    case R2NotXorPen: mode = M::RasterOp_NotSourceXorDestination; break;
    case R2MaskPen: mode = M::RasterOp_SourceAndDestination; break;
    case R2MergePen: mode = M::RasterOp_SourceOrDestination; break;
    case R2NotCopyPen: mode = M::RasterOp_NotSource; break;
    case R2NotMaskPen: mode = M::RasterOp_NotSourceOrNotDestination; break;
    case R2NotMergePen: mode = M::RasterOp_NotSourceAndNotDestination; break;
    case R2MaskPenNot: mode = M::RasterOp_SourceAndNotDestination; break;
    case R2MaskNotPen: mode = M::RasterOp_NotSourceAndDestination; break;
    case R2MergeNotPen: mode = M::RasterOp_NotSourceOrDestination; break;
    case R2MergePenNot: mode = M::RasterOp_SourceOrNotDestination; break;
    default: break;
    }
    painter.setCompositionMode(mode);
    return true;
}

void MetafileCanvas::addBounds(const QRectF &rect)
{
    if (rect.isNull() && rect.topLeft().isNull())
        return;
    const QRectF limited = rect.normalized().intersected(
        QRectF(QPointF(-kCoordinateLimit, -kCoordinateLimit), QPointF(kCoordinateLimit, kCoordinateLimit)));
    if (limited.isEmpty())
        return;
    m_bounds = m_bounds.isNull() ? limited : m_bounds.united(limited);
}

void MetafileCanvas::paint(const QPainterPath &output, bool fill, bool stroke)
{
    QPen pen = stroke ? currentPen() : QPen(Qt::NoPen);
    QBrush brush = fill ? brushFor(m_state.brush) : QBrush(Qt::NoBrush);
    if (pen.style() == Qt::NoPen && brush.style() == Qt::NoBrush)
        return;
    QPainterPath path = output;
    path.setFillRule(m_state.windingFill ? Qt::WindingFill : Qt::OddEvenFill);
    if (!m_painter) {
        // A pen covers the pixels right of and below its path.
        const double w = pen.style() == Qt::NoPen ? 0 : std::max(1.0, pen.widthF());
        const double before = std::max(0.0, (w - 1) / 2);
        addBounds(path.boundingRect().adjusted(-before, -before, before + (w > 0 ? 1 : 0), before + (w > 0 ? 1 : 0)));
        return;
    }
    if (m_state.rop2 == R2Black || m_state.rop2 == R2White) {
        const QColor c = m_state.rop2 == R2Black ? Qt::black : Qt::white;
        pen.setColor(c);
        if (brush.style() != Qt::NoBrush)
            brush = QBrush(c);
    }
    if (!applyRop2(*m_painter))
        return;
    applyClip();
    // Filled and stroked apart, so that every outline is charged before Qt
    // rasterises it: one drawing cannot be stopped once it runs.
    if (brush.style() != Qt::NoBrush) {
        chargeFill(path);
        layPaper(path);
        m_painter->fillPath(path, brush);
    }
    if (pen.style() != Qt::NoPen) {
        if (pen.widthF() > 0) {
            thinOutDashes(pen, path);
            const QPainterPath outline = QPainterPathStroker(pen).createStroke(flattened(path));
            chargeFill(outline);
            layPaper(outline);
            m_painter->fillPath(outline, pen.brush());
        } else {
            layPaper(path, pen);
            m_painter->strokePath(path, pen);
        }
    }
    m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

namespace {

// Raster operations that combine with what is already there.
bool readsDestination(QPainter::CompositionMode mode)
{
    using M = QPainter::CompositionMode;
    return mode >= M::RasterOp_SourceOrDestination && mode != M::RasterOp_NotSource
           && mode != M::RasterOp_ClearDestination && mode != M::RasterOp_SetDestination;
}

} // namespace

// The picture starts transparent, but an operation that combines with what
// is there acts on the white paper a viewer assumes: paper goes under what
// it covers, where nothing was drawn yet, and the rest stays transparent.
void MetafileCanvas::layPaper(const QPainterPath &area, const QPen &cosmeticPen)
{
    const QPainter::CompositionMode mode = m_painter->compositionMode();
    if (!readsDestination(mode))
        return;
    m_painter->setCompositionMode(QPainter::CompositionMode_DestinationOver);
    if (cosmeticPen.style() == Qt::NoPen) {
        m_painter->fillPath(area, Qt::white);
    } else {
        QPen paper = cosmeticPen;
        paper.setColor(Qt::white);
        m_painter->strokePath(area, paper);
    }
    m_painter->setCompositionMode(mode);
}

void MetafileCanvas::chargeFill(const QPainterPath &outline)
{
    // The rasteriser's work is the picture rows that each edge crosses.
    const double rows = m_painter->device()->height();
    double crossings = 0;
    for (const QPolygonF &polygon : outline.toSubpathPolygons()) {
        for (int i = 0; i < polygon.size(); ++i) {
            const QPointF a = polygon[i];
            const QPointF b = polygon[(i + 1) % polygon.size()];
            const double top = std::clamp(std::min(a.y(), b.y()), 0.0, rows);
            const double bottom = std::clamp(std::max(a.y(), b.y()), 0.0, rows);
            crossings += bottom - top + 1;
        }
    }
    m_budget.checkRasterWork(crossings);
}

void MetafileCanvas::thinOutDashes(QPen &pen, const QPainterPath &path) const
{
    // Dashes too fine to see along a path far longer than the picture would
    // make millions of pieces; such a line is drawn solid.
    constexpr double kMaxDashes = 10'000;
    const QVector<qreal> pattern = pen.dashPattern();
    if (pen.style() == Qt::SolidLine || pattern.isEmpty())
        return;
    double period = 0;
    for (qreal length : pattern)
        period += length;
    period *= std::max(1.0, pen.widthF());
    if (period <= 0 || path.length() / period > kMaxDashes)
        pen.setStyle(Qt::SolidLine);
}

void MetafileCanvas::fillWith(const QPainterPath &output, const QBrush &brush, QPainter::CompositionMode mode)
{
    if (!m_painter) {
        addBounds(output.boundingRect());
        return;
    }
    applyClip();
    chargeFill(output);
    m_painter->setCompositionMode(mode);
    layPaper(output);
    m_painter->fillPath(output, brush);
    m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void MetafileCanvas::emitPath(const QPainterPath &output, bool fill, bool stroke, bool continues)
{
    if (!m_pathOpen) {
        paint(output, fill, stroke);
        return;
    }
    if (continues && m_path.elementCount() > 0 && output.elementCount() > 0
        && m_path.currentPosition() == QPointF(output.elementAt(0)))
        m_path.connectPath(output);
    else
        m_path.addPath(output);
}

void MetafileCanvas::beginPath()
{
    m_path = QPainterPath();
    m_pathOpen = true;
}

void MetafileCanvas::abortPath()
{
    m_path = QPainterPath();
    m_pathOpen = false;
}

void MetafileCanvas::closeFigure()
{
    if (m_pathOpen)
        m_path.closeSubpath();
}

void MetafileCanvas::fillPath()
{
    m_pathOpen = false;
    paint(m_path, true, false);
    m_path = QPainterPath();
}

void MetafileCanvas::strokePath()
{
    m_pathOpen = false;
    paint(m_path, false, true);
    m_path = QPainterPath();
}

void MetafileCanvas::strokeAndFillPath()
{
    m_pathOpen = false;
    paint(m_path, true, true);
    m_path = QPainterPath();
}

void MetafileCanvas::widenPath()
{
    QPainterPathStroker stroker(currentPen());
    stroker.setWidth(std::max(1.0, currentPen().widthF()));
    m_path = stroker.createStroke(m_path);
}

void MetafileCanvas::moveTo(QPointF point)
{
    m_state.position = point;
}

void MetafileCanvas::lineTo(QPointF point)
{
    m_budget.takePoints(1);
    QPainterPath path(toOutput(m_state.position));
    path.lineTo(toOutput(point));
    emitPath(path, false, true, true);
    m_state.position = point;
}

void MetafileCanvas::polyline(const QPolygonF &points)
{
    m_budget.takePoints(std::uint64_t(points.size()));
    if (points.size() < 2)
        return;
    QPainterPath path;
    path.addPolygon(points);
    emitPath(toOutput(path), false, true, false);
}

void MetafileCanvas::polylineTo(const QPolygonF &points)
{
    m_budget.takePoints(std::uint64_t(points.size()));
    if (points.isEmpty())
        return;
    QPainterPath path(m_state.position);
    for (const QPointF &p : points)
        path.lineTo(p);
    emitPath(toOutput(path), false, true, true);
    m_state.position = points.last();
}

void MetafileCanvas::polyBezier(const QPolygonF &points)
{
    m_budget.takePoints(std::uint64_t(points.size()));
    if (points.size() < 4 || (points.size() - 1) % 3 != 0)
        return;
    QPainterPath path(points[0]);
    for (int i = 1; i + 2 < points.size(); i += 3)
        path.cubicTo(points[i], points[i + 1], points[i + 2]);
    emitPath(toOutput(path), false, true, false);
}

void MetafileCanvas::polyBezierTo(const QPolygonF &points)
{
    m_budget.takePoints(std::uint64_t(points.size()));
    if (points.size() < 3 || points.size() % 3 != 0)
        return;
    QPainterPath path(m_state.position);
    for (int i = 0; i + 2 < points.size(); i += 3)
        path.cubicTo(points[i], points[i + 1], points[i + 2]);
    emitPath(toOutput(path), false, true, true);
    m_state.position = points.last();
}

void MetafileCanvas::polyDraw(const QPolygonF &points, const QByteArray &types)
{
    m_budget.takePoints(std::uint64_t(points.size()));
    enum { CloseFigure = 1, LineTo = 2, BezierTo = 4, MoveTo = 6 };
    QPainterPath path(m_state.position);
    QPointF position = m_state.position;
    for (int i = 0; i < points.size() && i < types.size(); ++i) {
        const int type = types[i] & ~CloseFigure;
        if (type == MoveTo) {
            path.moveTo(points[i]);
        } else if (type == LineTo) {
            path.lineTo(points[i]);
        } else if (type == BezierTo && i + 2 < points.size()) {
            path.cubicTo(points[i], points[i + 1], points[i + 2]);
            i += 2;
        } else {
            continue;
        }
        position = points[i];
        if (types[i] & CloseFigure)
            path.closeSubpath();
    }
    emitPath(toOutput(path), false, true, true);
    m_state.position = position;
}

void MetafileCanvas::polygon(const QPolygonF &points)
{
    m_budget.takePoints(std::uint64_t(points.size()));
    if (points.size() < 2)
        return;
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    emitPath(toOutput(path), true, true, false);
}

void MetafileCanvas::polyPolygon(const QVector<QPolygonF> &polygons)
{
    QPainterPath path;
    for (const QPolygonF &points : polygons) {
        m_budget.takePoints(std::uint64_t(points.size()));
        if (points.size() < 2)
            continue;
        path.addPolygon(points);
        path.closeSubpath();
    }
    emitPath(toOutput(path), true, true, false);
}

void MetafileCanvas::polyPolyline(const QVector<QPolygonF> &polylines)
{
    QPainterPath path;
    for (const QPolygonF &points : polylines) {
        m_budget.takePoints(std::uint64_t(points.size()));
        if (points.size() >= 2)
            path.addPolygon(points);
    }
    emitPath(toOutput(path), false, true, false);
}

void MetafileCanvas::rectangle(const QRectF &box)
{
    QTransform builder;
    const QRectF r = outputBox(box, builder);
    QPainterPath path;
    path.addRect(r);
    emitPath(clampPath(builder.map(path)), true, true, false);
}

void MetafileCanvas::roundRect(const QRectF &box, QSizeF corner)
{
    QTransform builder;
    const QRectF r = outputBox(box, builder);
    if (builder.isIdentity()) {
        const QTransform t = logicalToOutput();
        corner = QSizeF(std::abs(corner.width() * t.m11()), std::abs(corner.height() * t.m22()));
    }
    QPainterPath path;
    path.addRoundedRect(r, std::min(corner.width() / 2, r.width() / 2), std::min(corner.height() / 2, r.height() / 2));
    emitPath(clampPath(builder.map(path)), true, true, false);
}

void MetafileCanvas::ellipse(const QRectF &box)
{
    QTransform builder;
    const QRectF r = outputBox(box, builder);
    QPainterPath path;
    path.addEllipse(r);
    emitPath(clampPath(builder.map(path)), true, true, false);
}

void MetafileCanvas::arc(ArcKind kind, const QRectF &box, QPointF start, QPointF end)
{
    QTransform builder;
    const QRectF r = outputBox(box, builder);
    const QTransform toBuilder = builder.isIdentity() ? logicalToOutput() : QTransform();
    const double a0 = parametricAngle(r, toBuilder.map(start));
    const double a1 = parametricAngle(r, toBuilder.map(end));
    // Arcs run counter-clockwise on the output unless the state says otherwise;
    // a mirroring transform turns the builder's direction round.
    bool clockwise = m_state.clockwiseArcs;
    if (builder.determinant() < 0)
        clockwise = !clockwise;
    double sweep = clockwise ? a0 - a1 : a1 - a0;
    sweep = std::fmod(sweep + 720.0, 360.0);
    if (sweep <= 0)
        sweep = 360;
    if (clockwise)
        sweep = -sweep;

    QPainterPath path;
    if (kind == ArcKind::Pie) {
        path.moveTo(r.center());
        path.arcTo(r, a0, sweep);
        path.closeSubpath();
    } else {
        path.arcMoveTo(r, a0);
        path.arcTo(r, a0, sweep);
        if (kind == ArcKind::Chord)
            path.closeSubpath();
    }
    // A box without area holds no arc, only the one point an ArcTo's line still ends at.
    if (path.elementCount() == 0)
        path.moveTo(r.center());
    QPainterPath output = clampPath(builder.map(path));
    const bool closed = kind == ArcKind::Chord || kind == ArcKind::Pie;
    if (kind == ArcKind::ArcTo) {
        QPainterPath lead(toOutput(m_state.position));
        lead.lineTo(output.elementAt(0));
        lead.connectPath(output);
        output = lead;
        m_state.position = logicalToOutput().inverted().map(output.currentPosition());
    }
    emitPath(output, closed, true, kind == ArcKind::ArcTo);
}

void MetafileCanvas::angleArc(QPointF center, double radius, double startDegrees, double sweepDegrees)
{
    if (!std::isfinite(startDegrees) || !std::isfinite(sweepDegrees))
        return;
    sweepDegrees = std::clamp(sweepDegrees, -3600.0, 3600.0);
    const QRectF box(center.x() - radius, center.y() - radius, 2 * radius, 2 * radius);
    QPainterPath path(m_state.position);
    path.arcTo(box, std::fmod(startDegrees, 360.0), sweepDegrees);
    m_state.position = path.currentPosition();
    emitPath(toOutput(path), false, true, true);
}

void MetafileCanvas::setPixel(QPointF point, const QColor &color)
{
    const QPointF p = toOutput(point);
    const QRectF pixel(std::floor(p.x()), std::floor(p.y()), 1, 1);
    QPainterPath path;
    path.addRect(pixel);
    fillWith(path, color, QPainter::CompositionMode_SourceOver);
}

void MetafileCanvas::fillRegion(const QPainterPath &region, const GdiBrush &brush)
{
    fillWith(toOutput(region), brushFor(brush), QPainter::CompositionMode_SourceOver);
}

void MetafileCanvas::frameRegion(const QPainterPath &region, const GdiBrush &brush, QSizeF stroke)
{
    const QPainterPath area = toOutput(region);
    QPainterPathStroker stroker;
    const double width = std::clamp(std::max(stroke.width(), stroke.height()) * outputScale(), 1.0, 4096.0);
    stroker.setWidth(2 * width);
    const QPainterPath band = stroker.createStroke(area);
    m_budget.checkClipWork(double(band.elementCount()) * double(area.elementCount()));
    fillWith(band.intersected(area), brushFor(brush), QPainter::CompositionMode_SourceOver);
}

void MetafileCanvas::invertRegion(const QPainterPath &region)
{
    fillWith(toOutput(region), Qt::white, QPainter::RasterOp_NotDestination);
}

void MetafileCanvas::gradientRect(const GradientVertex &a, const GradientVertex &b, bool vertical)
{
    const QPointF p0 = toOutput(a.point);
    const QPointF p1 = toOutput(b.point);
    QLinearGradient gradient(p0, vertical ? QPointF(p0.x(), p1.y()) : QPointF(p1.x(), p0.y()));
    gradient.setColorAt(0, a.color);
    gradient.setColorAt(1, b.color);
    QPainterPath path;
    path.addRect(QRectF(p0, p1).normalized());
    fillWith(path, gradient, QPainter::CompositionMode_SourceOver);
}

void MetafileCanvas::gradientTriangle(const GradientVertex &a, const GradientVertex &b, const GradientVertex &c)
{
    // Shaded with the mean of the corner colours.
    const QColor mean((a.color.red() + b.color.red() + c.color.red()) / 3,
                      (a.color.green() + b.color.green() + c.color.green()) / 3,
                      (a.color.blue() + b.color.blue() + c.color.blue()) / 3);
    QPainterPath path;
    path.addPolygon(QPolygonF({toOutput(a.point), toOutput(b.point), toOutput(c.point)}));
    path.closeSubpath();
    fillWith(path, mean, QPainter::CompositionMode_SourceOver);
}

} // namespace platform::metafile
