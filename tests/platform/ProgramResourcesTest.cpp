#include "platform/ProgramResources.h"

#include <QPixmap>
#include <gtest/gtest.h>

#include <set>

namespace {

const QRgb kRed = qRgb(0xFF, 0, 0);
const QRgb kWhite = qRgb(0xFF, 0xFF, 0xFF);
const QRgb kGray = qRgb(0x80, 0x80, 0x80);

TEST(ProgramResources, CursorsAreDistinct32PixelPicturesWithTheirHotSpot)
{
    std::set<QByteArray> pictures;
    for (const int id : {8000, 8001, 8002, 8003, 8004, 8005, 8006, 8007, 8008, 8010, 8011, 8012}) {
        const QCursor cursor = platform::resourceCursor(id);
        ASSERT_EQ(cursor.shape(), Qt::BitmapCursor) << id;
        const QImage image = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(image.size(), QSize(32, 32)) << id;
        EXPECT_EQ(qAlpha(image.pixel(0, 31)), 0) << id << ": the mask keeps the corner transparent";
        const QPoint hotSpot = cursor.hotSpot();
        EXPECT_TRUE(image.rect().contains(hotSpot)) << id;
        pictures.insert(QByteArray(reinterpret_cast<const char *>(image.constBits()), int(image.sizeInBytes())));
    }
    EXPECT_EQ(pictures.size(), 12u);
    EXPECT_EQ(platform::resourceCursor(8000).hotSpot(), QPoint(15, 15));
    EXPECT_EQ(platform::resourceCursor(8010).hotSpot(), QPoint(24, 15));
}

TEST(ProgramResources, UnknownCursorNumberGivesTheArrow)
{
    for (const int id : {8009, 0, -1, 32767})
        EXPECT_EQ(platform::resourceCursor(id).shape(), Qt::ArrowCursor) << id;
}

TEST(ProgramResources, PanMarkersAreSixteenColourDiscsOnRed)
{
    for (const char *name : {"INTLI1", "INTLI2", "INTLI3"}) {
        const QImage marker = platform::resourceBitmap(QString::fromLatin1(name));
        ASSERT_EQ(marker.size(), QSize(26, 26)) << name;
        EXPECT_LE(marker.colorCount(), 16) << name;
        EXPECT_EQ(marker.pixel(0, 0), kRed) << name;
        EXPECT_EQ(marker.pixel(25, 25), kRed) << name;
        EXPECT_EQ(marker.pixel(13, 1), kGray) << name << ": rim";
        EXPECT_EQ(marker.pixel(13, 10), kWhite) << name << ": disc";
        EXPECT_EQ(marker.pixel(13, 13), kGray) << name << ": centre dot";
    }
    const auto pointsUp = [](const char *name) {
        return platform::resourceBitmap(QString::fromLatin1(name)).pixel(13, 5) == kGray;
    };
    const auto pointsLeft = [](const char *name) {
        return platform::resourceBitmap(QString::fromLatin1(name)).pixel(5, 13) == kGray;
    };
    EXPECT_TRUE(pointsUp("INTLI1") && pointsLeft("INTLI1"));
    EXPECT_TRUE(!pointsUp("INTLI2") && pointsLeft("INTLI2"));
    EXPECT_TRUE(pointsUp("INTLI3") && !pointsLeft("INTLI3"));
}

TEST(ProgramResources, ApplicationIconAndMissingNames)
{
    const QIcon icon = platform::resourceIcon(QStringLiteral("MAINICON"));
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.pixmap(32, 32).size(), QSize(32, 32));
    EXPECT_TRUE(platform::resourceIcon(QStringLiteral("NONE")).isNull());
    EXPECT_TRUE(platform::resourceBitmap(QStringLiteral("NONE")).isNull());
    EXPECT_TRUE(platform::resourceBitmap(QStringLiteral("../icons/MAINICON")).isNull());
}

} // namespace
