#include "app/modlunaria.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    if (!haveDisplay()) {
        std::fputs("lunaria: the calendar window needs a desktop, and no display was found "
                   "(DISPLAY and WAYLAND_DISPLAY are unset).\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lunaria"));
    QApplication::setApplicationVersion(QStringLiteral("3.0"));
    modLunaria program;
    return app.exec();
}
