#include "app/commandlinemain.h"

#include "app/commandline.h"
#include "app/translations.h"
#include "app/version.h"
#include "calendar/holidays/holidays.h"
#include "calendar/ical/icsreader.h"
#include "calendar/marksources.h"
#include "sources/credentials.h"
#include "sources/networkfetcher.h"

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
} // namespace

int runCommandLineProgram(int &argc, char **argv, const QStringList &arguments, OutputDevices &devices)
{
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
    const HolidayCatalog holidays;
    CommandLineCredentials credentials = CommandLineCredentials::fromEnvironment();
    NetworkFetcher fetcher(NetworkOptions::fromEnvironment(), &credentials);
    IcsReader calendars(&fetcher);
    return runCommandLine(arguments, devices, MarkSources{holidays, calendars}, out, err);
}
