#include "app/commandline.h"
#include "app/commandlinemain.h"
#include "app/modlunaria.h"
#include "app/translations.h"
#include "app/version.h"
#include "devices/printers.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    if (wantsCommandLine(arguments)) {
        Printers printers;
        return runCommandLineProgram(argc, argv, arguments, printers);
    }

    if (!haveDisplay()) {
        // No window can be made, but the message is said in the user's language all the same.
        QCoreApplication app(argc, argv);
        const Translators translations = installTranslations(app);
        QTextStream(stderr) << "lunaria: "
                            << QCoreApplication::translate("CommandLine",
                                                           "the calendar window needs a desktop, and no display was found "
                                                           "(DISPLAY and WAYLAND_DISPLAY are unset).\n"
                                                           "To print without a window: lunaria --print FILE.txt --to calendar.pdf")
                            << '\n';
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lunaria"));
    QApplication::setApplicationVersion(QStringLiteral(LUNARIA_VERSION));
    const Translators translations = installTranslations(app);
    LunariaServices services;
    services.importAtStart = iCalendarToOpen(arguments);
    modLunaria program(services);
    return app.exec();
}
