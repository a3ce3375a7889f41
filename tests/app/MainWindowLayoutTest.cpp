#include "app/Main.h"
#include "platform/controls/TBevel.h"
#include "platform/controls/TButton.h"
#include "platform/controls/TCheckBox.h"
#include "platform/controls/TEdit.h"
#include "platform/controls/TFileDialog.h"
#include "platform/controls/TImage.h"
#include "platform/controls/TLabel.h"
#include "platform/controls/TMemo.h"
#include "platform/controls/TRadioGroup.h"
#include "platform/controls/TScrollBar.h"
#include "platform/controls/TSpinEdit.h"

#include <QApplication>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Placement
{
    const char *name;
    QRect geometry;
};

} // namespace

TEST(MainWindowLayout, EveryControlStandsAtItsStoredPlace)
{
    TForm1 form;
    const Placement table[] = {
        {"Bevel1", {8, 8, 529, 529}},        {"Image1", {16, 16, 512, 512}},   {"OpenTerrain", {440, 544, 97, 25}},
        {"Memo1", {544, 184, 289, 353}},     {"rg", {544, 8, 97, 97}},         {"Button1", {672, 544, 75, 25}},
        {"Button2", {760, 544, 75, 25}},     {"ef_coord", {8, 544, 121, 21}},  {"se_scale", {728, 11, 81, 22}},
        {"ScrollBar1", {656, 160, 177, 16}}, {"CheckBox1", {656, 48, 97, 17}}, {"ef_angle", {784, 128, 41, 21}},
        {"CellGrid1", {688, 80, 73, 75}},
    };
    for (const Placement &placement : table) {
        auto *widget = form.clientArea().findChild<QWidget *>(QString::fromLatin1(placement.name));
        ASSERT_NE(widget, nullptr) << placement.name;
        EXPECT_EQ(widget->geometry(), placement.geometry) << placement.name;
    }
    // The label is sized to its text from its stored place.
    EXPECT_EQ(form.Label1->pos(), QPoint(656, 16));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Quorin-Levelmaker"));
    EXPECT_EQ(form.pos(), QPoint(235, 245));
    // The image lies above the bevel that frames it.
    const QObjectList children = form.clientArea().children();
    EXPECT_GT(children.indexOf(static_cast<QObject *>(form.Image1)),
              children.indexOf(static_cast<QObject *>(form.Bevel1)));
}

TEST(MainWindowLayout, StartStateOfEveryControl)
{
    TForm1 form;
    EXPECT_EQ(form.OpenTerrain->text(), QStringLiteral("OpenTerrain"));
    EXPECT_EQ(form.Button1->text(), QStringLiteral("Clear"));
    EXPECT_EQ(form.Button2->text(), QStringLiteral("Save"));
    EXPECT_EQ(form.Label1->text(), QStringLiteral("ScaleFactor"));
    EXPECT_EQ(form.CheckBox1->text(), QStringLiteral("Random Angle"));
    EXPECT_FALSE(form.CheckBox1->isChecked());
    EXPECT_EQ(form.rg->title(), QStringLiteral("Object"));
    EXPECT_EQ(form.rg->items(), (QStringList{QStringLiteral("Waypoint"), QStringLiteral("Bubble"),
                                             QStringLiteral("SeaGrass"), QStringLiteral("SeaShell")}));
    EXPECT_EQ(form.rg->itemIndex(), 0);
    EXPECT_EQ(form.ef_coord->text(), QStringLiteral("ef_coord"));
    EXPECT_TRUE(form.ef_coord->isReadOnly());
    EXPECT_EQ(form.ef_angle->text(), QStringLiteral("0"));
    EXPECT_TRUE(form.ef_angle->isReadOnly());
    EXPECT_EQ(form.ef_angle->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Button));
    EXPECT_EQ(form.se_scale->text(), QStringLiteral("4"));
    EXPECT_EQ(form.se_scale->minValue(), 1);
    EXPECT_EQ(form.se_scale->maxValue(), 10);
    EXPECT_EQ(form.ScrollBar1->value(), 0);
    EXPECT_EQ(form.ScrollBar1->minimum(), 0);
    EXPECT_EQ(form.ScrollBar1->maximum(), 359);
    EXPECT_EQ(form.ScrollBar1->singleStep(), 1);
    EXPECT_EQ(form.ScrollBar1->pageStep(), 1);
    EXPECT_TRUE(form.Memo1->text().isEmpty());
    EXPECT_TRUE(form.Image1->picture().isNull());
    EXPECT_EQ(form.OpenDialog1->filter(), QStringLiteral("Bitmap-Dateien|*.BMP"));
    EXPECT_EQ(form.font().family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(form.font().pixelSize(), 11);
    EXPECT_EQ(form.Memo1->font().family(), QStringLiteral("MS Sans Serif"));
}

TEST(MainWindowLayout, FocusStartsOnOpenTerrainAndTabFollowsTheStoredOrder)
{
    TForm1 form;
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(QApplication::focusWidget(), form.OpenTerrain);

    const std::vector<QWidget *> expected = {form.Memo1,    form.rg->button(0), form.Button1,    form.Button2,
                                             form.ef_coord, form.se_scale,      form.ScrollBar1, form.CheckBox1,
                                             form.ef_angle, form.CellGrid1,     form.OpenTerrain};
    for (QWidget *next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), form.CellGrid1);
}

TEST(MainWindowLayout, ScrollsItsContentWhenSmallerThanTheControls)
{
    TForm1 form;
    form.show();
    form.resize(600, 400);
    QApplication::processEvents();
    EXPECT_TRUE(form.scrollArea().horizontalScrollBar()->isVisible());
    EXPECT_TRUE(form.scrollArea().verticalScrollBar()->isVisible());
    EXPECT_EQ(form.Button2->geometry(), QRect(760, 544, 75, 25));

    form.resize(835, 569);
    QApplication::processEvents();
    EXPECT_FALSE(form.scrollArea().horizontalScrollBar()->isVisible());
    EXPECT_FALSE(form.scrollArea().verticalScrollBar()->isVisible());
}
