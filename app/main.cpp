#include "platform/FormFonts.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    platform::registerFormFonts();
    QWidget window;
    window.show();
    return app.exec();
}
