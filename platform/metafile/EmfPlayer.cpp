#include "platform/metafile/EmfPlayer.h"

#include "platform/ByteReader.h"
#include "platform/metafile/AnsiText.h"
#include "platform/metafile/DibDecoder.h"
#include "platform/metafile/MetafileCanvas.h"
#include "platform/metafile/PictureSize.h"
#include "platform/metafile/RecordDamage.h"

#include <QPainter>

#include <cmath>

namespace platform::metafile {

namespace {

constexpr std::uint32_t kSignature = 0x464D4520;
constexpr std::uint32_t kStockBit = 0x80000000;
constexpr std::uint32_t kDefaultPalette = 15;
constexpr std::size_t kMinHeader = 88;
constexpr double kPixelsPerInch = 96;

enum RecordType : std::uint32_t {
    EmrHeader = 1,
    EmrPolyBezier = 2,
    EmrPolygon = 3,
    EmrPolyline = 4,
    EmrPolyBezierTo = 5,
    EmrPolylineTo = 6,
    EmrPolyPolyline = 7,
    EmrPolyPolygon = 8,
    EmrSetWindowExtEx = 9,
    EmrSetWindowOrgEx = 10,
    EmrSetViewportExtEx = 11,
    EmrSetViewportOrgEx = 12,
    EmrEof = 14,
    EmrSetPixelV = 15,
    EmrSetMapMode = 17,
    EmrSetBkMode = 18,
    EmrSetPolyFillMode = 19,
    EmrSetRop2 = 20,
    EmrSetTextAlign = 22,
    EmrSetTextColor = 24,
    EmrSetBkColor = 25,
    EmrOffsetClipRgn = 26,
    EmrMoveToEx = 27,
    EmrExcludeClipRect = 29,
    EmrIntersectClipRect = 30,
    EmrScaleViewportExtEx = 31,
    EmrScaleWindowExtEx = 32,
    EmrSaveDc = 33,
    EmrRestoreDc = 34,
    EmrSetWorldTransform = 35,
    EmrModifyWorldTransform = 36,
    EmrSelectObject = 37,
    EmrCreatePen = 38,
    EmrCreateBrushIndirect = 39,
    EmrDeleteObject = 40,
    EmrAngleArc = 41,
    EmrEllipse = 42,
    EmrRectangle = 43,
    EmrRoundRect = 44,
    EmrArc = 45,
    EmrChord = 46,
    EmrPie = 47,
    EmrSelectPalette = 48,
    EmrCreatePalette = 49,
    EmrSetPaletteEntries = 50,
    EmrLineTo = 54,
    EmrArcTo = 55,
    EmrPolyDraw = 56,
    EmrSetArcDirection = 57,
    EmrBeginPath = 59,
    EmrEndPath = 60,
    EmrCloseFigure = 61,
    EmrFillPath = 62,
    EmrStrokeAndFillPath = 63,
    EmrStrokePath = 64,
    EmrFlattenPath = 65,
    EmrWidenPath = 66,
    EmrSelectClipPath = 67,
    EmrAbortPath = 68,
    EmrFillRgn = 71,
    EmrFrameRgn = 72,
    EmrInvertRgn = 73,
    EmrPaintRgn = 74,
    EmrExtSelectClipRgn = 75,
    EmrBitBlt = 76,
    EmrStretchBlt = 77,
    EmrSetDiBitsToDevice = 80,
    EmrStretchDiBits = 81,
    EmrExtCreateFontIndirectW = 82,
    EmrExtTextOutA = 83,
    EmrExtTextOutW = 84,
    EmrPolyBezier16 = 85,
    EmrPolygon16 = 86,
    EmrPolyline16 = 87,
    EmrPolyBezierTo16 = 88,
    EmrPolylineTo16 = 89,
    EmrPolyPolyline16 = 90,
    EmrPolyPolygon16 = 91,
    EmrPolyDraw16 = 92,
    EmrCreateMonoBrush = 93,
    EmrCreateDibPatternBrushPt = 94,
    EmrExtCreatePen = 95,
    EmrSmallTextOut = 108,
    EmrAlphaBlend = 114,
    EmrTransparentBlt = 116,
    EmrGradientFill = 118,
};

QPointF readPointL(ByteReader &r)
{
    const double x = r.i32();
    const double y = r.i32();
    return QPointF(x, y);
}

QPointF readPointS(ByteReader &r)
{
    const double x = r.i16();
    const double y = r.i16();
    return QPointF(x, y);
}

QRectF readRectL(ByteReader &r)
{
    const QPointF topLeft = readPointL(r);
    const QPointF bottomRight = readPointL(r);
    return QRectF(topLeft, bottomRight);
}

QTransform readXform(ByteReader &r)
{
    const double m11 = r.f32();
    const double m12 = r.f32();
    const double m21 = r.f32();
    const double m22 = r.f32();
    const double dx = r.f32();
    const double dy = r.f32();
    return QTransform(m11, m12, m21, m22, dx, dy);
}

QPolygonF readPoints(ByteReader &r, std::uint64_t count, bool small)
{
    if (checkedBytes(count, small ? 4 : 8) > r.remaining())
        throw MetafileError("points outside their record");
    QPolygonF points;
    points.reserve(qsizetype(count));
    for (std::uint64_t i = 0; i < count; ++i)
        points.append(small ? readPointS(r) : readPointL(r));
    return points;
}

// RGNDATA: a header and its rectangles.
QPainterPath readRegionData(ByteReader r, PlayBudget &budget)
{
    r.skip(8);
    const std::uint32_t count = r.u32();
    r.skip(4 + 16);
    if (checkedBytes(count, 16) > r.remaining())
        throw MetafileError("region outside its record");
    budget.takePoints(std::uint64_t(count) * 2);
    QPainterPath path;
    for (std::uint32_t i = 0; i < count; ++i)
        path.addRect(readRectL(r).normalized());
    return path;
}

constexpr std::uint32_t kGlyphIndexes = 0x10;

class EmfPlayer
{
public:
    EmfPlayer(const QByteArray &data, PlayBudget &budget, const std::optional<QSizeF> &size)
        : m_file(data),
          m_budget(budget),
          m_size(size)
    {}

