#include "platform/controls/TRadioGroup.h"

#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using platform::TRadioGroup;

TEST(TRadioGroup, AfterNoItemWasChosenAClickChoosesThatItemAlone)
{
    TRadioGroup group(nullptr);
    group.resize(97, 97);
    group.setItems({QStringLiteral("Waypoint"), QStringLiteral("Bubble"), QStringLiteral("SeaGrass")});
    group.setItemIndex(1);
    group.setItemIndex(-1);
    EXPECT_EQ(group.itemIndex(), -1);
    EXPECT_FALSE(group.button(1)->isChecked());

    QTest::mouseClick(group.button(0), Qt::LeftButton);
    QTest::mouseClick(group.button(2), Qt::LeftButton);
    EXPECT_EQ(group.itemIndex(), 2);
    EXPECT_FALSE(group.button(0)->isChecked());
}
