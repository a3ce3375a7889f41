#include "MetafileWriter.h"

#include "../pictures/PictureFiles.h"

#include <cmath>
#include <cstring>

namespace testsupport {

Bytes &Bytes::f32(float v)
{
    std::uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return u32(bits);
}

namespace {

QByteArray rowsPadded(const QVector<QByteArray> &rows)
{
    QByteArray out;
    for (QByteArray row : rows) {
        while (row.size() % 4)
            row.append('\0');
        out += row;
    }
    return out;
}

// A GradientFill record's vertex: a point and 16-bit colour channels.
void gradientVertex(Bytes &r, QPoint at, QColor color)
{
    r.i32(at.x()).i32(at.y()).u16(color.red() << 8).u16(color.green() << 8).u16(color.blue() << 8).u16(0);
}

} // namespace

Dib makeDib(const QImage &source, int bitCount, bool rle, bool coreHeader, bool topDown)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    QVector<QRgb> palette;
    if (bitCount <= 8) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (!palette.contains(image.pixel(x, y)))
                    palette.append(image.pixel(x, y));
    }
    QVector<QByteArray> rows;
    for (int i = 0; i < image.height(); ++i) {
        const int y = topDown ? i : image.height() - 1 - i;
        QByteArray row;
        int acc = 0;
        int accBits = 0;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (bitCount <= 8) {
                acc = (acc << bitCount) | int(palette.indexOf(p));
                accBits += bitCount;
                if (accBits == 8) {
                    row.append(char(acc));
                    acc = 0;
                    accBits = 0;
                }
            } else if (bitCount == 16) {
                const int v = ((qRed(p) >> 3) << 10) | ((qGreen(p) >> 3) << 5) | (qBlue(p) >> 3);
                row.append(char(v & 0xFF)).append(char(v >> 8));
            } else {
                row.append(char(qBlue(p))).append(char(qGreen(p))).append(char(qRed(p)));
                if (bitCount == 32)
                    row.append('\0');
            }
        }
        if (accBits)
            row.append(char(acc << (8 - accBits)));
        rows.append(row);
    }

    QByteArray bits;
    int compression = 0;
    if (rle) {
        compression = bitCount == 8 ? 1 : 2;
        for (int i = 0; i < image.height(); ++i) {
            const int y = image.height() - 1 - i;
            int x = 0;
            while (x < image.width()) {
                int run = 1;
                while (x + run < image.width() && run < 255 && image.pixel(x + run, y) == image.pixel(x, y))
                    ++run;
                const int index = int(palette.indexOf(image.pixel(x, y)));
                bits.append(char(run)).append(char(bitCount == 8 ? index : (index << 4) | index));
                x += run;
            }
            bits.append('\0').append('\0');
        }
        bits.append('\0').append('\1');
    } else {
        bits = rowsPadded(rows);
    }

    picturefiles::DibFields fields;
    fields.header = coreHeader ? picturefiles::DibHeaderKind::Core : picturefiles::DibHeaderKind::Info;
    fields.width = image.width();
    fields.height = image.height();
    fields.topDown = topDown && !coreHeader;
    fields.bitCount = bitCount;
    fields.compression = std::uint32_t(compression);
    fields.imageSize = std::uint32_t(bits.size());
    fields.colors = palette;
    // A core header's table always has the depth's full length.
    if (coreHeader && bitCount <= 8)
        while (fields.colors.size() < (1 << bitCount))
            fields.colors.append(qRgb(0, 0, 0));
    return Dib{picturefiles::dibInfo(fields), bits};
}

Dib withHeaderSize(const Dib &dib, int headerSize)
{
    QByteArray header = dib.info.left(40);
    QByteArray rest = dib.info.mid(40);
    if (headerSize == 16) {
        // Width, height, planes and depth, then nothing: the colour table
        // has its full length.
        header.truncate(16);
        const int bitCount = quint8(dib.info[14]);
        if (bitCount <= 8)
            rest.resize(4 << bitCount, '\0');
    } else {
        header.resize(headerSize, '\0');
    }
    header[0] = char(headerSize);
    return Dib{header + rest, dib.bits};
}

