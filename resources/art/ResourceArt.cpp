// Draws the program's icon, cursors and pan markers and writes them as the
// 16-colour files that resources.qrc lists. Run it with the resources folder
// as its argument after changing a drawing, and commit what it writes.

#include "PaletteImageWriter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPolygon>

#include <cmath>
#include <cstdio>

namespace {

// The name the desktop knows the program by: desktop entry, icon, metainfo.
constexpr char kApplicationId[] = "org.quorinlevelmaker.QuorinLevelMaker";

const QColor kBlack(0x00, 0x00, 0x00);
const QColor kWhite(0xFF, 0xFF, 0xFF);
const QColor kGray(0x80, 0x80, 0x80);
const QColor kSilver(0xC0, 0xC0, 0xC0);
const QColor kRed(0xFF, 0x00, 0x00);
const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kNavy(0x00, 0x00, 0x80);
const QColor kTeal(0x00, 0x80, 0x80);
const QColor kAqua(0x00, 0xFF, 0xFF);
const QColor kGreen(0x00, 0x80, 0x00);
const QColor kLime(0x00, 0xFF, 0x00);
const QColor kOlive(0x80, 0x80, 0x00);

QImage blank(int size, const QColor &fill)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(fill);
    return image;
}

// Pixels whose centre lies within the radius of the centre point.
void fillDisc(QImage &image, double cx, double cy, double radius, const QColor &colour)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (std::hypot(x + 0.5 - cx, y + 0.5 - cy) <= radius)
                image.setPixelColor(x, y, colour);
        }
    }
}

// The polygon is given on the 1x grid; `k` is the drawing's pixel ratio.
void fillPolygon(QImage &image, const QPolygon &polygon, const QColor &fill, const QColor &outline, int k = 1)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(outline.isValid() ? QPen(outline, k == 1 ? 0 : k) : QPen(Qt::NoPen));
    painter.setBrush(fill);
    painter.drawPolygon(QTransform::fromScale(k, k).map(polygon));
}

// --- pan markers: 26 x 26 on pure red -----------------------------------

enum Arrow { Up = 1, Down = 2, Left = 4, Right = 8 };

// Every drawing below takes a pixel ratio `k`: 1 for the resource itself, 2
// for the version that scaled screens show.
QImage panMarker(int arrows, int k)
{
    QImage image = blank(26 * k, kRed);
    fillDisc(image, 13 * k, 13 * k, 12.5 * k, kGray);
    fillDisc(image, 13 * k, 13 * k, 11.3 * k, kWhite);
    fillDisc(image, 13 * k, 13 * k, 1.6 * k, kGray);
    QPainter painter(&image);
    const auto dot = [&](int x, int y) { painter.fillRect(x * k, y * k, k, k, kGray); };
    // The disc's middle lies between pixels 12 and 13, so each triangle has a
    // two-pixel tip and grows by a pixel on each side per step.
    for (int step = 0; step < 4; ++step) {
        for (int across = 12 - step; across <= 13 + step; ++across) {
            if (arrows & Up)
                dot(across, 4 + step);
            if (arrows & Down)
                dot(across, 21 - step);
            if (arrows & Left)
                dot(4 + step, across);
            if (arrows & Right)
                dot(21 - step, across);
        }
    }
    painter.end();
    return image;
}

// --- pan cursors: 32 x 32, hot spot in the middle ------------------------

const QPoint kPanHotSpot(15, 15);

void panHub(QImage &image, int k)
{
    fillDisc(image, 15.5 * k, 15.5 * k, 4.5 * k, kBlack);
    fillDisc(image, 15.5 * k, 15.5 * k, 3.5 * k, kWhite);
    fillDisc(image, 15.5 * k, 15.5 * k, 1.0 * k, kBlack);
}

