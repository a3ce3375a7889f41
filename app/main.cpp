#include "app/Main.h"
#include "grid/GridUnits.h"
#include "platform/FormFonts.h"
#include "platform/ProgramResources.h"
#include "platform/SystemServices.h"
#include "platform/forms/TApplication.h"

#include <QTimer>

#include <exception>
#include <iostream>

int main(int argc, char **argv)
{
    try {
        // The units start before the application and end after the window is gone.
        const TGridUnits units(platform::defaultSystemServices());
        platform::TApplication application(argc, argv);
        platform::registerFormFonts();
        QApplication::setWindowIcon(platform::resourceIcon(QStringLiteral("MAINICON")));
        // Lets desktops match the window to its desktop entry and icon.
        QGuiApplication::setDesktopFileName(QStringLiteral("org.quorinlevelmaker.QuorinLevelMaker"));
        TForm1 form;
        form.show();
        QTimer::singleShot(0, &form, &TForm1::offerEarlierRecords);
        return application.exec();
    } catch (const std::exception &failure) {
        // Nothing can be shown before the application stands; the start stops here.
        std::cerr << failure.what() << '\n';
        return 1;
    }
}
