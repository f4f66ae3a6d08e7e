#include "app/commandline.h"
#include "app/modlunaria.h"
#include "app/translations.h"
#include "app/version.h"
#include "calendar/holidays/holidays.h"
#include "calendar/ical/icsreader.h"
#include "calendar/marksources.h"
#include "devices/printers.h"
#include "sources/credentials.h"
#include "sources/networkfetcher.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>


namespace {
QtMessageHandler qtHandler = nullptr;

// On a machine without a desktop session Qt warns that XDG_RUNTIME_DIR is unset; the
// command line does not need that folder, and the line would read like a failure.
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.contains(QLatin1String("XDG_RUNTIME_DIR")))
        return;
    qtHandler(type, context, message);
}
}

int main(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    if (wantsCommandLine(arguments)) {
        // Printing needs no window: without a display, draw offscreen.
        if (!haveDisplay())
            qputenv("QT_QPA_PLATFORM", "offscreen");
        qtHandler = qInstallMessageHandler(quietHandler);
        // No widgets on the command line: the lighter application starts faster.
        QGuiApplication app(argc, argv);
        QGuiApplication::setApplicationName(QStringLiteral("lunaria"));
        QGuiApplication::setApplicationVersion(QStringLiteral(LUNARIA_VERSION));
        const Translators translations = installTranslations(app);
        QTextStream out(stdout);
        QTextStream err(stderr);
        Printers printers;
        const HolidayCatalog holidays;
        // Calendar addresses are fetched with the credentials of ~/.netrc or the environment,
        // and kept in the user's cache folder.
        CommandLineCredentials credentials = CommandLineCredentials::fromEnvironment();
        NetworkFetcher fetcher(NetworkOptions::fromEnvironment(), &credentials);
        IcsReader calendars(&fetcher);
        return runCommandLine(arguments, printers, MarkSources{holidays, calendars}, out, err);
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
