#include "app/Main.h"
#include "platform/controls/TButton.h"
#include "platform/controls/TCheckBox.h"
#include "platform/controls/TEdit.h"
#include "platform/controls/TFileDialog.h"
#include "platform/controls/TImage.h"
#include "platform/controls/TMemo.h"
#include "platform/controls/TRadioGroup.h"
#include "platform/controls/TScrollBar.h"
#include "platform/controls/TSpinEdit.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The main window, shown and active, driven with real input events.
class LevelEditorWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        scaledCursor() = ScaledCursor{};
        form.show();
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    void TearDown() override { QLocale::setDefault(originalLocale); }

    // The pointer comes from a neighbouring pixel: motion to where it already is reports nothing.
    void moveOverView(int x, int y)
    {
        QTest::mouseMove(form.Image1, QPoint(x + 1, y));
        QTest::mouseMove(form.Image1, QPoint(x, y));
    }
    void clickView(int x, int y) { QTest::mouseClick(form.Image1, Qt::LeftButton, {}, QPoint(x, y)); }

    void typeScale(const QString &text)
    {
        QTest::mouseClick(form.se_scale, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::keyClick(form.se_scale, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(form.se_scale, Qt::Key_Delete);
        QTest::keyClicks(form.se_scale, text);
    }

    void setAngleByKeys(int angle)
    {
        form.ScrollBar1->setFocus(Qt::TabFocusReason);
        QTest::keyClick(form.ScrollBar1, Qt::Key_Home);
        for (int i = 0; i < angle; ++i)
            QTest::keyClick(form.ScrollBar1, Qt::Key_Right);
    }

    const QLocale originalLocale;
    TForm1 form;
};

QString crlf(std::initializer_list<const char *> lines)
{
    QString text;
    for (const char *line : lines)
        text += QString::fromLatin1(line) + QStringLiteral("\r\n");
    return text;
}

} // namespace

TEST_F(LevelEditorWindowTest, MovePickAngleAndClickAppendRecords)
{
    clickView(30, 40);
    EXPECT_EQ(form.Memo1->text(), crlf({"pos=0,2,0", "rot=0,0.0000,0"}));
    QTest::mouseClick(form.Button1, Qt::LeftButton);
    EXPECT_TRUE(form.Memo1->text().isEmpty());

    moveOverView(30, 40);
    EXPECT_EQ(form.ef_coord->text(), QStringLiteral("X: 120  Y: 160"));
    QTest::mouseClick(form.rg->button(1), Qt::LeftButton);
    EXPECT_EQ(form.rg->itemIndex(), 1);
    setAngleByKeys(90);
    EXPECT_EQ(form.ef_angle->text(), QStringLiteral("90"));
    clickView(30, 40);
    clickView(30, 40);
    EXPECT_EQ(form.Memo1->text(), crlf({"type=bubbles", "pos=120,2,160", "rot=0,0.1571,0", "type=bubbles",
                                        "pos=120,2,160", "rot=0,0.1571,0"}));

    // "Clear" leaves the coordinate, angle and kind as they are.
    QTest::mouseClick(form.Button1, Qt::LeftButton);
    EXPECT_TRUE(form.Memo1->text().isEmpty());
    QTest::mouseClick(form.rg->button(0), Qt::LeftButton);
    QTest::mouseDClick(form.windowHandle(), Qt::LeftButton, {}, form.Image1->mapTo(&form, QPoint(30, 40)));
    EXPECT_EQ(form.Memo1->text(), crlf({"pos=120,2,160", "rot=0,0.1571,0"}));
}

