#pragma once

#include "platform/metafile/DrawingState.h"
#include "platform/metafile/GdiObjects.h"
#include "platform/metafile/PlayLimits.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <QTransform>
#include <QVector>

#include <cstdint>
#include <optional>
#include <vector>

namespace platform::metafile {

enum class ArcKind { Arc, ArcTo, Chord, Pie };

// How a new clip combines with the current one (the RGN_ modes).
enum ClipMode { ClipAnd = 1, ClipOr = 2, ClipXor = 3, ClipDiff = 4, ClipCopy = 5 };

struct GradientVertex
{
    QPointF point;
    QColor color;
};

// The drawing-state machine both metafile formats play into: mapping modes,
// world transform, saved states, the object table, clipping, paths, and the
// drawing operations in logical units, painted onto a QPainter in output
// pixels. Without a painter it only measures what would be drawn.
class MetafileCanvas
{
public:
    // Output coordinates are kept where the rasteriser stays exact and fast.
    static constexpr double kCoordinateLimit = 1 << 22;

    // devicePixelsPerMm gives the metric and English mapping modes their size
    // on each axis, as a device's pixels need not be square; deviceToOutput
    // places the device's pixels in the picture.
    MetafileCanvas(PlayBudget &budget, const QSizeF &devicePixelsPerMm, const QTransform &deviceToOutput);
    MetafileCanvas(PlayBudget &budget, double devicePixelsPerMm, const QTransform &deviceToOutput)
        : MetafileCanvas(budget, QSizeF(devicePixelsPerMm, devicePixelsPerMm), deviceToOutput)
    {}

    void setPainter(QPainter *painter);
    QRectF drawnBounds() const { return m_bounds; }

    DrawingState &state() { return m_state; }
    const DrawingState &state() const { return m_state; }

    // Mapping.
    void setMapMode(int mode);
    void setWindowOrg(QPointF org) { m_state.windowOrg = org; }
    void setWindowExt(QSizeF ext);
    void setViewportOrg(QPointF org) { m_state.viewportOrg = org; }
    void setViewportExt(QSizeF ext);
    void offsetWindowOrg(QPointF by) { m_state.windowOrg += by; }
    void offsetViewportOrg(QPointF by) { m_state.viewportOrg += by; }
    void scaleWindowExt(double xNum, double xDenom, double yNum, double yDenom);
    void scaleViewportExt(double xNum, double xDenom, double yNum, double yDenom);
    void setWorldTransform(const QTransform &transform);
    void modifyWorldTransform(const QTransform &transform, int mode);
    QTransform logicalToOutput() const;
    QTransform deviceToOutput() const { return m_deviceToOutput; }

    // Saved states: a positive index is absolute, a negative one relative.
    void saveDc();
    void restoreDc(int which);

    // Object table.
    void resetObjectTable(std::size_t size);
    void addObject(GdiObject object);
    void putObject(std::uint32_t index, GdiObject object);
    void selectObject(std::uint32_t index);
    void deleteObject(std::uint32_t index);
    const GdiObject *objectAt(std::uint32_t index) const;
    void selectStockObject(std::uint32_t stock);
    // A palette object, or none for the default palette.
    void selectPalette(std::optional<std::uint32_t> index);
    void setPaletteEntries(std::uint32_t index, std::uint32_t start, const QVector<QColor> &colors);
    // A colour reference through the selected palette.
    QColor color(std::uint32_t ref) const { return resolveColor(ref, m_state.palette); }

    // Clipping; rectangles in logical units, regions in device units.
    void intersectClipRect(const QRectF &rect);
    void excludeClipRect(const QRectF &rect);
    void offsetClip(QPointF by);
    void selectClipRegion(const std::optional<QPainterPath> &deviceRegion, int mode);
    void selectClipPath(int mode);

    // Paths.
    void beginPath();
    void endPath() { m_pathOpen = false; }
    void abortPath();
    void closeFigure();
    void fillPath();
    void strokePath();
    void strokeAndFillPath();
    void widenPath();