    LoadedPicture play();

private:
    void playRecords(std::size_t pos);
    void playRecord(std::uint32_t type, ByteReader &record);
    bool playStateRecord(std::uint32_t type, ByteReader &r);
    bool playObjectRecord(std::uint32_t type, ByteReader &r);
    bool playClippingRecord(std::uint32_t type, ByteReader &r);
    bool playDrawingRecord(std::uint32_t type, ByteReader &r);
    void playPoly(std::uint32_t type, ByteReader &r);
    void playBitmap(std::uint32_t type, ByteReader &record);
    void playText(std::uint32_t type, ByteReader &record);
    void createObject(std::uint32_t type, ByteReader &record);
    DibData dibAt(const ByteReader &record, std::uint32_t offInfo, std::uint32_t sizeInfo, std::uint32_t offBits,
                  std::uint32_t sizeBits, std::uint32_t usage) const;
    GdiBrush brushAt(std::uint32_t index) const;
    QString textOfGlyphs(const QString &glyphs) const;

    ByteReader m_file;
    PlayBudget &m_budget;
    std::optional<QSizeF> m_size;
    std::optional<MetafileCanvas> m_canvas;
};

// Reference-device pixels per millimetre on each axis. The micrometre sizes
// (zero where the header has none) are a finer copy of the millimetre ones
// when a recorder fills them in; some fill them with unrelated numbers, so
// they count only where they round to the millimetres.
QSizeF devicePixelsPerMm(QPointF pixels, QPointF millimetres, QPointF micrometres)
{
    const auto perMm = [](double px, double mm, double um) {
        if (px <= 0 || mm <= 0)
            return kPixelsPerInch / 25.4;
        if (std::round(um / 1000) == mm)
            return px * 1000 / um;
        return px / mm;
    };
    return QSizeF(perMm(pixels.x(), millimetres.x(), micrometres.x()),
                  perMm(pixels.y(), millimetres.y(), micrometres.y()));
}

LoadedPicture EmfPlayer::play()
{
    ByteReader header = m_file.slice(0, std::min<std::size_t>(m_file.size(), 108));
    if (header.u32() != EmrHeader)
        throw MetafileError("not an enhanced metafile");
    const std::uint32_t headerSize = header.u32();
    if (headerSize < kMinHeader || headerSize % 4 != 0 || headerSize > m_file.size())
        throw MetafileError("bad header size");
    header.skip(16);
    const QRectF frame = readRectL(header);
    if (header.u32() != kSignature)
        throw MetafileError("not an enhanced metafile");
    header.skip(4 + 4 + 4);
    const std::uint16_t handles = header.u16();
    header.skip(2 + 4 + 4 + 4);
    const QPointF devicePixels = readPointL(header);
    const QPointF deviceMm = readPointL(header);
    QPointF deviceUm;
    if (headerSize >= 108) {
        header.seek(100);
        deviceUm = readPointL(header);
    }
    const QSizeF pixelsPerMm = devicePixelsPerMm(devicePixels, deviceMm, deviceUm);

    // The frame is in hundredths of a millimetre; the picture shows it at 96
    // pixels per inch, or stretched to the size it is given.
    const QRectF frameMm(frame.topLeft() / 100.0, frame.size() / 100.0);
    const QSizeF natural = frameMm.size() * (kPixelsPerInch / 25.4);
    const bool stretched = m_size && natural.width() != 0 && natural.height() != 0;
    const PictureFit fit = fitPicture(stretched ? *m_size : natural);

    // Reference-device pixels covering the frame are stretched onto the
    // picture. A frame whose device size rounds to the picture's size comes
    // from a device of our resolution: its pixels stay whole pixels.
    const auto scaleFor = [](double devicePixels, int pictureSide) {
        const double magnitude = std::abs(devicePixels);
        const double scale = std::abs(magnitude - double(pictureSide)) <= 1 ? 1.0 : double(pictureSide) / magnitude;
        return std::copysign(scale, devicePixels);
    };
    const double sx = scaleFor(frameMm.width() * pixelsPerMm.width(), fit.size.width());
    const double sy = scaleFor(frameMm.height() * pixelsPerMm.height(), fit.size.height());
    const auto origin = [](double devicePixels, double scale) {
        const double at = -devicePixels * scale;
        return std::abs(scale) == 1.0 ? std::round(at) : at;
    };
    const QTransform deviceToOutput(sx, 0, 0, sy, origin(frameMm.left() * pixelsPerMm.width(), sx),
                                    origin(frameMm.top() * pixelsPerMm.height(), sy));

    QImage image = shownPartImage(fit.size, m_budget);
    QPainter painter(&image);
    m_canvas.emplace(m_budget, pixelsPerMm, deviceToOutput);
    m_canvas->resetObjectTable(handles);
    m_canvas->setPainter(&painter);
    playRecords(headerSize);
    painter.end();
    return LoadedPicture{image, fit.size};
}

// A size that breaks the stream, or a spent limit, fails the file.
void EmfPlayer::playRecords(std::size_t pos)
{
    while (m_file.size() - pos >= 8) {
        ByteReader head = m_file.slice(pos, 8);
        const std::uint32_t type = head.u32();
        const std::uint32_t size = head.u32();
        if (size < 8 || size % 4 != 0 || size > m_file.size() - pos)
            throw MetafileError("bad record size");
        m_budget.takeRecord();
        if (type == EmrEof)
            return;
        ByteReader record = m_file.slice(pos, size);
        record.seek(8);
        playOrSkipDamaged([&] { playRecord(type, record); });
        pos += size;
    }
}

GdiBrush EmfPlayer::brushAt(std::uint32_t index) const
{
    if (index & kStockBit)
        return stockBrush(index & ~kStockBit).value_or(GdiBrush{BrushNull, Qt::black, 0, {}});
    const GdiObject *object = m_canvas->objectAt(index);
    if (const auto *brush = object ? std::get_if<GdiBrush>(object) : nullptr)
        return *brush;
    return GdiBrush{BrushNull, Qt::black, 0, {}};
}

// The bitmap a record holds; a colour table of palette indexes (usage 1)
// comes in the colours they stand for.
DibData EmfPlayer::dibAt(const ByteReader &record, std::uint32_t offInfo, std::uint32_t sizeInfo, std::uint32_t offBits,
                         std::uint32_t sizeBits, std::uint32_t usage) const
{
    ByteReader info = record.slice(offInfo, sizeInfo);
    ByteReader bits = record.slice(offBits, sizeBits);
    QByteArray infoBytes = info.bytes(info.size());
    if (usage == 1)
        infoBytes = withPaletteColors(infoBytes, m_canvas->state().palette);
    return DibData{infoBytes, bits.bytes(bits.size())};
}

// Each family of records has a player of its own; a record that none knows
// is skipped.
void EmfPlayer::playRecord(std::uint32_t type, ByteReader &r)
{
    if (playStateRecord(type, r) || playObjectRecord(type, r) || playClippingRecord(type, r)
        || playDrawingRecord(type, r))
        return;
    switch (type) {
    case EmrBitBlt:
    case EmrStretchBlt:
    case EmrSetDiBitsToDevice:
    case EmrStretchDiBits:
    case EmrAlphaBlend:
    case EmrTransparentBlt: playBitmap(type, r); return;
    case EmrExtTextOutA:
    case EmrExtTextOutW:
    case EmrSmallTextOut: playText(type, r); return;
    default: return;
    }
}

// Mapping, modes, colours, the current position and saved states.
bool EmfPlayer::playStateRecord(std::uint32_t type, ByteReader &r)
{
    MetafileCanvas &canvas = *m_canvas;
    DrawingState &s = canvas.state();
    switch (type) {
    case EmrSetWindowExtEx: {
        const QPointF e = readPointL(r);
        canvas.setWindowExt(QSizeF(e.x(), e.y()));
        break;
    }
    case EmrSetViewportExtEx: {
        const QPointF e = readPointL(r);
        canvas.setViewportExt(QSizeF(e.x(), e.y()));
        break;
    }
    case EmrSetWindowOrgEx: canvas.setWindowOrg(readPointL(r)); break;
    case EmrSetViewportOrgEx: canvas.setViewportOrg(readPointL(r)); break;
    case EmrScaleViewportExtEx:
    case EmrScaleWindowExtEx: {
        const double xNum = r.i32();
        const double xDenom = r.i32();
        const double yNum = r.i32();
        const double yDenom = r.i32();
        if (type == EmrScaleWindowExtEx)
            canvas.scaleWindowExt(xNum, xDenom, yNum, yDenom);
        else
            canvas.scaleViewportExt(xNum, xDenom, yNum, yDenom);
        break;
    }
    case EmrSetMapMode: canvas.setMapMode(r.i32()); break;
    case EmrSetBkMode: s.backgroundMode = r.u32() == BkTransparent ? BkTransparent : BkOpaque; break;
    case EmrSetPolyFillMode: s.windingFill = r.u32() == 2; break;
    case EmrSetRop2: s.rop2 = r.i32(); break;
    case EmrSetTextAlign: s.textAlign = r.u32(); break;
    case EmrSetTextColor: s.textColor = canvas.color(r.u32()); break;
    case EmrSetBkColor: s.backgroundColor = canvas.color(r.u32()); break;
    case EmrSetArcDirection: s.clockwiseArcs = r.u32() == 2; break;
    case EmrMoveToEx: canvas.moveTo(readPointL(r)); break;
    case EmrSaveDc: canvas.saveDc(); break;
    case EmrRestoreDc: {
        const std::int32_t which = r.i32();
        if (which < 0)
            canvas.restoreDc(which);
        break;
    }
    case EmrSetWorldTransform: canvas.setWorldTransform(readXform(r)); break;
    case EmrModifyWorldTransform: {
        const QTransform t = readXform(r);
        canvas.modifyWorldTransform(t, int(r.u32()));
        break;
    }
    default: return false;
    }
    return true;
}

// Objects made, selected and deleted, palettes included.
bool EmfPlayer::playObjectRecord(std::uint32_t type, ByteReader &r)
{
    MetafileCanvas &canvas = *m_canvas;
    switch (type) {
    case EmrSelectObject: {
        const std::uint32_t index = r.u32();
        if (index & kStockBit)
            canvas.selectStockObject(index & ~kStockBit);
        else
            canvas.selectObject(index);
        break;
    }
    case EmrDeleteObject: {
        const std::uint32_t index = r.u32();
        if (!(index & kStockBit))
            canvas.deleteObject(index);
        break;
    }
    case EmrSelectPalette: {
        const std::uint32_t index = r.u32();
        if (!(index & kStockBit))
            canvas.selectPalette(index);
        else if (index == (kStockBit | kDefaultPalette))
            canvas.selectPalette(std::nullopt);
        break;
    }
    case EmrSetPaletteEntries: {
        const std::uint32_t index = r.u32();
        const std::uint32_t start = r.u32();
        canvas.setPaletteEntries(index, start, readPaletteEntries(r, r.u32()));
        break;
    }
    case EmrCreatePen:
    case EmrCreateBrushIndirect:
    case EmrCreatePalette:
    case EmrExtCreateFontIndirectW:
    case EmrCreateMonoBrush:
    case EmrCreateDibPatternBrushPt:
    case EmrExtCreatePen: createObject(type, r); break;
    default: return false;
    }
    return true;
}

// Clip rectangles, regions and paths.
bool EmfPlayer::playClippingRecord(std::uint32_t type, ByteReader &r)
{
    MetafileCanvas &canvas = *m_canvas;
    switch (type) {
    case EmrOffsetClipRgn: canvas.offsetClip(readPointL(r)); break;
    case EmrExcludeClipRect: canvas.excludeClipRect(readRectL(r)); break;
    case EmrIntersectClipRect: canvas.intersectClipRect(readRectL(r)); break;
    case EmrSelectClipPath: canvas.selectClipPath(int(r.u32())); break;
    case EmrExtSelectClipRgn: {
        const std::uint32_t size = r.u32();
        const int mode = int(r.u32());
        if (size == 0)
            canvas.selectClipRegion(std::nullopt, mode);
        else
            canvas.selectClipRegion(readRegionData(r.slice(r.pos(), size), m_budget), mode);
        break;
    }
    default: return false;
    }
    return true;
}

// Lines, shapes, paths, regions and gradients.
bool EmfPlayer::playDrawingRecord(std::uint32_t type, ByteReader &r)
{
    MetafileCanvas &canvas = *m_canvas;
    DrawingState &s = canvas.state();
    switch (type) {
    case EmrPolyBezier:
    case EmrPolygon:
    case EmrPolyline:
    case EmrPolyBezierTo:
    case EmrPolylineTo:
    case EmrPolyPolyline:
    case EmrPolyPolygon:
    case EmrPolyDraw:
    case EmrPolyBezier16:
    case EmrPolygon16:
    case EmrPolyline16:
    case EmrPolyBezierTo16:
    case EmrPolylineTo16:
    case EmrPolyPolyline16:
    case EmrPolyPolygon16:
    case EmrPolyDraw16: playPoly(type, r); break;
    case EmrSetPixelV: {
        const QPointF at = readPointL(r);
        canvas.setPixel(at, canvas.color(r.u32()));
        break;
    }
    case EmrLineTo: canvas.lineTo(readPointL(r)); break;
    case EmrAngleArc: {
        const QPointF center = readPointL(r);
        const double radius = r.u32();
        const double start = r.f32();
        const double sweep = r.f32();
        canvas.angleArc(center, radius, start, sweep);
        break;
    }
    case EmrEllipse: canvas.ellipse(readRectL(r)); break;
    case EmrRectangle: canvas.rectangle(readRectL(r)); break;
    case EmrRoundRect: {
        const QRectF box = readRectL(r);
        const QPointF corner = readPointL(r);
        canvas.roundRect(box, QSizeF(corner.x(), corner.y()));
        break;
    }
    case EmrArc:
    case EmrChord:
    case EmrPie:
    case EmrArcTo: {
        const QRectF box = readRectL(r);
        const QPointF start = readPointL(r);
        const QPointF end = readPointL(r);
        const ArcKind kind = type == EmrArc     ? ArcKind::Arc
                             : type == EmrChord ? ArcKind::Chord
                             : type == EmrPie   ? ArcKind::Pie
                                                : ArcKind::ArcTo;
        canvas.arc(kind, box, start, end);
        break;
    }
    case EmrBeginPath: canvas.beginPath(); break;
    case EmrEndPath: canvas.endPath(); break;
    case EmrCloseFigure: canvas.closeFigure(); break;
    case EmrFillPath: canvas.fillPath(); break;
    case EmrStrokeAndFillPath: canvas.strokeAndFillPath(); break;
    case EmrStrokePath: canvas.strokePath(); break;
    case EmrWidenPath: canvas.widenPath(); break;
    case EmrAbortPath: canvas.abortPath(); break;
    case EmrFillRgn:
    case EmrFrameRgn:
    case EmrInvertRgn:
    case EmrPaintRgn: {
        r.skip(16);
        const std::uint32_t size = r.u32();
        const std::uint32_t brush = type == EmrFillRgn || type == EmrFrameRgn ? r.u32() : 0;
        QSizeF stroke;
        if (type == EmrFrameRgn) {
            const QPointF p = readPointL(r);
            stroke = QSizeF(p.x(), p.y());
        }
        const QPainterPath region = readRegionData(r.slice(r.pos(), size), m_budget);
        if (type == EmrFillRgn)
            canvas.fillRegion(region, brushAt(brush));
        else if (type == EmrFrameRgn)
            canvas.frameRegion(region, brushAt(brush), stroke);
        else if (type == EmrPaintRgn)
            canvas.fillRegion(region, s.brush);
        else
            canvas.invertRegion(region);
        break;
    }
    case EmrGradientFill: {
        r.skip(16);
        const std::uint32_t vertexCount = r.u32();
        const std::uint32_t shapeCount = r.u32();
        const std::uint32_t mode = r.u32();
        if (checkedBytes(vertexCount, 16) > r.remaining())
            throw MetafileError("gradient vertices outside their record");
        m_budget.takePoints(std::uint64_t(vertexCount) + shapeCount);
        QVector<GradientVertex> vertices;
        for (std::uint32_t i = 0; i < vertexCount; ++i) {
            const QPointF p = readPointL(r);
            const int red = r.u16() >> 8;
            const int green = r.u16() >> 8;
            const int blue = r.u16() >> 8;
            r.u16();
            vertices.append(GradientVertex{p, QColor(red, green, blue)});
        }
        const std::uint32_t corners = mode == 2 ? 3 : 2;
        if (mode > 2 || checkedBytes(shapeCount, corners * 4) > r.remaining())
            throw MetafileError("gradient shapes outside their record");
        for (std::uint32_t i = 0; i < shapeCount; ++i) {
            std::uint32_t index[3] = {0, 0, 0};
            for (std::uint32_t c = 0; c < corners; ++c) {
                index[c] = r.u32();
                if (index[c] >= vertexCount)
                    throw MetafileError("gradient vertex index outside the list");
            }
            if (mode == 2)
                canvas.gradientTriangle(vertices[index[0]], vertices[index[1]], vertices[index[2]]);
            else
                canvas.gradientRect(vertices[index[0]], vertices[index[1]], mode == 1);
        }
        break;
    }
    default: return false;
    }
    return true;
}

void EmfPlayer::playPoly(std::uint32_t type, ByteReader &r)
{
    MetafileCanvas &canvas = *m_canvas;
    const bool small = type >= EmrPolyBezier16;
    r.skip(16);
    if (type == EmrPolyPolyline || type == EmrPolyPolygon || type == EmrPolyPolyline16 || type == EmrPolyPolygon16) {
        const std::uint32_t polygons = r.u32();
        const std::uint32_t total = r.u32();
        if (checkedBytes(polygons, 4) + checkedBytes(total, small ? 4 : 8) > r.remaining())
            throw MetafileError("polygons outside their record");
        QVector<std::uint32_t> counts;
        std::uint64_t sum = 0;
        for (std::uint32_t i = 0; i < polygons; ++i) {
            counts.append(r.u32());
            sum += counts.last();
        }
        if (sum != total)
            throw MetafileError("polygon counts do not add up");
        QVector<QPolygonF> list;
        for (std::uint32_t n : counts)
            list.append(readPoints(r, n, small));
        if (type == EmrPolyPolygon || type == EmrPolyPolygon16)
            canvas.polyPolygon(list);
        else
            canvas.polyPolyline(list);
        return;
    }
    const std::uint32_t count = r.u32();
    const QPolygonF points = readPoints(r, count, small);
    switch (type) {
    case EmrPolyBezier:
    case EmrPolyBezier16: canvas.polyBezier(points); break;
    case EmrPolygon:
    case EmrPolygon16: canvas.polygon(points); break;
    case EmrPolyline:
    case EmrPolyline16: canvas.polyline(points); break;
    case EmrPolyBezierTo:
    case EmrPolyBezierTo16: canvas.polyBezierTo(points); break;
    case EmrPolylineTo:
    case EmrPolylineTo16: canvas.polylineTo(points); break;
    case EmrPolyDraw:
    case EmrPolyDraw16: canvas.polyDraw(points, r.bytes(count)); break;
    default: break;
    }
}

void EmfPlayer::createObject(std::uint32_t type, ByteReader &r)
{
    MetafileCanvas &canvas = *m_canvas;
    const std::uint32_t index = r.u32();
    switch (type) {
    case EmrCreatePen: {
        GdiPen pen;
        pen.style = r.u32();
        pen.width = std::abs(double(r.i32()));
        r.i32();
        pen.color = canvas.color(r.u32());
        pen.cosmetic = pen.width == 0;
        canvas.putObject(index, pen);
        return;
    }
    case EmrExtCreatePen: {
        r.skip(16);
        GdiPen pen;
        pen.style = r.u32();
        pen.width = r.u32();
        const std::uint32_t brushStyle = r.u32();
        pen.color = canvas.color(r.u32());
        r.u32();
        const std::uint32_t dashes = r.u32();
        pen.cosmetic = (pen.style & 0xF0000) == 0;
        if (brushStyle == BrushNull)
            pen.style = PenNull;
        if (checkedBytes(dashes, 4) > r.remaining())
            throw MetafileError("pen style outside its record");
        m_budget.takePoints(dashes);
        for (std::uint32_t i = 0; i < dashes; ++i)
            pen.dashes.append(r.u32());
        canvas.putObject(index, pen);
        return;
    }
    case EmrCreateBrushIndirect: {
        GdiBrush brush;
        brush.style = r.u32();
        brush.color = canvas.color(r.u32());
        brush.hatch = r.u32();
        if (brush.style != BrushSolid && brush.style != BrushNull && brush.style != BrushHatched)
            brush.style = BrushSolid;
        canvas.putObject(index, brush);
        return;
    }
    case EmrCreateMonoBrush:
    case EmrCreateDibPatternBrushPt: {
        const std::uint32_t usage = r.u32();
        const std::uint32_t offInfo = r.u32();
        const std::uint32_t sizeInfo = r.u32();
        const std::uint32_t offBits = r.u32();
        const std::uint32_t sizeBits = r.u32();
        GdiBrush brush;
        brush.style = BrushDibPatternPt;
        const DibData dib = dibAt(r, offInfo, sizeInfo, offBits, sizeBits, usage);
        brush.monochrome = type == EmrCreateMonoBrush;
        brush.pattern =
            brush.monochrome ? decodeMonochromeDib(dib, m_budget.limits()) : decodeDib(dib, m_budget.limits());
        if (brush.pattern.isNull())
            brush = GdiBrush{BrushSolid, Qt::gray, 0, {}};
        canvas.putObject(index, brush);
        return;
    }
    case EmrExtCreateFontIndirectW: {
        GdiFont font;
        font.height = r.i32();
        font.width = r.i32();
        font.escapement = r.i32() % 3600;
        r.i32();
        font.weight = r.i32();
        font.italic = r.u8();
        font.underline = r.u8();
        font.strikeOut = r.u8();
        font.charset = r.u8();
        r.skip(4);
        QString face;
        for (int i = 0; i < 32; ++i) {
            const char16_t c = r.u16();
            if (c == 0)
                break;
            face.append(QChar(c));
        }
        font.face = face;
        canvas.putObject(index, font);
        return;
    }
    case EmrCreatePalette: {
        r.u16();
        canvas.putObject(index, GdiPalette{readPaletteEntries(r, r.u16())});
        return;
    }
    default: canvas.putObject(index, GdiPlaceholder{}); return;
    }
}

void EmfPlayer::playText(std::uint32_t type, ByteReader &r)
{
    MetafileCanvas &canvas = *m_canvas;
    if (type == EmrSmallTextOut) {
        const QPointF at = readPointL(r);
        const std::uint32_t count = r.u32();
        const std::uint32_t options = r.u32();
        r.skip(12);
        std::optional<QRectF> rect;
        if (!(options & 0x100))
            rect = readRectL(r);
        QString text;
        if (options & 0x200) {
            text = decodeAnsi(r.bytes(count), canvas.state().font.charset);
        } else {
            if (checkedBytes(count, 2) > r.remaining())
                throw MetafileError("text outside its record");
            for (std::uint32_t i = 0; i < count; ++i)
                text.append(QChar(char16_t(r.u16())));
        }
        if (options & kGlyphIndexes)
            text = textOfGlyphs(text);
        canvas.textOut(at, text, options & 0x6, rect, {});
        return;
    }
    r.skip(16 + 12);
    const QPointF at = readPointL(r);
    const std::uint32_t count = r.u32();
    const std::uint32_t offString = r.u32();
    const std::uint32_t options = r.u32();
    const QRectF rect = readRectL(r);
    const std::uint32_t offDx = r.u32();

    const bool wide = type == EmrExtTextOutW;
    ByteReader chars = r.slice(offString, checkedBytes(count, wide ? 2 : 1));
    QString text;
    if (wide) {
        for (std::uint32_t i = 0; i < count; ++i)
            text.append(QChar(char16_t(chars.u16())));
    } else {
        text = decodeAnsi(chars.bytes(count), canvas.state().font.charset);
    }
    // Glyph indexes are drawn where the font shows which characters they
    // are; elsewhere the run is left out and only its box shows.
    if (options & kGlyphIndexes)
        text = textOfGlyphs(text);
    // With ETO_PDY each character has an x and a y advance.
    QVector<QPointF> dx;
    if (offDx != 0) {
        const bool pairs = options & 0x2000;
        ByteReader advances = r.slice(offDx, checkedBytes(count, pairs ? 8 : 4));
        for (std::uint32_t i = 0; i < count; ++i) {
            const double x = advances.i32();
            dx.append(QPointF(x, pairs ? advances.i32() : 0));
        }
    }
    const bool hasRect = (options & 0x6) && !rect.isEmpty();
    canvas.textOut(at, text, options & 0x6, hasRect ? std::optional<QRectF>(rect) : std::nullopt, dx);
}

// A run of glyph indexes, read as 16-bit codes, as the characters they
// show; empty where they cannot be told.
QString EmfPlayer::textOfGlyphs(const QString &glyphs) const
{
    QVector<std::uint16_t> indexes;
    for (const QChar c : glyphs)
        indexes.append(c.unicode());
    return m_canvas->textOfGlyphs(indexes).value_or(QString());
}

void EmfPlayer::playBitmap(std::uint32_t type, ByteReader &r)
{
    MetafileCanvas &canvas = *m_canvas;
    const PlayLimits &limits = m_budget.limits();
    r.skip(16);
    if (type == EmrStretchDiBits || type == EmrSetDiBitsToDevice) {
        const QPointF dest = readPointL(r);
        const QPointF src = readPointL(r);
        const QPointF srcSize = readPointL(r);
        const std::uint32_t offInfo = r.u32();
        const std::uint32_t sizeInfo = r.u32();
        const std::uint32_t offBits = r.u32();
        const std::uint32_t sizeBits = r.u32();
        const std::uint32_t usage = r.u32();
        std::uint32_t rop = 0x00CC0020;
        QPointF destSize = srcSize;
        if (type == EmrStretchDiBits) {
            rop = r.u32();
            destSize = readPointL(r);
        }
        if (sizeInfo == 0) {
            canvas.patBlt(QRectF(dest, QSizeF(destSize.x(), destSize.y())), rop);
            return;
        }
        const DibData dib = dibAt(r, offInfo, sizeInfo, offBits, sizeBits, usage);
        const QImage image = decodeDib(dib, limits);
        double y = src.y();
        if (isBottomUp(dib))
            y = image.height() - y - srcSize.y();
        canvas.drawImage(QRectF(dest, QSizeF(destSize.x(), destSize.y())), image,
                         QRectF(src.x(), y, srcSize.x(), srcSize.y()), rop);
        return;
    }

    const QPointF destAt = readPointL(r);
    const QPointF destSize = readPointL(r);
    const QRectF dest(destAt, QSizeF(destSize.x(), destSize.y()));
    const std::uint32_t rop = r.u32();
    const QPointF src = readPointL(r);
    r.skip(24 + 4);
    const std::uint32_t usage = r.u32();
    const std::uint32_t offInfo = r.u32();
    const std::uint32_t sizeInfo = r.u32();
    const std::uint32_t offBits = r.u32();
    const std::uint32_t sizeBits = r.u32();
    QSizeF srcSize = dest.size();
    if (type != EmrBitBlt) {
        const QPointF size = readPointL(r);
        srcSize = QSizeF(size.x(), size.y());
    }
    if (sizeInfo == 0) {
        canvas.patBlt(dest, rop);
        return;
    }
    const DibData dib = dibAt(r, offInfo, sizeInfo, offBits, sizeBits, usage);
    const QRectF source(src, srcSize);
    switch (type) {
    case EmrAlphaBlend: {
        const bool perPixel = (rop >> 24) & 0x01;
        const QImage image = decodeDib(dib, limits, perPixel);
        canvas.alphaBlend(dest, image, source, int((rop >> 16) & 0xFF));
        return;
    }
    case EmrTransparentBlt: canvas.transparentBlt(dest, decodeDib(dib, limits), source, colorFromRef(rop)); return;
    default: canvas.drawImage(dest, decodeDib(dib, limits), source, rop); return;
    }
}

} // namespace

LoadedPicture playEmf(const QByteArray &data, PlayBudget &budget, const std::optional<QSizeF> &size)
{
    return EmfPlayer(data, budget, size).play();
}

} // namespace platform::metafile
