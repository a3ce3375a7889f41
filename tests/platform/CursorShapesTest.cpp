#include "platform/CursorShapes.h"
#include "platform/ProgramResources.h"

#include <QPixmap>
#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(CursorShapes, NumbersMapToSystemShapesAndResources)
{
    EXPECT_EQ(platform::cursorShape(0).shape(), Qt::ArrowCursor);
    EXPECT_EQ(platform::cursorShape(-21).shape(), Qt::PointingHandCursor);
    EXPECT_EQ(platform::cursorShape(-9).shape(), Qt::SizeHorCursor);

    const QCursor pan = platform::cursorShape(8004);
    ASSERT_EQ(pan.shape(), Qt::BitmapCursor);
    EXPECT_EQ(pan.pixmap().toImage(), platform::resourceCursor(8004).pixmap().toImage());
}

TEST(CursorShapes, OutOfRangeNumbersGiveTheArrow)
{
    for (const std::int32_t id : {-23, 9999, std::numeric_limits<std::int32_t>::min()})
        EXPECT_EQ(platform::cursorShape(id).shape(), Qt::ArrowCursor) << id;
}

} // namespace
