#include "platform/forms/TApplication.h"

#include <QMessageBox>
#include <gtest/gtest.h>

#include <stdexcept>

using namespace platform;

TEST(TApplication, TitleIsTheProgramNameUpToItsFirstDotWithTheRestLowered)
{
    EXPECT_EQ(applicationTitleFor(QStringLiteral("/opt/QuorinLevelMaker")), QStringLiteral("Quorinlevelmaker"));
    EXPECT_EQ(applicationTitleFor(QStringLiteral("/usr/bin/LEVEL.Tool.exe")), QStringLiteral("Level"));
    EXPECT_EQ(applicationTitleFor(QStringLiteral("/a.b/qlm")), QStringLiteral("qlm"));
    EXPECT_EQ(applicationTitleFor(QStringLiteral("/home/x/.Hidden")), QString());
}

TEST(TApplication, MessageGetsAFullStopOnlyAfterCharactersThatSortAfterIt)
{
    EXPECT_EQ(exceptionMessageText(QStringLiteral("Disk full")), QStringLiteral("Disk full."));
    EXPECT_EQ(exceptionMessageText(QStringLiteral("Done.")), QStringLiteral("Done."));
    EXPECT_EQ(exceptionMessageText(QStringLiteral("Why?")), QStringLiteral("Why?."));
    EXPECT_EQ(exceptionMessageText(QStringLiteral("Error 7")), QStringLiteral("Error 7."));
    // '!', ')' and '-' sort before '.'.
    EXPECT_EQ(exceptionMessageText(QStringLiteral("Stop!")), QStringLiteral("Stop!"));
    EXPECT_EQ(exceptionMessageText(QStringLiteral("(code 5)")), QStringLiteral("(code 5)"));
    EXPECT_EQ(exceptionMessageText(QStringLiteral("a-")), QStringLiteral("a-"));
    EXPECT_EQ(exceptionMessageText(QString()), QString());
}

TEST(TApplication, ExceptionLeavingADeliveryIsShownAndTheLoopGoesOn)
{
    QStringList shown;
    const auto show = [&](const QString &message) { shown << message; };
    EXPECT_FALSE(deliverShowingExceptions([]() -> bool { throw std::runtime_error("Bad file"); }, show));
    EXPECT_FALSE(deliverShowingExceptions([]() -> bool { throw 42; }, show));
    EXPECT_TRUE(deliverShowingExceptions([] { return true; }, show));
    EXPECT_EQ(shown, (QStringList{QStringLiteral("Bad file"), QStringLiteral("Unknown exception")}));
}

TEST(TApplication, ExceptionBoxHasTheErrorIconOkAndTheTitle)
{
    const auto box = exceptionMessageBox(QStringLiteral("Quorinlevelmaker"), QStringLiteral("Bad file"));
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Quorinlevelmaker"));
    EXPECT_EQ(box->text(), QStringLiteral("Bad file."));
}
