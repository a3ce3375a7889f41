#include "TestSupport.h"
#include "app/Main.h"
#include "app/UnsavedRecordsFile.h"
#include "platform/controls/TButton.h"
#include "platform/controls/TImage.h"
#include "platform/controls/TMemo.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>
#include <iostream>
#include <thread>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
}

class UnsavedRecordsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form.show();
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    void click(int x, int y) { QTest::mouseClick(form.Image1, Qt::LeftButton, {}, QPoint(x, y)); }
    void type(const QString &text)
    {
        form.Memo1->setFocus();
        testsupport::typeCharacters(form.Memo1, text);
    }
    QByteArray onDisk() const { return contents(form.unsavedRecordsPath()); }
    QByteArray shown() const { return form.Memo1->text().toUtf8(); }
    // Typing reaches the file within a second.
    bool onDiskWithinASecond(const QByteArray &expected) const
    {
        return QTest::qWaitFor([&] { return onDisk() == expected; }, 1000);
    }

    TForm1 form;
};

} // namespace

TEST_F(UnsavedRecordsTest, RecordsReachTheFileAtOnceOtherChangesWithinASecond)
{
    EXPECT_FALSE(QFile::exists(form.unsavedRecordsPath()));
    click(1, 2);
    EXPECT_EQ(onDisk(), shown());
    EXPECT_TRUE(form.unsavedRecordsPath().startsWith(unsavedRecordsFolder()));

    type(QStringLiteral("R\u00e4tsel \u6c34"));
    EXPECT_TRUE(onDiskWithinASecond(shown())) << onDisk().constData();
    click(3, 4);
    EXPECT_EQ(onDisk(), shown());
    click(5, 6);
    EXPECT_EQ(onDisk(), shown());

    // An empty text has no file; undoing "Clear" brings both back.
    const QByteArray before = shown();
    QTest::mouseClick(form.Button1, Qt::LeftButton);
    EXPECT_TRUE(onDiskWithinASecond("<no file>"));
    QTest::keyClick(form.Memo1, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(shown(), before);
    EXPECT_TRUE(onDiskWithinASecond(before));
    click(7, 8);
    EXPECT_EQ(onDisk(), shown());
}

namespace {

// Started as a child process by the kill test: drives a main window as the
// scenario in QLM_CHILD_SCENARIO says, prints the text it then holds and
// waits to be killed.
TEST(UnsavedRecordsChild, DISABLED_DriveThenWaitToBeKilled)
{
    TForm1 form;
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    const auto click = [&](int x, int y) { QTest::mouseClick(form.Image1, Qt::LeftButton, {}, QPoint(x, y)); };
    form.Memo1->setFocus();
    if (qgetenv("QLM_CHILD_SCENARIO") == "clicks") {
        testsupport::typeCharacters(form.Memo1, QStringLiteral("level 7 \u00fc"));
        QTest::keyClick(form.Memo1, Qt::Key_Return);
        for (int i = 0; i < 3; ++i)
            click(10 * i, 20 * i);
    } else {
        click(1, 1);
        QTest::mouseClick(form.Button1, Qt::LeftButton);
        QTest::keyClick(form.Memo1, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClicks(form.Memo1, QStringLiteral("last words"));
        QTest::qWait(1000);
    }
    std::cout << "TEXT " << form.Memo1->text().toUtf8().toHex().constData() << std::endl;
    std::this_thread::sleep_for(std::chrono::seconds(60));
}

// Runs the child scenario in a state folder, kills it with SIGKILL as soon
// as it reports, and returns the text it held then.
QByteArray textWhenKilled(const char *scenario, const QString &stateHome)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_STATE_HOME"), stateHome);
    environment.insert(QStringLiteral("QLM_CHILD_SCENARIO"), QString::fromLatin1(scenario));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_also_run_disabled_tests"),
                 QStringLiteral("--gtest_filter=UnsavedRecordsChild.DISABLED_DriveThenWaitToBeKilled")});
    QByteArray output;
    while (!output.contains("\nTEXT ") || !output.endsWith('\n')) {
        if (!child.waitForReadyRead(20000))
            break;
        output += child.readAllStandardOutput();
    }
    ::kill(pid_t(child.processId()), SIGKILL);
    child.waitForFinished();
    const qsizetype start = output.indexOf("\nTEXT ") + 6;
    return QByteArray::fromHex(output.mid(start, output.indexOf('\n', start) - start));
}

} // namespace

TEST(UnsavedRecordsKill, FileHoldsTheTextByteForByteAndAnEarlierRunsFileStays)
{
    const QTemporaryDir stateHome;
    const QDir folder(stateHome.filePath(QStringLiteral("QuorinLevelMaker")));
    ASSERT_TRUE(folder.mkpath(QStringLiteral(".")));
    const QString earlier = folder.filePath(QStringLiteral("unsaved-records-2020-01-01-000000-1.txt"));
    {
        QFile file(earlier);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("pos=1,2,3\r\n");
    }
    for (const char *scenario : {"clicks", "typing"}) {
        const QStringList before = folder.entryList(QDir::Files);
        const QByteArray text = textWhenKilled(scenario, stateHome.path());
        ASSERT_FALSE(text.isEmpty()) << scenario;
        QStringList added = folder.entryList(QDir::Files);
        for (const QString &name : before)
            added.removeOne(name);
        ASSERT_EQ(added.size(), 1) << scenario;
        EXPECT_EQ(contents(folder.filePath(added[0])), text) << scenario;
    }
    EXPECT_EQ(contents(earlier), QByteArray("pos=1,2,3\r\n"));
}
