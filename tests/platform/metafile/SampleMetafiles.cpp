#include "SampleMetafiles.h"

#include "MetafileWriter.h"

namespace testsupport {

namespace {

QImage checker(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            image.setPixel(x, y, (x + y) % 2 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
    return image;
}

} // namespace

QVector<SampleMetafile> wmfSamples()
{
    QVector<SampleMetafile> samples;
    WmfWriter shapes;
    shapes.createPen(0, 1, Qt::red)
        .selectObject(0)
        .createBrush(2, Qt::blue, 5)
        .selectObject(1)
        .rectangle(10, 10, 60, 40)
        .ellipse(70, 10, 120, 60)
        .rec(0x061C, {8, 8, 90, 60, 50, 10})
        .rec(0x0817, {60, 120, 10, 70, 90, 130, 50, 70})
        .rec(0x081A, {100, 120, 60, 70, 120, 130, 80, 70})
        .rec(0x0830, {100, 20, 60, 10, 120, 60, 80, 10})
        .polygon({{5, 100}, {40, 70}, {60, 120}})
        .polyline({{0, 0}, {130, 130}, {0, 130}})
        .moveTo(0, 125)
        .lineTo(130, 125)
        .rec(0x041F, {1, 0, 3, 3});
    samples.append({"shapes", shapes.placeable(QRect(0, 0, 130, 130), 96)});

    WmfWriter mapping;
    mapping.rec(0x0103, {8})
        .rec(0x020B, {0, 0})
        .rec(0x020C, {1000, 1000})
        .rec(0x020E, {100, 100})
        .rec(0x001E, {})
        .rec(0x0416, {900, 900, 100, 100})
        .createBrush(0, Qt::green)
        .selectObject(0)
        .rectangle(0, 0, 1000, 1000)
        .rec(0x0127, {0xFFFF})
        .rec(0x0415, {600, 600, 400, 400})
        .ellipse(0, 0, 500, 500)
        .rec(0x0410, {1, 2, 1, 2})
        .rec(0x020F, {10, 10})
        .rectangle(0, 0, 100, 100);
    samples.append({"mapping", mapping.plain()});

    WmfWriter text;
    text.createFont(-16, 450, "Tahoma")
        .selectObject(0)
        .rec(0x0209, {0x00FF, 0})
        .rec(0x0102, {1})
        .rec(0x012E, {24})
        .textOut(10, 60, "Level")
        .rec(0x0A32, {90, 10, 4, 6, 5, 75, 80, 95}, QByteArray("Reef") + QByteArray("\x08\0\x08\0\x08\0\x08\0", 8));
    samples.append({"text", text.placeable(QRect(0, 0, 100, 100), 96)});

    WmfWriter bitmaps;
    bitmaps.stretchDib(QRect(0, 0, 32, 32), QRect(0, 0, 4, 4), makeDib(checker(4), 8))
        .stretchDib(QRect(32, 0, 32, 32), QRect(0, 0, 4, 4), makeDib(checker(4), 4, true))
        .stretchDib(QRect(0, 32, 32, 32), QRect(0, 0, 4, 4), makeDib(checker(4), 24))
        .rec(0x0D33, {0, 4, 0, 0, 0, 4, 4, 40, 40}, makeDib(checker(4), 1).packed())
        .rec(0x0142, {5, 0}, makeDib(checker(8), 1).packed())
        .selectObject(0)
        .rec(0x061D, {0x0021, 0x00F0, 16, 16, 48, 48});
    samples.append({"bitmaps", bitmaps.placeable(QRect(0, 0, 64, 64), 96)});

    WmfWriter regions;
    Bytes region;
    region.u16(0)
        .u16(6)
        .u32(0)
        .u16(34)
        .u16(1)
        .u16(0)
        .u16(10)
        .u16(10)
        .u16(50)
        .u16(50)
        .u16(2)
        .u16(10)
        .u16(50)
        .u16(10)
        .u16(50)
        .u16(2);
    regions.createBrush(0, Qt::red)
        .rec(0x06FF, {}, region.data())
        .rec(0x0228, {1, 0})
        .rec(0x0429, {1, 0, 2, 2})
        .rec(0x012C, {1})
        .rectangle(0, 0, 60, 60)
        .rec(0x012A, {1})
        .deleteObject(1)
        .deleteObject(0);
    samples.append({"regions", regions.placeable(QRect(0, 0, 60, 60), 96)});

    // Every enhanced sample again, carried in comment records before a fallback drawing.
    for (const SampleMetafile &original : emfSamples()) {
        WmfWriter embedded;
        for (const QByteArray &comment : emfComments(original.data, 256))
            embedded.rawRecord(comment);
        embedded.rec(0x020C, {100, 100}).rectangle(0, 0, 100, 100);
        samples.append({"embedded-" + original.name, embedded.placeable(QRect(0, 0, 100, 100), 96)});
    }
    return samples;
}

QVector<SampleMetafile> emfSamples()
{
    QVector<SampleMetafile> samples;
    EmfWriter shapes;
    shapes.createPen(1, 0, 2, Qt::red)
        .selectObject(1)
        .createBrush(2, 2, Qt::blue, 4)
        .selectObject(2)
        .rectangle(5, 5, 40, 30)
        .ellipse(50, 5, 90, 45)
        .rec(44, {5, 50, 40, 90, 10, 10})
        .rec(45, {50, 50, 90, 90, 90, 70, 70, 50})
        .rec(46, {50, 50, 90, 90, 70, 50, 50, 70})
        .rec(47, {0, 0, 30, 30, 30, 15, 15, 0})
        .rec(41, {48, 48, 20, 0, 0x42b40000})
        .poly(3, {{10, 90}, {30, 60}, {45, 90}})
        .poly(87, {{0, 0}, {95, 95}}, true)
        .poly(2, {{0, 95}, {30, 60}, {60, 120}, {95, 95}})
        .polyPoly(8, {{{60, 60}, {90, 60}, {90, 90}}, {{65, 65}, {85, 65}, {85, 85}}})
        .rec(19, {2})
        .rec(15, {1, 1, 0x00FF00})
        .selectObject(0x80000005)
        .selectObject(0x80000007);
    samples.append({"shapes", shapes.bytes(QSize(96, 96))});

    EmfWriter mapping;
    mapping.setMapMode(2)
        .rec(10, {0, 0})
        .createBrush(1, 0, Qt::green)
        .selectObject(1)
        .rectangle(100, -100, 600, -600)
        .setMapMode(8)
        .rec(9, {200, 200})
        .rec(11, {96, 96})
        .rec(33, {})
        .setWorldTransform(0.7f, 0.7f, -0.7f, 0.7f, 100, 0)
        .rectangle(10, 10, 60, 60)
        .rec(34, {-1})
        .rec(36, {0x3f800000, 0, 0, 0x3f800000, 0x41200000, 0, 2})
        .setMapMode(7)
        .rec(32, {1, 2, 1, 2})
        .rec(31, {2, 1, 2, 1})
        .ellipse(0, 0, 50, 50);
    samples.append({"mapping", mapping.bytes(QSize(96, 96))});

    EmfWriter paths;
    paths.rec(59, {})
        .moveTo(10, 10)
        .lineTo(80, 10)
        .lineTo(45, 80)
        .rec(61, {})
        .rec(60, {})
        .rec(62, {})
        .rec(59, {})
        .poly(6, {{5, 5}, {90, 90}})
        .rec(60, {})
        .rec(66, {})
        .rec(64, {})
        .rec(59, {})
        .ellipse(20, 20, 70, 70)
        .rec(60, {})
        .rec(67, {5})
        .createBrush(1, 0, Qt::red)
        .selectObject(1)
        .rectangle(0, 0, 96, 96)
        .rec(59, {})
        .rectangle(0, 0, 10, 10)
        .rec(68, {})
        .rec(63, {});
    samples.append({"paths", paths.bytes(QSize(96, 96))});

    EmfWriter text;
    text.createFont(1, -14, 900, "Tahoma")
        .selectObject(1)
        .rec(24, {0x0000FF})
        .rec(18, {1})
        .rec(22, {24})
        .textOutW(20, 80, "Reef", {8, 8, 8, 8})
        .rec(22, {1 | 6})
        .textOutW(48, 20, QString::fromUtf8("Sea \u00e4"));
    samples.append({"text", text.bytes(QSize(96, 96))});

    EmfWriter bitmaps;
    bitmaps.stretchDiBits(QRect(0, 0, 48, 48), QRect(0, 0, 4, 4), makeDib(checker(4), 32))
        .stretchDiBits(QRect(48, 0, 48, 48), QRect(0, 0, 4, 4), makeDib(checker(4), 16))
        .stretchDiBits(QRect(0, 48, 48, 48), QRect(0, 0, 4, 4), makeDib(checker(4), 8, true))
        .stretchDiBits(QRect(48, 48, 48, 48), QRect(0, 0, 4, 4), makeDib(checker(4), 4, false, true))
        .gradientRect(QPoint(0, 0), Qt::red, QPoint(96, 10), Qt::blue, false)
        .clipRegion({QRect(0, 0, 20, 20), QRect(40, 40, 20, 20)}, 5)
        .rec(76, {0, 0, 0, 0, 0, 0, 96, 96, 0x00F00021, 0, 0, 0x3f800000, 0, 0, 0x3f800000, 0, 0, 0, 0, 0, 0, 0, 0})
        .clipRegion({}, 5);
    samples.append({"bitmaps", bitmaps.bytes(QSize(96, 96))});
    return samples;
}

} // namespace testsupport