    // Lines and shapes, in logical units.
    void moveTo(QPointF point);
    void lineTo(QPointF point);
    void polyline(const QPolygonF &points);
    void polylineTo(const QPolygonF &points);
    void polyBezier(const QPolygonF &points);
    void polyBezierTo(const QPolygonF &points);
    void polyDraw(const QPolygonF &points, const QByteArray &types);
    void polygon(const QPolygonF &points);
    void polyPolygon(const QVector<QPolygonF> &polygons);
    void polyPolyline(const QVector<QPolygonF> &polylines);
    void rectangle(const QRectF &box);
    void roundRect(const QRectF &box, QSizeF corner);
    void ellipse(const QRectF &box);
    void arc(ArcKind kind, const QRectF &box, QPointF start, QPointF end);
    void angleArc(QPointF center, double radius, double startDegrees, double sweepDegrees);
    void setPixel(QPointF point, const QColor &color);

    // Regions in logical units.
    void fillRegion(const QPainterPath &region, const GdiBrush &brush);
    void frameRegion(const QPainterPath &region, const GdiBrush &brush, QSizeF stroke);
    void invertRegion(const QPainterPath &region);

    // Bitmaps and raster operations, in logical units.
    void patBlt(const QRectF &rect, std::uint32_t rop);
    void drawImage(const QRectF &dest, const QImage &image, const QRectF &source, std::uint32_t rop);
    void alphaBlend(const QRectF &dest, const QImage &image, const QRectF &source, int constantAlpha);
    void transparentBlt(const QRectF &dest, const QImage &image, const QRectF &source, const QColor &transparent);
    void gradientRect(const GradientVertex &a, const GradientVertex &b, bool vertical);
    void gradientTriangle(const GradientVertex &a, const GradientVertex &b, const GradientVertex &c);

    // The characters that glyph indexes stand for in the font text would be
    // drawn with, where that font keeps the standard order for all of them.
    std::optional<QString> textOfGlyphs(const QVector<std::uint16_t> &glyphs) const;

    // Text at a logical reference point; dx are logical advances per
    // character, along the text and across it.
    void textOut(QPointF reference, const QString &text, unsigned options, const std::optional<QRectF> &rect,
                 const QVector<QPointF> &dx);

private:
    QTransform pageToDevice() const;
    QFont currentFont() const;
    QFont currentFont(const QString &family) const;
    QPainterPath toOutput(const QPainterPath &logical) const;
    QPointF toOutput(QPointF logical) const;
    QRectF outputBox(const QRectF &logicalBox, QTransform &builderToOutput) const;
    double outputScale() const;
    QPen currentPen() const;
    QBrush brushFor(const GdiBrush &brush) const;
    bool applyRop2(QPainter &painter) const;
    void applyClip();
    QRegion pixelRegion(const QPainterPath &output);
    QRegion shapeRegion(const QPainterPath &shapes);
    void changeClip(const QPainterPath &with, int mode);
    void emitPath(const QPainterPath &output, bool fill, bool stroke, bool continues);
    void paint(const QPainterPath &output, bool fill, bool stroke);
    void chargeFill(const QPainterPath &outline);
    void layPaper(const QPainterPath &area, const QPen &cosmeticPen = Qt::NoPen);
    void thinOutDashes(QPen &pen, const QPainterPath &path) const;
    void fillWith(const QPainterPath &output, const QBrush &brush, QPainter::CompositionMode mode);
    void paintImage(const QRectF &dest, const QImage &image, const QRectF &source, QPainter::CompositionMode mode);
    void addBounds(const QRectF &rect);
    std::uint32_t checkedIndex(std::uint32_t index) const;

    PlayBudget &m_budget;
    QSizeF m_devicePixelsPerMm;
    QTransform m_deviceToOutput;
    QPainter *m_painter = nullptr;
    QRectF m_bounds;

    DrawingState m_state;
    std::vector<DrawingState> m_saved;
    std::vector<std::optional<GdiObject>> m_objects;

    bool m_pathOpen = false;
    QPainterPath m_path; // output pixels

    std::uint64_t m_clipGeneration = 1;
    std::uint64_t m_appliedClipGeneration = 0;
};

} // namespace platform::metafile
