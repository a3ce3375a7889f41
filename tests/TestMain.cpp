#include "TestSupport.h"
#include "platform/FormFonts.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // Tests never need a display; gtest_discover_tests also runs us at build time.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(testsupport::fixedPalette());
    platform::registerFormFonts();
    testsupport::failUnansweredMessageBoxes();
    return RUN_ALL_TESTS();
}
