#include "PaletteImageWriter.h"

#include <QDataStream>
#include <QIODevice>

#include <stdexcept>

namespace art {

const QVector<QRgb> &standardPalette()
{
    static const QVector<QRgb> palette{
        qRgb(0x00, 0x00, 0x00), qRgb(0x80, 0x00, 0x00), qRgb(0x00, 0x80, 0x00), qRgb(0x80, 0x80, 0x00),
        qRgb(0x00, 0x00, 0x80), qRgb(0x80, 0x00, 0x80), qRgb(0x00, 0x80, 0x80), qRgb(0xC0, 0xC0, 0xC0),
        qRgb(0x80, 0x80, 0x80), qRgb(0xFF, 0x00, 0x00), qRgb(0x00, 0xFF, 0x00), qRgb(0xFF, 0xFF, 0x00),
        qRgb(0x00, 0x00, 0xFF), qRgb(0xFF, 0x00, 0xFF), qRgb(0x00, 0xFF, 0xFF), qRgb(0xFF, 0xFF, 0xFF),
    };
    return palette;
}

namespace {

int paletteIndex(QRgb pixel)
{
    const int index = standardPalette().indexOf(qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel)));
    if (index < 0)
        throw std::runtime_error("pixel colour outside the 16-colour palette");
    return index;
}

bool transparent(QRgb pixel)
{
    return qAlpha(pixel) < 128;
}

// Rows of 4-bit indices, bottom row first, each padded to 4 bytes.
QByteArray colourRows(const QImage &image)
{
    const int stride = ((image.width() * 4 + 31) / 32) * 4;
    QByteArray rows;
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray row(stride, '\0');
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            const int index = transparent(pixel) ? 0 : paletteIndex(pixel);
            row[x / 2] = char(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
        }
        rows += row;
    }
    return rows;
}

// Rows of 1-bit AND mask, bottom row first: 1 where the pixel is transparent.
QByteArray maskRows(const QImage &image)
{
    const int stride = ((image.width() + 31) / 32) * 4;
    QByteArray rows;
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray row(stride, '\0');
        for (int x = 0; x < image.width(); ++x) {
            if (transparent(image.pixel(x, y)))
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        rows += row;
    }
    return rows;
}

void writeInfoHeader(QDataStream &out, const QImage &image, int storedHeight, quint32 imageBytes)
{
    out << quint32(40) << qint32(image.width()) << qint32(storedHeight) << quint16(1) << quint16(4) << quint32(0)
        << imageBytes << qint32(0) << qint32(0) << quint32(16) << quint32(0);
    for (const QRgb colour : standardPalette())
        out << quint8(qBlue(colour)) << quint8(qGreen(colour)) << quint8(qRed(colour)) << quint8(0);
}

QByteArray iconLikeFile(const QImage &image, quint16 type, quint16 field1, quint16 field2)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const QByteArray colours = colourRows(argb);
    const QByteArray mask = maskRows(argb);
    const quint32 imageBytes = quint32(colours.size() + mask.size());
    const quint32 entryBytes = 40 + 16 * 4 + imageBytes;

    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << type << quint16(1);
    out << quint8(argb.width()) << quint8(argb.height()) << quint8(16) << quint8(0) << field1 << field2 << entryBytes
        << quint32(6 + 16);
    writeInfoHeader(out, argb, argb.height() * 2, imageBytes);
    out.writeRawData(colours.constData(), int(colours.size()));
    out.writeRawData(mask.constData(), int(mask.size()));
    return file;
}

} // namespace

QByteArray bitmapFile(const QImage &image)
{
    const QByteArray colours = colourRows(image.convertToFormat(QImage::Format_ARGB32));
    const quint32 offset = 14 + 40 + 16 * 4;

    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint8('B') << quint8('M') << quint32(offset + colours.size()) << quint16(0) << quint16(0) << offset;
    writeInfoHeader(out, image, image.height(), quint32(colours.size()));
    out.writeRawData(colours.constData(), int(colours.size()));
    return file;
}

QByteArray iconFile(const QImage &image)
{
    // For an icon the two entry fields are the planes and the bit depth.
    return iconLikeFile(image, 1, 1, 4);
}

QByteArray cursorFile(const QImage &image, QPoint hotSpot)
{
    return iconLikeFile(image, 2, quint16(hotSpot.x()), quint16(hotSpot.y()));
}

} // namespace art
