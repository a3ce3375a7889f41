#include "app/Main.h"
#include "platform/Colors.h"
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

#include "TestSupport.h"

#include <QApplication>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <string>
#include <utility>

TEST(MainWindowLayout, ControlsLieApartInsideTheWindowAndShowTheirWholeText)
{
    TForm1 form;
    form.show();
    QApplication::processEvents();
    const QRect client = form.clientArea().rect();
    EXPECT_FALSE(form.scrollArea().horizontalScrollBar()->isVisible());
    EXPECT_FALSE(form.scrollArea().verticalScrollBar()->isVisible());

    const QList<QWidget *> controls = form.clientArea().findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(controls.size(), 14);
    for (QWidget *control : controls) {
        const std::string name = control->objectName().toStdString();
        EXPECT_TRUE(control->isVisible()) << name;
        EXPECT_TRUE(client.contains(control->geometry())) << name;
        for (QWidget *other : controls) {
            if (other != control && control != form.Bevel1 && other != form.Bevel1) {
                EXPECT_FALSE(control->geometry().intersects(other->geometry()))
                    << name << " / " << other->objectName().toStdString();
            }
        }
    }
    // The bevel frames the terrain view and nothing else.
    EXPECT_TRUE(form.Bevel1->geometry().adjusted(1, 1, -1, -1).contains(form.Image1->geometry()));
    for (QWidget *control : controls) {
        if (control != form.Image1 && control != form.Bevel1) {
            EXPECT_FALSE(form.Bevel1->geometry().intersects(control->geometry()))
                << control->objectName().toStdString();
        }
    }

    // The designer's lines: controls that start or end a column or a row share that edge.
    using Edge = int (*)(const QWidget *);
    const Edge left = [](const QWidget *w) { return w->x(); };
    const Edge top = [](const QWidget *w) { return w->y(); };
    const Edge right = [](const QWidget *w) { return w->x() + w->width(); };
    const Edge bottom = [](const QWidget *w) { return w->y() + w->height(); };
    const auto lineUp = [](Edge edge, std::initializer_list<QWidget *> line) {
        for (QWidget *control : line)
            EXPECT_EQ(edge(control), edge(*line.begin())) << control->objectName().toStdString();
    };
    lineUp(left, {form.Bevel1, form.ef_coord});
    lineUp(left, {form.rg, form.Memo1});
    lineUp(left, {form.Label1, form.CheckBox1, form.ScrollBar1});
    lineUp(top, {form.Bevel1, form.rg});
    lineUp(top, {form.ef_coord, form.OpenTerrain, form.Button1, form.Button2});
    lineUp(right, {form.Bevel1, form.OpenTerrain});
    lineUp(right, {form.Memo1, form.ScrollBar1});
    lineUp(bottom, {form.Bevel1, form.Memo1});

    const std::pair<QWidget *, QString> captions[] = {
        {form.OpenTerrain, form.OpenTerrain->text()}, {form.Button1, form.Button1->text()},
        {form.Button2, form.Button2->text()},         {form.Label1, form.Label1->text()},
        {form.CheckBox1, form.CheckBox1->text()},     {form.ef_coord, QStringLiteral("X: 5120  Y: 5120")},
        {form.ef_angle, QStringLiteral("359")},
    };
    for (const auto &[control, text] : captions)
        EXPECT_LE(control->fontMetrics().horizontalAdvance(text), control->width()) << text.toStdString();
}

// The terrain view is the 512-pixel square at (16, 16) of the window, inside
// a lowered frame from (8, 8) to (536, 536).
TEST(MainWindowLayout, TheTerrainPictureShowsInsideTheLoweredBevel)
{
    TForm1 form;
    QImage red(600, 600, QImage::Format_RGB32);
    red.fill(Qt::red);
    form.Image1->setPicture({red.copy(0, 0, 512, 512), red.size()});
    form.show();
    QApplication::processEvents();
    const QImage shot = testsupport::grab(form.clientArea());
    const QRgb picture = qRgb(255, 0, 0);
    EXPECT_EQ(shot.pixel(16, 16), picture);
    EXPECT_EQ(shot.pixel(527, 527), picture);
    EXPECT_NE(shot.pixel(15, 272), picture);
    EXPECT_NE(shot.pixel(272, 15), picture);
    EXPECT_NE(shot.pixel(528, 272), picture);
    EXPECT_NE(shot.pixel(272, 528), picture);
    const QRgb shadow = platform::resolveColor(clBtnShadow).rgb();
    const QRgb highlight = platform::resolveColor(clBtnHighlight).rgb();
    for (const QPoint &at : {QPoint(8, 272), QPoint(272, 8), QPoint(8, 8)})
        EXPECT_EQ(shot.pixel(at), shadow) << at.x() << "," << at.y();
    for (const QPoint &at : {QPoint(536, 272), QPoint(272, 536), QPoint(536, 536)})
        EXPECT_EQ(shot.pixel(at), highlight) << at.x() << "," << at.y();
    EXPECT_NE(shot.pixel(9, 272), shadow);
    EXPECT_NE(shot.pixel(535, 272), highlight);

    // The pointer at the window's (46, 56) stands over the view's (30, 40).
    QTest::mouseMove(form.windowHandle(), form.clientArea().mapTo(&form, QPoint(47, 57)));
    QTest::mouseMove(form.windowHandle(), form.clientArea().mapTo(&form, QPoint(46, 56)));
    EXPECT_EQ(form.ef_coord->text(), QStringLiteral("X: 120  Y: 160"));
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
    // The read-only fields show the button face, and follow it when the user's colours change.
    for (const platform::TEdit *field : {form.ef_coord, form.ef_angle})
        EXPECT_EQ(field->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Button));
    const QPalette original = QApplication::palette();
    QPalette changed = original;
    changed.setColor(QPalette::Button, QColor(0x20, 0x40, 0x60));
    QApplication::setPalette(changed);
    QApplication::processEvents();
    for (const platform::TEdit *field : {form.ef_coord, form.ef_angle})
        EXPECT_EQ(field->palette().color(QPalette::Base), QColor(0x20, 0x40, 0x60));
    EXPECT_NE(form.Memo1->palette().color(QPalette::Base), QColor(0x20, 0x40, 0x60));
    QApplication::setPalette(original);
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
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Quorin-Levelmaker"));
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
