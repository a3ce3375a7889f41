#include "platform/metafile/MetafileCanvas.h"

#include <QPainter>

namespace platform::metafile {

namespace {

// Ternary raster operations that a metafile's blits use.
enum RasterOp : std::uint32_t {
    RopBlackness = 0x00000042,
    RopNotSrcCopy = 0x00330008,
    RopDstInvert = 0x00550009,
    RopPatInvert = 0x005A0049,
    RopPatAndDest = 0x00A000C9,
    RopPatOrDest = 0x00FA0089,
    RopNotSrcErase = 0x001100A6,
    RopSrcErase = 0x00440328,
    RopNotSrcAndDest = 0x00220326,
    RopNotSrcXorDest = 0x00990066,
    RopMergePaint = 0x00BB0226,
    RopSrcInvert = 0x00660046,
    RopSrcAnd = 0x008800C6,
    RopDest = 0x00AA0029,
    RopSrcCopy = 0x00CC0020,
    RopSrcPaint = 0x00EE0086,
    RopPatCopy = 0x00F00021,
    RopWhiteness = 0x00FF0062,
};

// Whether the operation reads the source bitmap: its truth table differs
// between source bits set and clear.
bool usesSource(std::uint32_t rop)
{
    const std::uint32_t table = (rop >> 16) & 0xFF;
    return ((table >> 2) & 0x33) != (table & 0x33);
}

} // namespace

void MetafileCanvas::patBlt(const QRectF &rect, std::uint32_t rop)
{
    QPainterPath path;
    path.addRect(rect.normalized());
    const QPainterPath output = toOutput(path);
    switch (rop) {
    case RopDest: return;
    case RopBlackness: fillWith(output, Qt::black, QPainter::CompositionMode_Source); return;
    case RopWhiteness: fillWith(output, Qt::white, QPainter::CompositionMode_Source); return;
    case RopDstInvert: fillWith(output, Qt::white, QPainter::RasterOp_NotDestination); return;
    case RopPatInvert: fillWith(output, brushFor(m_state.brush), QPainter::RasterOp_SourceXorDestination); return;
    case RopPatAndDest: fillWith(output, brushFor(m_state.brush), QPainter::RasterOp_SourceAndDestination); return;
    case RopPatOrDest: fillWith(output, brushFor(m_state.brush), QPainter::RasterOp_SourceOrDestination); return;
    default: fillWith(output, brushFor(m_state.brush), QPainter::CompositionMode_SourceOver); return;
    }
}

void MetafileCanvas::paintImage(const QRectF &dest, const QImage &image, const QRectF &source,
                                QPainter::CompositionMode mode)
{
    const QRectF from = source.normalized().intersected(QRectF(image.rect()));
    if (image.isNull() || from.isEmpty() || dest.width() == 0 || dest.height() == 0)
        return;
    // Maps the unit square onto the destination, so that negative extents mirror.
    const QTransform placement = QTransform(dest.width(), 0, 0, dest.height(), dest.x(), dest.y()) * logicalToOutput();
    const QRectF outputRect = placement.mapRect(QRectF(0, 0, 1, 1));
    if (!m_painter) {
        addBounds(outputRect);
        return;
    }
    if (!outputRect.intersects(QRectF(0, 0, m_painter->device()->width(), m_painter->device()->height())))
        return;
    applyClip();
    m_painter->setCompositionMode(mode);
    m_painter->setTransform(placement);
    QPainterPath area;
    area.addRect(QRectF(0, 0, 1, 1));
    layPaper(area);
    m_painter->drawImage(QRectF(0, 0, 1, 1), image, from);
    m_painter->resetTransform();
    m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void MetafileCanvas::drawImage(const QRectF &dest, const QImage &image, const QRectF &source, std::uint32_t rop)
{
    if (!usesSource(rop)) {
        patBlt(dest, rop);
        return;
    }
    // A bitmap that could not be decoded leaves its place as it was.
    if (image.isNull())
        return;
    using M = QPainter::CompositionMode;
    M mode = M::CompositionMode_Source;
    switch (rop) {
    case RopSrcPaint: mode = M::RasterOp_SourceOrDestination; break;
    case RopSrcAnd: mode = M::RasterOp_SourceAndDestination; break;
    case RopSrcInvert: mode = M::RasterOp_SourceXorDestination; break;
    case RopNotSrcCopy: mode = M::RasterOp_NotSource; break;
    case RopNotSrcErase: mode = M::RasterOp_NotSourceAndNotDestination; break;
    case RopSrcErase: mode = M::RasterOp_SourceAndNotDestination; break;
    case RopNotSrcAndDest: mode = M::RasterOp_NotSourceAndDestination; break;
    case RopNotSrcXorDest: mode = M::RasterOp_NotSourceXorDestination; break;
    case RopMergePaint: mode = M::RasterOp_NotSourceOrDestination; break;
    default: break;
    }
    paintImage(dest, image.convertToFormat(QImage::Format_ARGB32_Premultiplied), source, mode);
}

void MetafileCanvas::alphaBlend(const QRectF &dest, const QImage &image, const QRectF &source, int constantAlpha)
{
    if (m_painter)
        m_painter->setOpacity(qBound(0, constantAlpha, 255) / 255.0);
    paintImage(dest, image, source, QPainter::CompositionMode_SourceOver);
    if (m_painter)
        m_painter->setOpacity(1.0);
}

void MetafileCanvas::transparentBlt(const QRectF &dest, const QImage &image, const QRectF &source,
                                    const QColor &transparent)
{
    QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = transparent.rgb() & 0xFFFFFF;
    for (int y = 0; y < keyed.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if ((line[x] & 0xFFFFFF) == key)
                line[x] = 0;
        }
    }
    paintImage(dest, keyed, source, QPainter::CompositionMode_SourceOver);
}

} // namespace platform::metafile