WmfWriter &WmfWriter::rec(int function, std::initializer_list<int> words, const QByteArray &tail)
{
    QByteArray padded = tail;
    if (padded.size() % 2)
        padded.append('\0');
    Bytes b;
    b.u32(std::uint32_t(3 + words.size() + padded.size() / 2)).u16(function);
    for (int w : words)
        b.u16(w);
    b.raw(padded);
    m_records.append(b.data());
    return *this;
}

WmfWriter &WmfWriter::createPen(int style, int width, QColor color)
{
    const std::uint32_t c = colorRef(color);
    return rec(0x02FA, {style, width, 0, int(c & 0xFFFF), int(c >> 16)});
}

WmfWriter &WmfWriter::createBrush(int style, QColor color, int hatch)
{
    const std::uint32_t c = colorRef(color);
    return rec(0x02FC, {style, int(c & 0xFFFF), int(c >> 16), hatch});
}

WmfWriter &WmfWriter::createFont(int height, int escapement, const QString &face)
{
    Bytes b;
    b.u16(height).u16(0).u16(escapement).u16(escapement).u16(400);
    b.u8(0).u8(0).u8(0).u8(0).u8(0).u8(0).u8(0).u8(0);
    b.raw(face.toLatin1()).u8(0);
    return rec(0x02FB, {}, b.data());
}

WmfWriter &WmfWriter::poly(int function, const QVector<QPoint> &points)
{
    Bytes b;
    b.u16(int(points.size()));
    for (const QPoint &p : points)
        b.u16(p.x()).u16(p.y());
    return rec(function, {}, b.data());
}

WmfWriter &WmfWriter::textOut(int x, int y, const QByteArray &text)
{
    QByteArray padded = text;
    if (padded.size() % 2)
        padded.append('\0');
    Bytes b;
    b.u16(int(text.size())).raw(padded).u16(y).u16(x);
    return rec(0x0521, {}, b.data());
}

WmfWriter &WmfWriter::stretchDib(QRect dest, QRect source, const Dib &dib)
{
    return rec(0x0F43,
               {0x0020, 0x00CC, 0, source.height(), source.width(), source.y(), source.x(), dest.height(), dest.width(),
                dest.y(), dest.x()},
               dib.packed());
}

QByteArray WmfWriter::plain() const
{
    QByteArray body;
    int largest = 3;
    for (const QByteArray &r : m_records) {
        body += r;
        largest = std::max(largest, int(r.size() / 2));
    }
    body += Bytes().u32(3).u16(0).data();
    Bytes header;
    header.u16(1)
        .u16(9)
        .u16(0x0300)
        .u32(std::uint32_t((18 + body.size()) / 2))
        .u16(m_objects)
        .u32(std::uint32_t(largest))
        .u16(0);
    return header.data() + body;
}

QByteArray WmfWriter::placeable(QRect box, int unitsPerInch, bool badChecksum) const
{
    Bytes head;
    head.u32(0x9AC6CDD7)
        .u16(0)
        .u16(box.left())
        .u16(box.top())
        .u16(box.left() + box.width())
        .u16(box.top() + box.height())
        .u16(unitsPerInch)
        .u32(0);
    int checksum = 0;
    for (int i = 0; i < 20; i += 2)
        checksum ^= (quint8(head.data()[i]) | (quint8(head.data()[i + 1]) << 8));
    head.u16(badChecksum ? checksum ^ 1 : checksum);
    return head.data() + plain();
}

EmfWriter &EmfWriter::rec(std::uint32_t type, const Bytes &payload)
{
    Bytes b;
    Bytes body = payload;
    body.pad4();
    b.u32(type).u32(std::uint32_t(8 + body.size())).raw(body.data());
    m_records.append(b.data());
    return *this;
}

EmfWriter &EmfWriter::rec(std::uint32_t type, std::initializer_list<std::int32_t> values)
{
    Bytes b;
    for (std::int32_t v : values)
        b.i32(v);
    return rec(type, b);
}

EmfWriter &EmfWriter::createPen(int index, int style, int width, QColor color)
{
    return rec(38, {index, style, width, 0, std::int32_t(colorRef(color))});
}

