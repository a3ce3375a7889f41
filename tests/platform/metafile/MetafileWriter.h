#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QVector>

#include <cstdint>
#include <initializer_list>

namespace testsupport {

// Little-endian bytes for building records.
class Bytes
{
public:
    Bytes &u8(int v)
    {
        m_data.append(char(v & 0xFF));
        return *this;
    }
    Bytes &u16(int v) { return u8(v).u8(v >> 8); }
    Bytes &u32(std::uint32_t v) { return u16(int(v & 0xFFFF)).u16(int(v >> 16)); }
    Bytes &i32(std::int32_t v) { return u32(std::uint32_t(v)); }
    Bytes &f32(float v);
    Bytes &raw(const QByteArray &bytes)
    {
        m_data.append(bytes);
        return *this;
    }
    Bytes &pad4()
    {
        while (m_data.size() % 4)
            m_data.append('\0');
        return *this;
    }
    const QByteArray &data() const { return m_data; }
    int size() const { return int(m_data.size()); }

private:
    QByteArray m_data;
};

// A colour reference: red in the low byte.
inline std::uint32_t colorRef(QColor c)
{
    return std::uint32_t(c.red()) | (std::uint32_t(c.green()) << 8) | (std::uint32_t(c.blue()) << 16);
}

// Writes a device-independent bitmap of the image at the given depth; depths
// up to 8 use a palette of the image's colours. rle asks for RLE8 or RLE4.
struct Dib
{
    QByteArray info;
    QByteArray bits;
    QByteArray packed() const { return info + bits; }
};
Dib makeDib(const QImage &image, int bitCount, bool rle = false, bool coreHeader = false, bool topDown = false);
// The same bitmap with its 40-byte header rewritten to another header size:
// 16 and 64 are the OS/2 headers, 52 and up the info header's later versions.
Dib withHeaderSize(const Dib &dib, int headerSize);

// Builds a Windows metafile record by record. Arguments are 16-bit words in
// the order the record stores them.
class WmfWriter
{
public:
    explicit WmfWriter(int objects = 8)
        : m_objects(objects)
    {}

    WmfWriter &rec(int function, std::initializer_list<int> words, const QByteArray &tail = {});
    WmfWriter &rawRecord(const QByteArray &bytes)
    {
        m_records.append(bytes);
        return *this;
    }

    WmfWriter &rectangle(int l, int t, int r, int b) { return rec(0x041B, {b, r, t, l}); }
    WmfWriter &ellipse(int l, int t, int r, int b) { return rec(0x0418, {b, r, t, l}); }
    WmfWriter &moveTo(int x, int y) { return rec(0x0214, {y, x}); }
    WmfWriter &lineTo(int x, int y) { return rec(0x0213, {y, x}); }
    WmfWriter &createPen(int style, int width, QColor color);
    WmfWriter &createBrush(int style, QColor color, int hatch = 0);
    WmfWriter &createFont(int height, int escapement, const QString &face);
    WmfWriter &selectObject(int index) { return rec(0x012D, {index}); }
    WmfWriter &deleteObject(int index) { return rec(0x01F0, {index}); }
    WmfWriter &polygon(const QVector<QPoint> &points) { return poly(0x0324, points); }
    WmfWriter &polyline(const QVector<QPoint> &points) { return poly(0x0325, points); }
    WmfWriter &textOut(int x, int y, const QByteArray &text);
    WmfWriter &stretchDib(QRect dest, QRect source, const Dib &dib);

    QByteArray plain() const;
    QByteArray placeable(QRect box, int unitsPerInch, bool badChecksum = false) const;

private:
    WmfWriter &poly(int function, const QVector<QPoint> &points);

    int m_objects;
    QVector<QByteArray> m_records;
};

// Builds an enhanced metafile; the frame is given in output pixels at 96 dpi
// on a reference device of 96 dpi.
class EmfWriter
{
public:
    explicit EmfWriter(int handles = 8)
        : m_handles(handles)
    {}

    EmfWriter &rec(std::uint32_t type, const Bytes &payload);
    EmfWriter &rec(std::uint32_t type, std::initializer_list<std::int32_t> values);
    EmfWriter &rawRecord(const QByteArray &bytes)
    {
        m_records.append(bytes);
        return *this;
    }

    EmfWriter &rectangle(int l, int t, int r, int b) { return rec(43, {l, t, r, b}); }
    EmfWriter &ellipse(int l, int t, int r, int b) { return rec(42, {l, t, r, b}); }
    EmfWriter &moveTo(int x, int y) { return rec(27, {x, y}); }
    EmfWriter &lineTo(int x, int y) { return rec(54, {x, y}); }
    EmfWriter &createPen(int index, int style, int width, QColor color);
    EmfWriter &createBrush(int index, int style, QColor color, int hatch = 0);
    EmfWriter &createFont(int index, int height, int escapement, const QString &face);
    EmfWriter &selectObject(std::uint32_t index) { return rec(37, {std::int32_t(index)}); }
    EmfWriter &setMapMode(int mode) { return rec(17, {mode}); }
    EmfWriter &poly(std::uint32_t type, const QVector<QPoint> &points, bool small = false);
    EmfWriter &polyPoly(std::uint32_t type, const QVector<QVector<QPoint>> &polys);
    EmfWriter &textOutW(int x, int y, const QString &text, const QVector<int> &dx = {}, std::uint32_t options = 0);
    EmfWriter &stretchDiBits(QRect dest, QRect source, const Dib &dib, std::uint32_t rop = 0x00CC0020);
    // Bit blit (76), stretch blit (77), alpha blend (114) or transparent blit
    // (116); an empty dib makes a blit without a bitmap. rop is the blend
    // function or the transparent colour where the record says so.
    EmfWriter &blit(std::uint32_t type, QRect dest, std::uint32_t rop, QRect source, const Dib &dib);
    EmfWriter &setWorldTransform(float m11, float m12, float m21, float m22, float dx, float dy);
    EmfWriter &clipRegion(const QVector<QRect> &rects, int mode);
    EmfWriter &gradientRect(QPoint a, QColor ca, QPoint b, QColor cb, bool vertical);
    EmfWriter &gradientTriangle(QPoint a, QColor ca, QPoint b, QColor cb, QPoint c, QColor cc);

    QByteArray bytes(QSize pixels) const;

private:
    int m_handles;
    QVector<QByteArray> m_records;
};

// An enhanced metafile as a Windows metafile's comment records of at most
// `chunk` bytes each; `sizeSlack` misstates the whole size they add up to.
QVector<QByteArray> emfComments(const QByteArray &emf, int chunk, int sizeSlack = 0);

} // namespace testsupport