// A white arrow head with a black outline pointing away from the hot spot.
void panArrow(QImage &image, double dx, double dy, double tip, double base, double halfWidth, int k)
{
    const double length = std::hypot(dx, dy);
    const double ux = dx / length, uy = dy / length;
    const double cx = kPanHotSpot.x(), cy = kPanHotSpot.y();
    const auto at = [&](double along, double across) {
        return QPoint(int(std::lround(cx + ux * along - uy * across)), int(std::lround(cy + uy * along + ux * across)));
    };
    fillPolygon(image, QPolygon({at(tip, 0), at(base, halfWidth), at(base, -halfWidth)}), kWhite, kBlack, k);
}

QImage panCursor(int dx, int dy, int k)
{
    QImage image = blank(32 * k, Qt::transparent);
    if (dx == 0 && dy == 0) {
        panArrow(image, 0, -1, 13, 7, 4, k);
        panArrow(image, 0, 1, 13, 7, 4, k);
        panArrow(image, -1, 0, 13, 7, 4, k);
        panArrow(image, 1, 0, 13, 7, 4, k);
    } else {
        panArrow(image, dx, dy, 15, 6, 6, k);
    }
    panHub(image, k);
    return image;
}

// --- selection-zone cursors: a black block arrow, hot spot at its tip -----

QImage zoneCursor(const QPolygon &arrow, int k)
{
    QImage image = blank(32 * k, Qt::transparent);
    fillPolygon(image, arrow, kBlack, kWhite, k);
    return image;
}

// Pointing right, tip at (24, 15).
const QPolygon kRightArrow({QPoint(6, 13), QPoint(16, 13), QPoint(16, 8), QPoint(24, 15), QPoint(16, 22),
                            QPoint(16, 17), QPoint(6, 17)});

QPolygon transposed(const QPolygon &polygon)
{
    QPolygon result;
    for (const QPoint &point : polygon)
        result << QPoint(point.y(), point.x());
    return result;
}

// Pointing down and right, tip at (23, 23).
const QPolygon kDiagonalArrow({QPoint(6, 9), QPoint(9, 6), QPoint(17, 14), QPoint(20, 11), QPoint(23, 23),
                               QPoint(11, 20), QPoint(14, 17)});

// --- application icon: a fish in the sea ----------------------------------

// The art is laid out on 32 x 32 pixels. At 32 it is drawn pixel for pixel in
// the 16 colours of "MAINICON"; at other sizes the same shapes are drawn
// scaled and smoothed, so the theme's large icons stay sharp.
QImage applicationIcon(int size)
{
    const double s = size / 32.0;
    const bool smooth = size != 32;
    const auto pen = [&](const QColor &colour) { return QPen(colour, smooth ? s : 0); };
    const auto scaled = [&](const QPolygon &polygon) { return QTransform::fromScale(s, s).map(QPolygonF(polygon)); };

    QImage image = blank(size, Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, smooth);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kNavy);
    painter.drawRect(QRectF(1 * s, 1 * s, 30 * s, 30 * s));
    painter.setBrush(kTeal);
    painter.drawRect(QRectF(1 * s, 1 * s, 30 * s, 12 * s));
    painter.setBrush(kOlive);
    painter.drawRect(QRectF(1 * s, 26 * s, 30 * s, 5 * s));
    painter.setPen(pen(kGreen));
    painter.drawLine(QLineF(4 * s, 26 * s, 4 * s, 18 * s));
    painter.drawLine(QLineF(6 * s, 26 * s, 7 * s, 20 * s));
    painter.setPen(pen(kLime));
    painter.drawLine(QLineF(27 * s, 26 * s, 26 * s, 17 * s));
    painter.setPen(pen(kBlack));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(smooth ? QRectF(0.5 * s, 0.5 * s, 31 * s, 31 * s) : QRectF(0, 0, 31, 31));

    painter.setBrush(kYellow);
    painter.drawPolygon(scaled(QPolygon({QPoint(6, 10), QPoint(10, 14), QPoint(6, 18)})));
    painter.end();
    if (smooth) {
        // The disc helper draws whole pixels; smooth sizes take the painter's circles.
        QPainter discs(&image);
        discs.setRenderHint(QPainter::Antialiasing);
        discs.setPen(Qt::NoPen);
        const auto disc = [&](double cx, double cy, double radius, const QColor &colour) {
            discs.setBrush(colour);
            discs.drawEllipse(QPointF(cx * s, cy * s), radius * s, radius * s);
        };
        disc(17, 14, 7.2, kBlack);
        disc(17, 14, 6.2, kYellow);
        disc(20.5, 12.5, 0.6, kBlack);
        disc(25.5, 6.5, 2.0, kWhite);
        disc(25.5, 6.5, 1.0, kAqua);
        disc(21.5, 3.5, 1.2, kWhite);
        disc(15.5, 28.5, 2.5, kSilver);
        return image;
    }
    fillDisc(image, 17, 14, 7.2, kBlack);
    fillDisc(image, 17, 14, 6.2, kYellow);
    image.setPixelColor(20, 12, kBlack);
    fillDisc(image, 25.5, 6.5, 2.0, kWhite);
    fillDisc(image, 25.5, 6.5, 1.0, kAqua);
    fillDisc(image, 21.5, 3.5, 1.2, kWhite);
    fillDisc(image, 15.5, 28.5, 2.5, kSilver);
    return image;
}