TEST_F(LevelEditorWindowTest, ClearAndEachRecordAreOneUndoStep)
{
    QTest::mouseClick(form.Memo1->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::keyClicks(form.Memo1, QStringLiteral("level 1"));
    clickView(1, 1);
    QTest::mouseClick(form.rg->button(2), Qt::LeftButton);
    clickView(2, 2);
    const QString full = form.Memo1->text();

    QTest::mouseClick(form.Button1, Qt::LeftButton);
    EXPECT_TRUE(form.Memo1->text().isEmpty());
    QTest::keyClick(form.Memo1, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form.Memo1->text(), full);

    QTest::keyClick(form.Memo1, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form.Memo1->text(), QStringLiteral("level 1\r\npos=0,2,0\r\nrot=0,0.0000,0"));
    QTest::keyClick(form.Memo1, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form.Memo1->text(), QStringLiteral("level 1"));
    QTest::keyClick(form.Memo1, Qt::Key_Z, Qt::ShiftModifier | Qt::ControlModifier);
    QTest::keyClick(form.Memo1, Qt::Key_Z, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(form.Memo1->text(), full);
}

TEST_F(LevelEditorWindowTest, AngleKeysUpdateTheAngleField)
{
    form.ScrollBar1->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form.ScrollBar1, Qt::Key_End);
    EXPECT_EQ(form.ef_angle->text(), QStringLiteral("359"));
    clickView(1, 1);
    EXPECT_TRUE(form.Memo1->text().endsWith(QStringLiteral("rot=0,0.6266,0\r\n")));
    QTest::keyClick(form.ScrollBar1, Qt::Key_Left);
    EXPECT_EQ(form.ef_angle->text(), QStringLiteral("358"));
    QTest::keyClick(form.ScrollBar1, Qt::Key_Home);
    EXPECT_EQ(form.ef_angle->text(), QStringLiteral("0"));
}

TEST_F(LevelEditorWindowTest, TypedScaleCountsUntilTheFieldIsLeft)
{
    moveOverView(10, 10);
    EXPECT_EQ(form.ef_coord->text(), QStringLiteral("X: 40  Y: 40"));
    typeScale(QStringLiteral("50"));
    // A new factor alone changes nothing shown or stored.
    EXPECT_EQ(form.ef_coord->text(), QStringLiteral("X: 40  Y: 40"));
    clickView(10, 10);
    EXPECT_EQ(form.Memo1->text(), crlf({"pos=40,2,40", "rot=0,0.0000,0"}));
    moveOverView(10, 10);
    EXPECT_EQ(form.ef_coord->text(), QStringLiteral("X: 500  Y: 500"));
    QTest::keyClick(form.se_scale, Qt::Key_Tab);
    EXPECT_EQ(form.se_scale->text(), QStringLiteral("10"));

    typeScale(QString());
    moveOverView(10, 10);
    EXPECT_EQ(form.ef_coord->text(), QStringLiteral("X: 10  Y: 10"));
    QTest::keyClick(form.se_scale, Qt::Key_Tab);
    EXPECT_TRUE(form.se_scale->text().isEmpty());

    typeScale(QStringLiteral("-"));
    moveOverView(10, 10);
    EXPECT_EQ(form.ef_coord->text(), QStringLiteral("X: 10  Y: 10"));

    // A factor large enough to wrap the 32-bit product.
    typeScale(QStringLiteral("2147483647"));
    moveOverView(2, 3);
    EXPECT_EQ(form.ef_coord->text(), QStringLiteral("X: -2  Y: 2147483645"));
}

TEST_F(LevelEditorWindowTest, DraggingPastTheEdgeGivesNegativeCoordinatesAndNoClick)
{
    QTest::mousePress(form.Image1, Qt::LeftButton, {}, QPoint(5, 40));
    QTest::mouseMove(form.Image1, QPoint(-10, 40));
    EXPECT_EQ(form.ef_coord->text(), QStringLiteral("X: -40  Y: 160"));
    QTest::mouseRelease(form.Image1, Qt::LeftButton, {}, QPoint(-10, 40));
    EXPECT_TRUE(form.Memo1->text().isEmpty());
    QTest::mouseClick(form.rg->button(1), Qt::LeftButton);
    QTest::mouseClick(form.CheckBox1, Qt::LeftButton);
    clickView(200, 200);
    EXPECT_EQ(form.Memo1->text(), crlf({"type=bubbles", "pos=-40,2,160", "rot=0,0.0000,0"}));
}

TEST_F(LevelEditorWindowTest, RecordAfterTypedTextStartsOnANewLine)
{
    QTest::mouseClick(form.Memo1->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::keyClicks(form.Memo1, QStringLiteral("level 1"));
    QTest::keyClick(form.Memo1, Qt::Key_Return);
    QTest::keyClicks(form.Memo1, QStringLiteral("start"));
    clickView(0, 0);
    clickView(0, 0);
    EXPECT_EQ(form.Memo1->text(),
              QStringLiteral("level 1\r\nstart\r\npos=0,2,0\r\nrot=0,0.0000,0\r\npos=0,2,0\r\nrot=0,0.0000,0"));
}

TEST_F(LevelEditorWindowTest, DecimalSeparatorIsReadWhenTheRecordIsFormed)
{
    setAngleByKeys(90);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    clickView(0, 0);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    clickView(0, 0);
    const QLocale arabic(QLocale::Arabic, QLocale::Egypt);
    QLocale::setDefault(arabic);
    clickView(0, 0);
    const QString other = QStringLiteral("rot=0,0") + arabic.decimalPoint() + QStringLiteral("1571,0");
    EXPECT_EQ(form.Memo1->text(), crlf({"pos=0,2,0", "rot=0,0.1571,0", "pos=0,2,0", "rot=0,0.1571,0", "pos=0,2,0"})
                                      + other + QStringLiteral("\r\n"));
}

TEST_F(LevelEditorWindowTest, OpeningPicturesKeepsTheOldOneOnEveryFailure)
{
    QTemporaryDir dir;
    QImage terrain(7, 5, QImage::Format_RGB32);
    terrain.fill(QColor(20, 90, 160));
    const QString bitmap = dir.filePath(QStringLiteral("TERRAIN.BMP"));
    ASSERT_TRUE(terrain.save(bitmap, "BMP"));
    const QString icon = dir.filePath(QStringLiteral("marker.ico"));
    ASSERT_TRUE(QImage(16, 16, QImage::Format_ARGB32).save(icon, "ICO"));
    const QString png = dir.filePath(QStringLiteral("terrain.png"));
    ASSERT_TRUE(terrain.save(png, "PNG"));
    const QString truncated = dir.filePath(QStringLiteral("cut.bmp"));
    QFile::copy(bitmap, truncated);
    QFile(truncated).resize(QFile(bitmap).size() - 10);

    QString answer;
    QStringList offered;
    form.OpenDialog1->setPresenter([&](QFileDialog &dialog) {
        EXPECT_EQ(dialog.nameFilters(), QStringList{QStringLiteral("Bitmap-Dateien (*.BMP)")});
        EXPECT_EQ(dialog.fileMode(), QFileDialog::AnyFile);
        EXPECT_TRUE(dialog.defaultSuffix().isEmpty());
        offered << dialog.selectedFiles().value(0);
        if (answer.isEmpty())
            return false;
        dialog.selectFile(answer);
        return true;
    });
    const auto open = [&](const QString &path) {
        answer = path;
        QTest::mouseClick(form.OpenTerrain, Qt::LeftButton);
    };

    // The first opening starts in the program's folder, not the working one.
    const QString working = QDir::currentPath();
    QDir::setCurrent(dir.path());
    open(bitmap);
    QDir::setCurrent(working);
    ASSERT_EQ(form.Image1->picture().size(), QSize(7, 5));
    EXPECT_EQ(form.Image1->picture().pixelColor(6, 4), QColor(20, 90, 160));
    EXPECT_EQ(offered.value(0), QApplication::applicationDirPath());

    open(icon);
    EXPECT_EQ(form.Image1->picture().size(), QSize(16, 16));
    open(bitmap);
    for (const QString &bad : {png, dir.filePath(QStringLiteral("missing.bmp")), truncated}) {
        open(bad);
        EXPECT_EQ(form.Image1->picture().size(), QSize(7, 5)) << bad.toStdString();
    }

    // Cancelling keeps the picture, and the last chosen name is offered again.
    open(QString());
    open(QString());
    EXPECT_EQ(form.Image1->picture().size(), QSize(7, 5));
    EXPECT_EQ(offered.back(), truncated);
    EXPECT_EQ(form.OpenDialog1->fileName(), truncated);
}
