#include "platform/metafile/WmfPlayer.h"

#include "platform/ByteReader.h"
#include "platform/metafile/AnsiText.h"
#include "platform/metafile/DibDecoder.h"
#include "platform/metafile/EmfPlayer.h"
#include "platform/metafile/MetafileCanvas.h"
#include "platform/metafile/PictureSize.h"
#include "platform/metafile/RecordDamage.h"
#include "platform/metafile/SymbolFonts.h"

#include <QPainter>
#include <QRegion>

#include <cmath>

namespace platform::metafile {

namespace {

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::size_t kPlaceableSize = 22;
constexpr std::size_t kHeaderSize = 18;
constexpr double kPixelsPerInch = 96;
constexpr double kHundredthsOfMmPerInch = 2540;

enum Function : std::uint16_t {
    MetaEof = 0x0000,
    MetaSaveDc = 0x001E,
    MetaRealizePalette = 0x0035,
    MetaSetPalEntries = 0x0037,
    MetaCreatePalette = 0x00F7,
    MetaSetBkMode = 0x0102,
    MetaSetMapMode = 0x0103,
    MetaSetRop2 = 0x0104,
    MetaSetPolyFillMode = 0x0106,
    MetaRestoreDc = 0x0127,
    MetaInvertRegion = 0x012A,
    MetaPaintRegion = 0x012B,
    MetaSelectClipRegion = 0x012C,
    MetaSelectObject = 0x012D,
    MetaSetTextAlign = 0x012E,
    MetaDibCreatePatternBrush = 0x0142,
    MetaDeleteObject = 0x01F0,
    MetaCreatePatternBrush = 0x01F9,
    MetaSetBkColor = 0x0201,
    MetaSetTextColor = 0x0209,
    MetaSetWindowOrg = 0x020B,
    MetaSetWindowExt = 0x020C,
    MetaSetViewportOrg = 0x020D,
    MetaSetViewportExt = 0x020E,
    MetaOffsetWindowOrg = 0x020F,
    MetaOffsetViewportOrg = 0x0211,
    MetaLineTo = 0x0213,
    MetaMoveTo = 0x0214,
    MetaOffsetClipRgn = 0x0220,
    MetaFillRegion = 0x0228,
    MetaSelectPalette = 0x0234,
    MetaCreatePenIndirect = 0x02FA,
    MetaCreateFontIndirect = 0x02FB,
    MetaCreateBrushIndirect = 0x02FC,
    MetaPolygon = 0x0324,
    MetaPolyline = 0x0325,
    MetaScaleWindowExt = 0x0410,
    MetaScaleViewportExt = 0x0412,
    MetaExcludeClipRect = 0x0415,
    MetaIntersectClipRect = 0x0416,
    MetaEllipse = 0x0418,
    MetaRectangle = 0x041B,
    MetaSetPixel = 0x041F,
    MetaFrameRegion = 0x0429,
    MetaTextOut = 0x0521,
    MetaPolyPolygon = 0x0538,
    MetaRoundRect = 0x061C,
    MetaPatBlt = 0x061D,
    MetaEscape = 0x0626,
    MetaCreateRegion = 0x06FF,
    MetaArc = 0x0817,
    MetaPie = 0x081A,
    MetaChord = 0x0830,
    MetaDibBitBlt = 0x0940,
    MetaExtTextOut = 0x0A32,
    MetaDibStretchBlt = 0x0B41,
    MetaSetDibToDev = 0x0D33,
    MetaStretchDib = 0x0F43,
};

QPointF readPoint(ByteReader &r)
{
    const double x = r.i16();
    const double y = r.i16();
    return QPointF(x, y);
}

// Most records list their coordinates last argument first.
QPointF readPointYX(ByteReader &r)
{
    const double y = r.i16();
    const double x = r.i16();
    return QPointF(x, y);
}

// A scaling record's factors, stored y denominator first.
struct ExtentScale
{
    double xNum, xDenom, yNum, yDenom;
};

ExtentScale readExtentScale(ByteReader &r)
{
    ExtentScale scale{};
    scale.yDenom = r.i16();
    scale.yNum = r.i16();
    scale.xDenom = r.i16();
    scale.xNum = r.i16();
    return scale;
}

QRectF readRectBRTL(ByteReader &r)
{
    const double bottom = r.i16();
    const double right = r.i16();
    const double top = r.i16();
    const double left = r.i16();
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

QPolygonF readPoints(ByteReader &r, std::uint64_t count)
{
    if (checkedBytes(count, 4) > r.remaining())
        throw DataCutShort("points outside their record");
    QPolygonF points;
    points.reserve(qsizetype(count));
    for (std::uint64_t i = 0; i < count; ++i)
        points.append(readPoint(r));
    return points;
}

QPainterPath readRegion(ByteReader &r, PlayBudget &budget)
{
    r.skip(2 + 2 + 4 + 2);
    const std::uint16_t scanCount = r.u16();
    r.skip(2 + 8);
    QRegion region;
    for (std::uint16_t s = 0; s < scanCount; ++s) {
        const std::uint16_t count = r.u16();
        const double top = r.i16();
        const double bottom = r.i16();
        budget.takePoints(count);
        for (std::uint16_t i = 0; i + 1 < count; i += 2) {
            const int left = r.i16();
            const int right = r.i16();
            region += QRect(QPoint(left, int(top)), QPoint(right - 1, int(bottom) - 1));
        }
        if (count % 2)
            r.skip(2);
        r.skip(2);
    }
    QPainterPath path;
    path.addRegion(region);
    return path;
}

// Text bytes in the font's page; a symbol font's bytes are its own codes.
QString textOf(const QByteArray &bytes, const GdiFont &font)
{
    return decodeAnsi(bytes, SymbolFont::named(font.face) ? 0 : font.charset);
}

constexpr std::uint16_t kDibPalColors = 1;
constexpr std::uint16_t kTextPdy = 0x2000;

// The rest of a record as a packed bitmap, its colour table in colours
// whatever the usage; none when its header does not fit the record, which
// then draws nothing.
std::optional<DibData> packedDib(ByteReader &r, std::uint16_t usage, const QVector<QColor> &palette)
{
    const QByteArray packed = r.bytes(r.remaining());
    return splitPackedDib(usage == kDibPalColors ? withPaletteColors(packed, palette) : packed);
}

class WmfPlayer
{
public:
    WmfPlayer(const QByteArray &data, PlayBudget &budget)
        : m_file(data),
          m_budget(budget)
    {}

    LoadedPicture play();

private:
    std::optional<QByteArray> embeddedEmf() const;
    std::optional<QRectF> recordedFrame(std::uint16_t originFunction, std::uint16_t extentFunction) const;
    QRectF drawnFrame();
    void setUpMapping(MetafileCanvas &canvas);
    void playRecords(MetafileCanvas &canvas);
    void playRecord(MetafileCanvas &canvas, std::uint16_t function, ByteReader &r, std::uint32_t recordWords);
    bool playStateRecord(MetafileCanvas &canvas, std::uint16_t function, ByteReader &r);
    bool playObjectRecord(MetafileCanvas &canvas, std::uint16_t function, ByteReader &r);
    bool playClippingRecord(MetafileCanvas &canvas, std::uint16_t function, ByteReader &r);
    bool playDrawingRecord(MetafileCanvas &canvas, std::uint16_t function, ByteReader &r);
    void playMapping(MetafileCanvas &canvas, std::uint16_t function, ByteReader &r);
    void playBitmap(MetafileCanvas &canvas, std::uint16_t function, ByteReader &r, std::uint32_t recordWords);
    void playText(MetafileCanvas &canvas, std::uint16_t function, ByteReader &r);
    void createObject(MetafileCanvas &canvas, std::uint16_t function, ByteReader &r);
    GdiObject readObject(const MetafileCanvas &canvas, std::uint16_t function, ByteReader &r) const;
    GdiBrush brushAt(MetafileCanvas &canvas, std::uint16_t index) const;
    QPainterPath regionAt(MetafileCanvas &canvas, std::uint16_t index) const;

    ByteReader m_file;
    PlayBudget &m_budget;
    std::size_t m_recordsStart = 0;
    std::uint16_t m_objectCount = 0;
    // The logical box that fills the picture: the placeable header's, or
    // the records' first window without that header.
    std::optional<QRectF> m_box;
    // Device units are the placeable header's logical units, whose viewport
    // records are in hundredths of a millimetre; without that header they
    // are pixels, as are the viewport records.
    double m_deviceUnitsPerInch = kPixelsPerInch;
    double m_devicePerRecorded = 1;
    bool m_windowIsFrame = false;
    bool m_viewportExtSet = false;
};

LoadedPicture WmfPlayer::play()
{
    std::size_t start = 0;
    const bool placeable = m_file.size() >= 4 && m_file.slice(0, 4).u32() == kPlaceableKey;
    if (placeable) {
        ByteReader header = m_file.slice(0, kPlaceableSize);
        std::uint16_t checksum = 0;
        for (int i = 0; i < 10; ++i)
            checksum ^= header.u16();
        if (header.u16() != checksum)
            throw MetafileError("placeable header checksum");
        header.seek(6);
        const double left = header.i16();
        const double top = header.i16();
        const double right = header.i16();
        const double bottom = header.i16();
        m_deviceUnitsPerInch = header.u16();
        if (m_deviceUnitsPerInch == 0)
            throw MetafileError("placeable header without units");
        m_devicePerRecorded = m_deviceUnitsPerInch / kHundredthsOfMmPerInch;
        m_box = QRectF(QPointF(left, top), QPointF(right, bottom));
        start = kPlaceableSize;
    }

    ByteReader header = m_file.slice(start, kHeaderSize);
    const std::uint16_t type = header.u16();
    const std::uint16_t headerWords = header.u16();
    if ((type != 1 && type != 2) || headerWords != kHeaderSize / 2)
        throw MetafileError("not a Windows metafile");
    header.skip(2 + 4);
    m_objectCount = header.u16();
    m_recordsStart = start + kHeaderSize;

    // A recorder that keeps the enhanced original in comments means it to be
    // drawn in place of the records, filling the placeable header's box; a
    // broken original leaves them to draw.
    if (const std::optional<QByteArray> emf = embeddedEmf()) {
        std::optional<QSizeF> size;
        if (m_box)
            size = QSizeF(std::abs(m_box->width()), std::abs(m_box->height())) * (kPixelsPerInch / m_deviceUnitsPerInch);
        try {
            return playEmf(*emf, m_budget, size);
        } catch (const LimitError &) {
            throw;
        } catch (const MetafileError &) {
        } catch (const DataCutShort &) {
        }
    }

    // Without a placeable header a logical unit is a pixel, and the picture
    // is the records' first window, else their first viewport, else the
    // extent of what they draw.
    QRectF deviceFrame;
    if (!placeable) {
        m_box = recordedFrame(MetaSetWindowOrg, MetaSetWindowExt);
        m_windowIsFrame = m_box.has_value();
        if (!m_box) {
            const std::optional<QRectF> viewport = recordedFrame(MetaSetViewportOrg, MetaSetViewportExt);
            deviceFrame = viewport ? viewport->normalized() : drawnFrame();
        }
    }
    if (m_box)
        deviceFrame = QRectF(QPointF(0, 0), QSizeF(std::abs(m_box->width()), std::abs(m_box->height())));

    const double outputPerDevice = kPixelsPerInch / m_deviceUnitsPerInch;
    const PictureFit fit =
        placeable ? fitPicture(deviceFrame.size() * outputPerDevice) : fitUnplacedPicture(deviceFrame.size());
    const double scale = outputPerDevice * fit.scale;
    const QTransform deviceToOutput =
        QTransform::fromTranslate(-deviceFrame.left(), -deviceFrame.top()) * QTransform::fromScale(scale, scale);
    QImage image = shownPartImage(fit.size, m_budget);
    QPainter painter(&image);
    MetafileCanvas canvas(m_budget, m_deviceUnitsPerInch / 25.4, deviceToOutput);
    setUpMapping(canvas);
    canvas.setPainter(&painter);
    playRecords(canvas);
    painter.end();
    return LoadedPicture{image, fit.size};
}

// The enhanced metafile that comment records carry in chunks, as one
// unbroken run of records; none when a chunk is missing, out of order or
// does not add up, or the data is not the size its own header gives.
std::optional<QByteArray> WmfPlayer::embeddedEmf() const
{
    constexpr std::uint16_t kComment = 0x000F;
    constexpr std::uint32_t kCommentKey = 0x43464D57;
    constexpr std::uint32_t kEmfComment = 1;
    constexpr std::uint32_t kCommentVersion = 0x00010000;
    constexpr std::size_t kChunkHeader = 34;
    constexpr std::size_t kEmfMinHeader = 88;

    QByteArray emf;
    std::uint32_t chunks = 0;
    std::uint32_t chunkCount = 0;
    std::uint32_t total = 0;
    std::uint32_t remaining = 0;
    std::size_t pos = m_recordsStart;
    while (m_file.size() - pos >= 6) {
        ByteReader head = m_file.slice(pos, 6);
        const std::uint64_t bytes = std::uint64_t(head.u32()) * 2;
        const std::uint16_t function = head.u16();
        if (bytes < 6 || bytes > m_file.size() - pos || function == MetaEof)
            return std::nullopt;
        ByteReader params = m_file.slice(pos + 6, bytes - 6);
        pos += std::size_t(bytes);
        std::uint16_t commentBytes = 0;
        if (function == MetaEscape && params.remaining() >= 4 + kChunkHeader && params.u16() == kComment) {
            commentBytes = params.u16();
            if (commentBytes < kChunkHeader || commentBytes > params.remaining() || params.u32() != kCommentKey)
                commentBytes = 0;
        }
        if (commentBytes == 0) {
            if (chunks > 0)
                return std::nullopt;
            continue;
        }
        if (params.u32() != kEmfComment || params.u32() != kCommentVersion)
            return std::nullopt;
        params.u16(); // checksum: recorders fill it in differently
        if (params.u32() != 0)
            return std::nullopt;
        const std::uint32_t count = params.u32();
        const std::uint32_t size = params.u32();
        const std::uint32_t left = params.u32();
        const std::uint32_t whole = params.u32();
        if (chunks == 0) {
            if (count == 0 || whole < kEmfMinHeader || whole > m_file.size() || std::uint64_t(size) + left != whole)
                return std::nullopt;
            chunkCount = count;
            total = remaining = whole;
            emf.reserve(qsizetype(whole));
        }
        if (count != chunkCount || whole != total || size == 0 || size > remaining || left != remaining - size
            || size > commentBytes - kChunkHeader)
            return std::nullopt;
        emf.append(params.bytes(size));
        remaining = left;
        if (++chunks == chunkCount)
            break;
    }
    if (chunks == 0 || chunks != chunkCount || remaining != 0)
        return std::nullopt;
    ByteReader header = ByteReader(emf).slice(0, kEmfMinHeader);
    const std::uint32_t type = header.u32();
    header.seek(48);
    if (type != 1 || header.u32() != total)
        return std::nullopt;
    return emf;
}

// The box that the first records of a kind set, from its origin (0, 0 when
// none is set) and extent; none without an extent.
std::optional<QRectF> WmfPlayer::recordedFrame(std::uint16_t originFunction, std::uint16_t extentFunction) const
{
    std::optional<QPointF> origin;
    std::optional<QPointF> extent;
    std::size_t pos = m_recordsStart;
    while (m_file.size() - pos >= 6 && !(origin && extent)) {
        ByteReader head = m_file.slice(pos, 6);
        const std::uint64_t bytes = std::uint64_t(head.u32()) * 2;
        const std::uint16_t function = head.u16();
        if (bytes < 6 || bytes > m_file.size() - pos || function == MetaEof)
            break;
        if ((function == originFunction && !origin) || (function == extentFunction && !extent)) {
            ByteReader params = m_file.slice(pos + 6, bytes - 6);
            if (params.remaining() >= 4)
                (function == originFunction ? origin : extent) = readPointYX(params);
        }
        pos += std::size_t(bytes);
    }
    if (!extent || extent->x() == 0 || extent->y() == 0)
        return std::nullopt;
    const QPointF at = origin.value_or(QPointF(0, 0));
    return QRectF(at, QSizeF(extent->x(), extent->y()));
}

// The whole pixels that the records draw on, measured by playing them.
QRectF WmfPlayer::drawnFrame()
{
    MetafileCanvas measure(m_budget, m_deviceUnitsPerInch / 25.4, QTransform());
    setUpMapping(measure);
    playRecords(measure);
    const QRectF drawn = measure.drawnBounds();
    const QPointF topLeft(std::floor(drawn.left()), std::floor(drawn.top()));
    return QRectF(topLeft, QPointF(std::ceil(drawn.right()), std::ceil(drawn.bottom())));
}

// The frame's box fills the picture; the records' later windows map into it.
void WmfPlayer::setUpMapping(MetafileCanvas &canvas)
{
    m_viewportExtSet = false;
    if (!m_box)
        return;
    canvas.setMapMode(MapAnisotropic);
    canvas.setWindowOrg(m_box->topLeft());
    canvas.setWindowExt(m_box->size());
    canvas.setViewportExt(QSizeF(std::abs(m_box->width()), std::abs(m_box->height())));
}

void WmfPlayer::playRecords(MetafileCanvas &canvas)
{
    canvas.resetObjectTable(m_objectCount);
    std::size_t pos = m_recordsStart;
    while (m_file.size() - pos >= 6) {
        ByteReader head = m_file.slice(pos, 6);
        const std::uint32_t words = head.u32();
        const std::uint16_t function = head.u16();
        if (words < 3)
            throw MetafileError("record too short");
        const std::uint64_t bytes = std::uint64_t(words) * 2;
        if (bytes > m_file.size() - pos)
            throw MetafileError("record outside the file");
        m_budget.takeRecord();
        if (function == MetaEof)
            return;
        ByteReader params = m_file.slice(pos + 6, bytes - 6);
        playOrSkipDamaged([&] { playRecord(canvas, function, params, words); });
        pos += std::size_t(bytes);
    }
}

GdiBrush WmfPlayer::brushAt(MetafileCanvas &canvas, std::uint16_t index) const
{
    const GdiObject *object = canvas.objectAt(index);
    if (const auto *brush = object ? std::get_if<GdiBrush>(object) : nullptr)
        return *brush;
    return GdiBrush{BrushNull, Qt::black, 0, {}};
}

QPainterPath WmfPlayer::regionAt(MetafileCanvas &canvas, std::uint16_t index) const
{
    const GdiObject *object = canvas.objectAt(index);
    if (const auto *region = object ? std::get_if<GdiRegion>(object) : nullptr)
        return region->area;
    return {};
}

// Each family of records has a player of its own; a record that none knows
// is skipped.
void WmfPlayer::playRecord(MetafileCanvas &canvas, std::uint16_t function, ByteReader &r, std::uint32_t recordWords)
{
    if (playStateRecord(canvas, function, r) || playObjectRecord(canvas, function, r)
        || playClippingRecord(canvas, function, r) || playDrawingRecord(canvas, function, r))
        return;
    switch (function) {
    case MetaTextOut:
    case MetaExtTextOut: playText(canvas, function, r); return;
    case MetaDibBitBlt:
    case MetaDibStretchBlt:
    case MetaStretchDib:
    case MetaSetDibToDev: playBitmap(canvas, function, r, recordWords); return;
    default: return;
    }
}

// Mapping, modes, colours, the current position and saved states.
bool WmfPlayer::playStateRecord(MetafileCanvas &canvas, std::uint16_t function, ByteReader &r)
{
    DrawingState &s = canvas.state();
    switch (function) {
    case MetaSaveDc: canvas.saveDc(); break;
    case MetaRestoreDc: canvas.restoreDc(r.i16()); break;
    case MetaSetBkMode: s.backgroundMode = r.u16() == BkTransparent ? BkTransparent : BkOpaque; break;
    case MetaSetMapMode: canvas.setMapMode(r.u16()); break;
    case MetaSetRop2: s.rop2 = r.u16(); break;
    case MetaSetPolyFillMode: s.windingFill = r.u16() == 2; break;
    case MetaSetTextAlign: s.textAlign = r.u16(); break;
    case MetaSetBkColor: s.backgroundColor = canvas.color(r.u32()); break;
    case MetaSetTextColor: s.textColor = canvas.color(r.u32()); break;
    case MetaSetWindowOrg:
    case MetaSetWindowExt:
    case MetaSetViewportOrg:
    case MetaSetViewportExt:
    case MetaOffsetWindowOrg:
    case MetaOffsetViewportOrg:
    case MetaScaleWindowExt:
    case MetaScaleViewportExt: playMapping(canvas, function, r); break;
    case MetaMoveTo: canvas.moveTo(readPointYX(r)); break;
    default: return false;
    }
    return true;
}

// Objects made, selected and deleted, palettes and clip regions included.
bool WmfPlayer::playObjectRecord(MetafileCanvas &canvas, std::uint16_t function, ByteReader &r)
{
    DrawingState &s = canvas.state();
    switch (function) {
    case MetaSelectClipRegion:
    case MetaSelectObject: canvas.selectObject(r.u16()); break;
    case MetaSelectPalette: canvas.selectPalette(r.u16()); break;
    case MetaSetPalEntries: {
        const std::uint16_t start = r.u16();
        const QVector<QColor> colors = readPaletteEntries(r, r.u16());
        if (s.paletteObject)
            canvas.setPaletteEntries(*s.paletteObject, start, colors);
        break;
    }
    case MetaDeleteObject: canvas.deleteObject(r.u16()); break;
    case MetaCreatePenIndirect:
    case MetaCreateBrushIndirect:
    case MetaCreateFontIndirect:
    case MetaCreateRegion:
    case MetaCreatePalette:
    case MetaCreatePatternBrush:
    case MetaDibCreatePatternBrush: createObject(canvas, function, r); break;
    default: return false;
    }
    return true;
}

// Clip rectangles and their offset.
bool WmfPlayer::playClippingRecord(MetafileCanvas &canvas, std::uint16_t function, ByteReader &r)
{
    switch (function) {
    case MetaExcludeClipRect: canvas.excludeClipRect(readRectBRTL(r)); break;
    case MetaIntersectClipRect: canvas.intersectClipRect(readRectBRTL(r)); break;
    case MetaOffsetClipRgn: canvas.offsetClip(readPointYX(r)); break;
    default: return false;
    }
    return true;
}

// Lines, shapes, regions and pattern blits.
bool WmfPlayer::playDrawingRecord(MetafileCanvas &canvas, std::uint16_t function, ByteReader &r)
{
    DrawingState &s = canvas.state();
    switch (function) {
    case MetaLineTo: canvas.lineTo(readPointYX(r)); break;
    case MetaRectangle: canvas.rectangle(readRectBRTL(r)); break;
    case MetaEllipse: canvas.ellipse(readRectBRTL(r)); break;
    case MetaRoundRect: {
        const QPointF corner = readPointYX(r);
        canvas.roundRect(readRectBRTL(r), QSizeF(corner.x(), corner.y()));
        break;
    }
    case MetaArc:
    case MetaPie:
    case MetaChord: {
        const QPointF end = readPointYX(r);
        const QPointF start = readPointYX(r);
        const QRectF box = readRectBRTL(r);
        const ArcKind kind = function == MetaArc ? ArcKind::Arc : function == MetaPie ? ArcKind::Pie : ArcKind::Chord;
        canvas.arc(kind, box, start, end);
        break;
    }
    case MetaSetPixel: {
        const QColor color = canvas.color(r.u32());
        canvas.setPixel(readPointYX(r), color);
        break;
    }
    case MetaPatBlt: {
        const std::uint32_t rop = r.u32();
        const QPointF size = readPointYX(r);
        const QPointF at = readPointYX(r);
        canvas.patBlt(QRectF(at, QSizeF(size.x(), size.y())), rop);
        break;
    }
    case MetaPolygon:
    case MetaPolyline: {
        const QPolygonF points = readPoints(r, r.u16());
        if (function == MetaPolygon)
            canvas.polygon(points);
        else
            canvas.polyline(points);
        break;
    }
    case MetaPolyPolygon: {
        const std::uint16_t count = r.u16();
        if (checkedBytes(count, 2) > r.remaining())
            throw DataCutShort("polygon counts outside their record");
        QVector<std::uint16_t> sizes;
        for (std::uint16_t i = 0; i < count; ++i)
            sizes.append(r.u16());
        QVector<QPolygonF> polygons;
        for (std::uint16_t n : sizes)
            polygons.append(readPoints(r, n));
        canvas.polyPolygon(polygons);
        break;
    }
    case MetaFillRegion: {
        const std::uint16_t region = r.u16();
        const std::uint16_t brush = r.u16();
        canvas.fillRegion(regionAt(canvas, region), brushAt(canvas, brush));
        break;
    }
    case MetaFrameRegion: {
        const std::uint16_t region = r.u16();
        const std::uint16_t brush = r.u16();
        const QPointF stroke = readPointYX(r);
        canvas.frameRegion(regionAt(canvas, region), brushAt(canvas, brush), QSizeF(stroke.x(), stroke.y()));
        break;
    }
    case MetaPaintRegion: canvas.fillRegion(regionAt(canvas, r.u16()), s.brush); break;
    case MetaInvertRegion: canvas.invertRegion(regionAt(canvas, r.u16())); break;
    default: return false;
    }
    return true;
}

void WmfPlayer::playMapping(MetafileCanvas &canvas, std::uint16_t function, ByteReader &r)
{
    const DrawingState &s = canvas.state();
    // A window that is the frame fills the picture whatever the viewport says.
    const bool viewportRecord = function == MetaSetViewportOrg || function == MetaOffsetViewportOrg
                                || function == MetaSetViewportExt || function == MetaScaleViewportExt;
    if (m_windowIsFrame && viewportRecord)
        return;
    switch (function) {
    case MetaSetWindowOrg: canvas.setWindowOrg(readPointYX(r)); return;
    case MetaOffsetWindowOrg: canvas.offsetWindowOrg(readPointYX(r)); return;
    case MetaSetViewportOrg: canvas.setViewportOrg(readPointYX(r) * m_devicePerRecorded); return;
    case MetaOffsetViewportOrg: canvas.offsetViewportOrg(readPointYX(r) * m_devicePerRecorded); return;
    case MetaSetViewportExt: {
        const QPointF e = readPointYX(r) * m_devicePerRecorded;
        canvas.setViewportExt(QSizeF(e.x(), e.y()));
        m_viewportExtSet = true;
        return;
    }
    case MetaScaleViewportExt: {
        const ExtentScale f = readExtentScale(r);
        canvas.scaleViewportExt(f.xNum, f.xDenom, f.yNum, f.yDenom);
        m_viewportExtSet = true;
        return;
    }
    case MetaSetWindowExt: {
        const QPointF e = readPointYX(r);
        canvas.setWindowExt(QSizeF(e.x(), e.y()));
        break;
    }
    case MetaScaleWindowExt: {
        const ExtentScale f = readExtentScale(r);
        canvas.scaleWindowExt(f.xNum, f.xDenom, f.yNum, f.yDenom);
        break;
    }
    default: return;
    }
    // Without a placeable header nothing sizes the viewport but the records;
    // until they do, a window unit is a pixel whatever the window's extent.
    if (!m_box && !m_viewportExtSet)
        canvas.setViewportExt(QSizeF(std::abs(s.windowExt.width()), std::abs(s.windowExt.height())));
}

void WmfPlayer::createObject(MetafileCanvas &canvas, std::uint16_t function, ByteReader &r)
{
    GdiObject object;
    try {
        object = readObject(canvas, function, r);
    } catch (const DataCutShort &) {
        // A damaged object still takes its slot, so later indexes keep theirs.
        canvas.addObject(GdiPlaceholder{});
        throw;
    }
    canvas.addObject(std::move(object));
}

GdiObject WmfPlayer::readObject(const MetafileCanvas &canvas, std::uint16_t function, ByteReader &r) const
{
    switch (function) {
    case MetaCreatePenIndirect: {
        GdiPen pen;
        pen.style = r.u16();
        pen.width = std::abs(r.i16());
        r.i16();
        pen.color = canvas.color(r.u32());
        pen.cosmetic = pen.width == 0;
        return pen;
    }
    case MetaCreateBrushIndirect: {
        GdiBrush brush;
        brush.style = r.u16();
        brush.color = canvas.color(r.u32());
        brush.hatch = r.u16();
        if (brush.style != BrushSolid && brush.style != BrushNull && brush.style != BrushHatched)
            brush.style = BrushSolid;
        return brush;
    }
    case MetaCreateFontIndirect: {
        GdiFont font;
        font.height = r.i16();
        font.width = r.i16();
        font.escapement = r.i16();
        r.i16();
        font.weight = r.i16();
        font.italic = r.u8();
        font.underline = r.u8();
        font.strikeOut = r.u8();
        font.charset = r.u8();
        r.skip(4);
        QByteArray face = r.bytes(std::min<std::size_t>(32, r.remaining()));
        face.truncate(face.indexOf('\0') < 0 ? face.size() : face.indexOf('\0'));
        font.face = decodeAnsi(face, font.charset);
        return font;
    }
    case MetaCreateRegion: return GdiRegion{readRegion(r, m_budget)};
    case MetaCreatePalette: {
        r.u16();
        return GdiPalette{readPaletteEntries(r, r.u16())};
    }
    case MetaDibCreatePatternBrush: {
        GdiBrush brush;
        brush.style = BrushDibPattern;
        const std::uint16_t style = r.u16();
        const std::uint16_t usage = r.u16();
        // A pattern (rather than DIB pattern) brush of one bit per pixel
        // paints in the text and background colours.
        brush.monochrome = style == BrushPattern;
        if (const auto dib = packedDib(r, brush.monochrome ? 0 : usage, canvas.state().palette)) {
            brush.pattern =
                brush.monochrome ? decodeMonochromeDib(*dib, m_budget.limits()) : decodeDib(*dib, m_budget.limits());
        }
        if (brush.pattern.isNull())
            brush = GdiBrush{BrushSolid, Qt::gray, 0, {}};
        return brush;
    }
    case MetaCreatePatternBrush: {
        // A device-dependent bitmap; only monochrome ones are device independent.
        r.skip(2);
        const int width = r.i16();
        const int height = r.i16();
        const int widthBytes = r.i16();
        const int planes = r.u8();
        const int bitsPerPixel = r.u8();
        r.skip(4);
        GdiBrush brush{BrushPattern, Qt::gray, 0, {}};
        if (planes == 1 && bitsPerPixel == 1)
            brush.pattern = monochromeBits(r.bytes(r.remaining()), width, height, widthBytes, m_budget.limits());
        brush.monochrome = !brush.pattern.isNull();
        if (!brush.monochrome)
            brush.style = BrushSolid;
        return brush;
    }
    default: return GdiPlaceholder{};
    }
}

void WmfPlayer::playText(MetafileCanvas &canvas, std::uint16_t function, ByteReader &r)
{
    if (function == MetaTextOut) {
        const std::uint16_t length = r.u16();
        const QByteArray text = r.bytes(length);
        r.skip(length % 2);
        canvas.textOut(readPointYX(r), textOf(text, canvas.state().font), 0, std::nullopt, {});
        return;
    }
    const QPointF at = readPointYX(r);
    const std::uint16_t length = r.u16();
    const std::uint16_t options = r.u16();
    std::optional<QRectF> rect;
    if (options & 0x6) {
        const double left = r.i16();
        const double top = r.i16();
        const double right = r.i16();
        const double bottom = r.i16();
        rect = QRectF(QPointF(left, top), QPointF(right, bottom));
    }
    const QByteArray text = r.bytes(length);
    if (r.remaining() > 0)
        r.skip(length % 2);
    // With ETO_PDY each character has an x and a y advance.
    const bool pairs = options & kTextPdy;
    QVector<QPointF> dx;
    if (r.remaining() >= checkedBytes(length, pairs ? 4 : 2)) {
        for (std::uint16_t i = 0; i < length; ++i) {
            const double x = r.i16();
            dx.append(QPointF(x, pairs ? r.i16() : 0));
        }
    }
    canvas.textOut(at, textOf(text, canvas.state().font), options, rect, dx);
}

void WmfPlayer::playBitmap(MetafileCanvas &canvas, std::uint16_t function, ByteReader &r, std::uint32_t recordWords)
{
    // A blit whose record holds no bitmap is a pattern operation.
    const bool withoutBitmap = recordWords == std::uint32_t(function >> 8) + 3;
    const PlayLimits &limits = m_budget.limits();
    auto sourceRect = [](const DibData &dib, const QImage &image, double x, double y, double w, double h) {
        if (isBottomUp(dib))
            y = image.height() - y - h;
        return QRectF(x, y, w, h);
    };

    switch (function) {
    case MetaDibBitBlt:
    case MetaDibStretchBlt: {
        const std::uint32_t rop = r.u32();
        double srcH = 0;
        double srcW = 0;
        if (function == MetaDibStretchBlt) {
            srcH = r.i16();
            srcW = r.i16();
        }
        const QPointF src = readPointYX(r);
        if (withoutBitmap)
            r.skip(2);
        const QPointF size = readPointYX(r);
        const QPointF dest = readPointYX(r);
        const QRectF destRect(dest, QSizeF(size.x(), size.y()));
        if (function == MetaDibBitBlt) {
            srcW = size.x();
            srcH = size.y();
        }
        if (withoutBitmap) {
            canvas.patBlt(destRect, rop);
            return;
        }
        const auto dib = packedDib(r, 0, {});
        if (!dib)
            return;
        canvas.drawImage(destRect, decodeDib(*dib, limits), QRectF(src.x(), src.y(), srcW, srcH), rop);
        return;
    }
    case MetaStretchDib: {
        const std::uint32_t rop = r.u32();
        const std::uint16_t usage = r.u16();
        const QPointF srcSize = readPointYX(r);
        const QPointF src = readPointYX(r);
        const QPointF destSize = readPointYX(r);
        const QPointF dest = readPointYX(r);
        const auto dib = packedDib(r, usage, canvas.state().palette);
        if (!dib)
            return;
        const QImage image = decodeDib(*dib, limits);
        canvas.drawImage(QRectF(dest, QSizeF(destSize.x(), destSize.y())), image,
                         sourceRect(*dib, image, src.x(), src.y(), srcSize.x(), srcSize.y()), rop);
        return;
    }
    case MetaSetDibToDev: {
        const std::uint16_t usage = r.u16();
        r.skip(2 + 2);
        const QPointF src = readPointYX(r);
        const QPointF size = readPointYX(r);
        const QPointF dest = readPointYX(r);
        const auto dib = packedDib(r, usage, canvas.state().palette);
        if (!dib)
            return;
        const QImage image = decodeDib(*dib, limits);
        canvas.drawImage(QRectF(dest, QSizeF(size.x(), size.y())), image,
                         sourceRect(*dib, image, src.x(), src.y(), size.x(), size.y()), 0x00CC0020);
        return;
    }
    default: return;
    }
}

} // namespace

LoadedPicture playWmf(const QByteArray &data, PlayBudget &budget)
{
    return WmfPlayer(data, budget).play();
}

} // namespace platform::metafile
