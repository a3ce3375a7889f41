// qlm-picture FILE OUT.png: loads FILE as the terrain view does, writes what
// the view shows of it to OUT.png and prints the picture's own size as
// WIDTHxHEIGHT. Exits 1 and writes nothing when the view would keep its old
// picture.
#include "platform/pictures/PictureLoader.h"

#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

int main(int argc, char **argv)
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 3) {
        QTextStream(stderr) << "usage: qlm-picture FILE OUT.png\n";
        return 2;
    }
    // The terrain view's size.
    const QSize viewSize(512, 512);
    const std::optional<platform::LoadedPicture> picture = platform::loadPicture(arguments.at(1), viewSize);
    if (!picture)
        return 1;
    if (!picture->shown.save(arguments.at(2), "PNG"))
        return 2;
    QTextStream(stdout) << picture->size.width() << 'x' << picture->size.height() << '\n';
    return 0;
}