EmfWriter &EmfWriter::createBrush(int index, int style, QColor color, int hatch)
{
    return rec(39, {index, style, std::int32_t(colorRef(color)), hatch});
}

EmfWriter &EmfWriter::createFont(int index, int height, int escapement, const QString &face)
{
    Bytes b;
    b.u32(std::uint32_t(index)).i32(height).i32(0).i32(escapement).i32(escapement).i32(400);
    b.u8(0).u8(0).u8(0).u8(0).u8(0).u8(0).u8(0).u8(0);
    for (int i = 0; i < 32; ++i)
        b.u16(i < face.size() ? face[i].unicode() : 0);
    return rec(82, b);
}

EmfWriter &EmfWriter::poly(std::uint32_t type, const QVector<QPoint> &points, bool small)
{
    Bytes b;
    b.i32(0).i32(0).i32(0).i32(0).u32(std::uint32_t(points.size()));
    for (const QPoint &p : points) {
        if (small)
            b.u16(p.x()).u16(p.y());
        else
            b.i32(p.x()).i32(p.y());
    }
    return rec(type, b);
}

EmfWriter &EmfWriter::polyPoly(std::uint32_t type, const QVector<QVector<QPoint>> &polys)
{
    Bytes b;
    int total = 0;
    for (const auto &p : polys)
        total += int(p.size());
    b.i32(0).i32(0).i32(0).i32(0).u32(std::uint32_t(polys.size())).u32(std::uint32_t(total));
    for (const auto &p : polys)
        b.u32(std::uint32_t(p.size()));
    for (const auto &p : polys)
        for (const QPoint &q : p)
            b.i32(q.x()).i32(q.y());
    return rec(type, b);
}

EmfWriter &EmfWriter::textOutW(int x, int y, const QString &text, const QVector<int> &dx, std::uint32_t options)
{
    const int chars = int(text.size());
    const int textBytes = (chars * 2 + 3) / 4 * 4;
    Bytes b;
    b.i32(0).i32(0).i32(-1).i32(-1).u32(1).f32(1).f32(1);
    b.i32(x).i32(y).u32(std::uint32_t(chars)).u32(76).u32(options);
    b.i32(0).i32(0).i32(-1).i32(-1).u32(dx.isEmpty() ? 0 : std::uint32_t(76 + textBytes));
    Bytes s;
    for (QChar c : text)
        s.u16(c.unicode());
    s.pad4();
    b.raw(s.data());
    for (int d : dx)
        b.i32(d);
    return rec(84, b);
}

EmfWriter &EmfWriter::stretchDiBits(QRect dest, QRect source, const Dib &dib, std::uint32_t rop)
{
    Bytes info;
    info.raw(dib.info).pad4();
    Bytes b;
    b.i32(0).i32(0).i32(-1).i32(-1);
    b.i32(dest.x()).i32(dest.y()).i32(source.x()).i32(source.y()).i32(source.width()).i32(source.height());
    b.u32(80)
        .u32(std::uint32_t(dib.info.size()))
        .u32(std::uint32_t(80 + info.size()))
        .u32(std::uint32_t(dib.bits.size()));
    b.u32(0).u32(rop).i32(dest.width()).i32(dest.height());
    b.raw(info.data()).raw(dib.bits);
    return rec(81, b);
}

EmfWriter &EmfWriter::blit(std::uint32_t type, QRect dest, std::uint32_t rop, QRect source, const Dib &dib)
{
    const bool withSourceSize = type != 76;
    const std::uint32_t fixed = withSourceSize ? 108 : 100;
    Bytes info;
    info.raw(dib.info).pad4();
    Bytes b;
    b.i32(0).i32(0).i32(-1).i32(-1);
    b.i32(dest.x()).i32(dest.y()).i32(dest.width()).i32(dest.height()).u32(rop);
    b.i32(source.x()).i32(source.y());
    b.f32(1).f32(0).f32(0).f32(1).f32(0).f32(0).u32(0).u32(0);
    if (dib.info.isEmpty())
        b.u32(0).u32(0).u32(0).u32(0);
    else
        b.u32(fixed)
            .u32(std::uint32_t(dib.info.size()))
            .u32(fixed + std::uint32_t(info.size()))
            .u32(std::uint32_t(dib.bits.size()));
    if (withSourceSize)
        b.i32(source.width()).i32(source.height());
    b.raw(info.data()).raw(dib.bits);
    return rec(type, b);
}

