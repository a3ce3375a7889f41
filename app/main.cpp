#include "app/Main.h"
#include "app/Units.h"
#include "platform/FormFonts.h"
#include "platform/forms/TApplication.h"

int main(int argc, char **argv)
{
    // Units shut down in reverse order once the window and the application are gone.
    platform::UnitSequence units;
    startUnits(units);

    platform::TApplication application(argc, argv);
    platform::registerFormFonts();
    TForm1 form;
    form.show();
    return application.exec();
}