bool writeFile(const QDir &dir, const QString &name, const QByteArray &data)
{
    QFile file(dir.filePath(name));
    if (!dir.mkpath(QFileInfo(file).absolutePath()) || !file.open(QIODevice::WriteOnly)
        || file.write(data) != data.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <resources folder>\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));

    struct PanDirection
    {
        int id, dx, dy;
    };
    // v = +1 means below the press point.
    const PanDirection panCursors[] = {
        {8000, 0, 0},  {8001, 0, 1},   {8002, -1, 0}, {8003, 1, 0},  {8004, 0, -1},
        {8005, 1, -1}, {8006, -1, -1}, {8007, 1, 1},  {8008, -1, 1},
    };

    bool ok = writeFile(dir, "icons/MAINICON.ico", art::iconFile(applicationIcon(32)));
    // The desktop's icon theme, from the same art.
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        applicationIcon(size).save(&buffer, "PNG");
        ok = writeFile(dir,
                       QStringLiteral("icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(QLatin1String(kApplicationId)),
                       png)
             && ok;
    }
    // Scaled screens take the "@2x" files, drawn at twice the pixels.
    for (const int k : {1, 2}) {
        const QString suffix = k == 1 ? QString() : QStringLiteral("@2x");
        const auto cursor = [&](int id, const QImage &image, QPoint hotSpot) {
            return writeFile(dir, QStringLiteral("cursors/%1%2.cur").arg(id).arg(suffix),
                             art::cursorFile(image, hotSpot * k));
        };
        ok = writeFile(dir, "bitmaps/INTLI1" + suffix + ".bmp", art::bitmapFile(panMarker(Up | Down | Left | Right, k)))
             && ok;
        ok = writeFile(dir, "bitmaps/INTLI2" + suffix + ".bmp", art::bitmapFile(panMarker(Left | Right, k))) && ok;
        ok = writeFile(dir, "bitmaps/INTLI3" + suffix + ".bmp", art::bitmapFile(panMarker(Up | Down, k))) && ok;
        for (const PanDirection &pan : panCursors)
            ok = cursor(pan.id, panCursor(pan.dx, pan.dy, k), kPanHotSpot) && ok;
        ok = cursor(8010, zoneCursor(kRightArrow, k), QPoint(24, 15)) && ok;
        ok = cursor(8011, zoneCursor(transposed(kRightArrow), k), QPoint(15, 24)) && ok;
        ok = cursor(8012, zoneCursor(kDiagonalArrow, k), QPoint(23, 23)) && ok;
    }
    return ok ? 0 : 1;
}