EmfWriter &EmfWriter::setWorldTransform(float m11, float m12, float m21, float m22, float dx, float dy)
{
    Bytes b;
    b.f32(m11).f32(m12).f32(m21).f32(m22).f32(dx).f32(dy);
    return rec(35, b);
}

EmfWriter &EmfWriter::clipRegion(const QVector<QRect> &rects, int mode)
{
    Bytes region;
    region.u32(32).u32(1).u32(std::uint32_t(rects.size())).u32(std::uint32_t(rects.size() * 16));
    region.i32(0).i32(0).i32(0).i32(0);
    for (const QRect &r : rects)
        region.i32(r.left()).i32(r.top()).i32(r.left() + r.width()).i32(r.top() + r.height());
    Bytes b;
    b.u32(std::uint32_t(region.size())).u32(std::uint32_t(mode)).raw(region.data());
    return rec(75, b);
}

EmfWriter &EmfWriter::gradientRect(QPoint a, QColor ca, QPoint b, QColor cb, bool vertical)
{
    Bytes r;
    r.i32(0).i32(0).i32(-1).i32(-1).u32(2).u32(1).u32(vertical ? 1 : 0);
    gradientVertex(r, a, ca);
    gradientVertex(r, b, cb);
    r.u32(0).u32(1);
    return rec(118, r);
}

EmfWriter &EmfWriter::gradientTriangle(QPoint a, QColor ca, QPoint b, QColor cb, QPoint c, QColor cc)
{
    Bytes r;
    r.i32(0).i32(0).i32(-1).i32(-1).u32(3).u32(1).u32(2);
    gradientVertex(r, a, ca);
    gradientVertex(r, b, cb);
    gradientVertex(r, c, cc);
    r.u32(0).u32(1).u32(2);
    return rec(118, r);
}

QByteArray EmfWriter::bytes(QSize pixels) const
{
    QByteArray body;
    for (const QByteArray &r : m_records)
        body += r;
    body += Bytes().u32(14).u32(20).u32(0).u32(16).u32(20).data();
    const int records = int(m_records.size()) + 2;
    const auto frame = [](int px) { return std::int32_t(std::lround(px * 2540.0 / 96.0)); };
    Bytes h;
    h.u32(1).u32(108);
    h.i32(0).i32(0).i32(pixels.width() - 1).i32(pixels.height() - 1);
    h.i32(0).i32(0).i32(frame(pixels.width())).i32(frame(pixels.height()));
    h.u32(0x464D4520).u32(0x10000).u32(std::uint32_t(108 + body.size())).u32(std::uint32_t(records));
    h.u16(m_handles).u16(0).u32(0).u32(0).u32(0);
    h.i32(960).i32(960).i32(254).i32(254);
    h.u32(0).u32(0).u32(0);
    h.i32(254000).i32(254000);
    return h.data() + body;
}

QVector<QByteArray> emfComments(const QByteArray &emf, int chunk, int sizeSlack)
{
    const int count = int((emf.size() + chunk - 1) / chunk);
    QVector<QByteArray> records;
    for (int at = 0; at < emf.size(); at += chunk) {
        const QByteArray part = emf.mid(at, chunk);
        const int left = int(emf.size()) - at - int(part.size());
        Bytes comment;
        comment.u32(0x43464D57).u32(1).u32(0x00010000).u16(0).u32(0).u32(count).u32(part.size());
        comment.u32(left + sizeSlack).u32(emf.size() + sizeSlack).raw(part);
        if (comment.size() % 2)
            comment.u8(0);
        records.append(Bytes().u32(5 + comment.size() / 2).u16(0x0626).u16(15).u16(comment.size()).raw(comment.data()).data());
    }
    return records;
}

} // namespace testsupport
