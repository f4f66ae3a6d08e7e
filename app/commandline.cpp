#include "app/commandline.h"

#include "app/version.h"
#include "calendar/holidays/holidays.h"
#include "calendar/marksources.h"
#include "calendar/moonphases.h"
#include "control/controlfile.h"
#include "devices/cupsqueue.h"
#include "devices/devicelist.h"
#include "devices/pagefiles.h"
#include "devices/pdfdevice.h"
#include "devices/outputdevices.h"
#include "model/calendarstate.h"
#include "platform/messages.h"
#include "platform/usererror.h"
#include "print/icsexport.h"
#include "print/outputcheck.h"
#include "print/printjob.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QSet>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// The words of the command line in the user's language.
struct CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// Messages the window would show in a box, as lines on standard error naming the file.
class StreamMessages : public MessageService
{
public:
    StreamMessages(QTextStream &err, QString file) : m_err(err), m_file(std::move(file)) {}
    // One stderr line per line of the message, each naming the file, so that the lines of
    // a control file quoted in it stay as they are (and grep finds them).
    void show(const QString &text, const QString &, Icon) override
    {
        for (const QString &line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            m_err << m_file << ": " << line << '\n';
        m_err.flush();
    }

private:
    QTextStream &m_err;
    QString m_file;
};

// Where one control file's page goes: a page file, or (empty) the chosen printer.
struct Target
{
    QString controlFile;
    QString output;
    QString refusal;  // why it is not printed at all, found before any is
};

int usageError(QTextStream &err, const QString &message)
{
    err << "lunaria: " << message << '\n' << CommandLine::tr("Try 'lunaria --help' for more information.") << '\n';
    err.flush();
    return 2;
}

// ".pdf or .png", from the table of page files.
QString writtenExtensions()
{
    QStringList dotted;
    for (const QString &extension : pageFileExtensions())
        dotted << QLatin1Char('.') + extension;
    const QString last = dotted.takeLast();
    return dotted.isEmpty() ? last : CommandLine::tr("%1 or %2").arg(dotted.join(QLatin1String(", ")), last);
}

// Whether `path` names an iCalendar file, which takes the marked days rather than the page.
bool isMarkedDaysFile(const QString &path)
{
    return path.endsWith(QLatin1String(".ics"), Qt::CaseInsensitive);
}

// Decides where each control file's page goes. Returns an error text for arguments that do
// not fit together.
std::optional<QString> planTargets(const QStringList &files, const QString &to, QList<Target> &targets)
{
    if (to.isEmpty()) {
        for (const QString &file : files)
            targets.append({file, QString(), QString()});
        return std::nullopt;
    }
    const QFileInfo info(to);
    if (isMarkedDaysFile(to)) {
        if (files.size() != 1)
            return CommandLine::tr("--to names one .ics file, but %1 control files were given").arg(files.size());
        targets.append({files.first(), to, QString()});
        return std::nullopt;
    }
    // A page file's name is always a file: an existing folder or device of that name is
    // refused when the page is written, never replaced or written into.
    if (isPageFile(to)) {
        if (files.size() != 1)
            return CommandLine::tr("--to names one file, but %1 control files were given; name a folder instead").arg(files.size());
        targets.append({files.first(), to, QString()});
        return std::nullopt;
    }
    if (info.exists() && !info.isDir())
        return CommandLine::tr("--to %1 is neither a %2 file nor a folder").arg(to, writtenExtensions());
    // Any other extension would make a folder of that name, where the user meant a file.
    if (!info.isDir() && !info.suffix().isEmpty())
        return CommandLine::tr("--to %1: pages are written as %2 files (or into a folder), not as .%3")
            .arg(to, writtenExtensions(), info.suffix());
    QSet<QString> used;
    for (const QString &file : files) {
        // Two control files of the same name from different folders each get their own page.
        const QString base = QFileInfo(file).completeBaseName();
        QString name = base + QStringLiteral(".pdf");
        for (int n = 2; used.contains(name); ++n)
            name = QStringLiteral("%1-%2.pdf").arg(base).arg(n);
        used.insert(name);
        targets.append({file, QDir(to).filePath(name), QString()});
    }
    return std::nullopt;
}

// Two control files whose date-list files would have one name (family.2027.txt and
// family.2028.txt both give family_dl.txt): the later one is refused, so that neither list
// silently replaces the other. An export to .ics writes no date-list file.
void refuseSharedDateLists(QList<Target> &targets)
{
    QHash<QString, QString> firstByList;
    for (Target &target : targets) {
        if (isMarkedDaysFile(target.output))
            continue;
        const QString list = QDir::cleanPath(dateListFileName(QFileInfo(target.controlFile).absoluteFilePath()));
        const auto first = firstByList.constFind(list);
        if (first == firstByList.cend()) {
            firstByList.insert(list, target.controlFile);
            continue;
        }
        target.refusal = CommandLine::tr("Not printed: its date-list file %1 is also that of %2, printed before it. "
                                         "Rename one of them so that the part before the first \".\" differs . . .")
                             .arg(QDir::toNativeSeparators(list), *first);
    }
}

// Prints one control file as a fresh calendar, on `printers` or into its page file. Returns
// false when it failed; the reason has been written to `err`.
bool printOne(const Target &target, OutputDevices *printers, const MarkSources &sources, const std::optional<int> &copies,
              const std::optional<Paper> &paper, QDate today, QTextStream &err)
{
    const QString shown = target.controlFile;
    StreamMessages messages(err, shown);
    if (!target.refusal.isEmpty()) {
        messages.show(target.refusal, QString(), MessageService::Icon::Warning);
        return false;
    }
    CalendarState state = loadDefaults(today);
    // The window hands the reader full paths; so does the command line, so that the date-list
    // file lands beside the control file whichever folder the command runs in.
    state.strSelectedFile = QFileInfo(target.controlFile).absoluteFilePath();
    try {
        const ControlFileResult read = ReadControlFile(state, messages, sources);
        if (!read.read)
            return false;
        if (copies)
            state.txtCopies = QString::number(*copies);
        if (paper)
            state.page.paper = *paper;

        // Nothing is written over a file the calendar reads: the page or export, nor the
        // date-list file the page brings.
        const bool exports = isMarkedDaysFile(target.output);
        for (const QString &output : {exports ? QString() : target.output, exports ? QString() : state.strListFile})
            if (const std::optional<QString> problem = overwritesInput(state, output))
                throw UserError(*problem);
        if (target.output.isEmpty()) {
            Q_ASSERT(printers);
            runPrintJob(state, *printers, &messages);
            return true;
        }
        if (!QDir().mkpath(QFileInfo(target.output).absolutePath()))
            throw UserError(CommandLine::tr("The folder of %1 cannot be created . . .").arg(target.output));
        if (exports) {
            writeMarkedDaysFile(state, sources, target.output);
            return true;
        }
        const std::unique_ptr<OutputDevices> device = pageFileDevice(target.output);
        Q_ASSERT(device);
        runPrintJob(state, *device, &messages);
        return true;
    } catch (const UserError &error) {
        messages.show(error.reason(), QString(), MessageService::Icon::Warning);
        return false;
    }
}

// One control file printed into its page file by a worker: whether it printed, what it said
// on the way (shown when its turn comes), or what escaped it.
struct Outcome
{
    bool ok = false;
    QString messages;
    std::exception_ptr escaped;
};

// Pages in flight per core. A page spends part of its time waiting for the disk to take its
// files (fsync); a second page per core fills that time.
constexpr int PagesPerCore = 2;

// Runs work(i) for every i in [0, count) on `workers` threads, and hands each outcome to
// done(i, outcome) on this thread in the order of i, each as soon as it and every one before
// it are finished. When done() throws, no further work starts.
void runInOrder(int count, int workers, const std::function<Outcome(int)> &work,
                const std::function<void(int, Outcome &)> &done)
{
    std::vector<std::optional<Outcome>> outcomes(static_cast<size_t>(count));
    std::mutex mutex;
    std::condition_variable finished;
    std::atomic<int> next{0};
    std::vector<std::jthread> threads;
    for (int w = 0; w < workers; ++w)
        threads.emplace_back([&] {
            for (int i = next++; i < count; i = next++) {
                Outcome outcome = work(i);
                {
                    const std::lock_guard lock(mutex);
                    outcomes[size_t(i)] = std::move(outcome);
                }
                finished.notify_all();
            }
        });
    try {
        for (int i = 0; i < count; ++i) {
            std::unique_lock lock(mutex);
            finished.wait(lock, [&] { return outcomes[size_t(i)].has_value(); });
            Outcome outcome = std::move(*outcomes[size_t(i)]);
            outcomes[size_t(i)].reset();
            lock.unlock();
            done(i, outcome);
        }
    } catch (...) {
        next = count;
        throw;
    }
}

} // namespace

QString iCalendarToOpen(const QStringList &arguments)
{
    // The desktop's "Open With" hands over one file; an option or a control file is the
    // command line's.
    if (arguments.size() != 1 || arguments.front().startsWith(QLatin1Char('-'))
        || !arguments.front().endsWith(QLatin1String(".ics"), Qt::CaseInsensitive))
        return {};
    return QFileInfo(arguments.front()).absoluteFilePath();
}

bool wantsCommandLine(const QStringList &arguments)
{
    return !arguments.isEmpty() && iCalendarToOpen(arguments).isEmpty();
}

bool haveDisplay()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty())
        return true; // the user chose a platform (offscreen, vnc, ...) knowingly
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

bool needsPrinters(const QStringList &arguments)
{
    const auto isOption = [](const QString &argument, QLatin1String name) {
        return argument == name || argument.startsWith(name + QLatin1Char('='));
    };
    bool print = false;
    bool toFile = false;
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--"))
            break;
        if (isOption(argument, QLatin1String("--list-printers")) || isOption(argument, QLatin1String("--printer")))
            return true;
        print = print || argument == QLatin1String("--print");
        toFile = toFile || isOption(argument, QLatin1String("--to"));
    }
    return print && !toFile;
}

int runCommandLine(const QStringList &arguments, OutputDevices &printers, const MarkSources &sources, QTextStream &out,
                   QTextStream &err, QDate today)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(CommandLine::tr(
        "Composes and prints a one-page calendar of a whole year.\n"
        "Without arguments, opens the calendar window; with --print, prints prepared control files without one."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption print(QStringLiteral("print"), CommandLine::tr("Print each control FILE.txt as its own calendar, without a window."));
    const QCommandLineOption to(QStringLiteral("to"),
                                //: %1 is ".pdf or .png"
                                CommandLine::tr("Write the page to PATH instead of a printer: a %1 file for one control "
                                                "file, a folder (one PDF per control file, named after it) for several; "
                                                "or the marked days to an .ics file.")
                                    .arg(writtenExtensions()),
                                CommandLine::tr("PATH"));
    const QCommandLineOption printer(QStringLiteral("printer"), CommandLine::tr("Print on the device NAME (see --list-printers)."),
                                     CommandLine::tr("NAME"));
    const QCommandLineOption copies(QStringLiteral("copies"), CommandLine::tr("Print N copies of each calendar."), QStringLiteral("N"));
    const QCommandLineOption paperOption(
        QStringLiteral("paper"),
        //: The paper names and "printer" are what the option takes; they stay as they are.
        CommandLine::tr("Scale the page to fit paper NAME: Letter, Legal, A4, A3 or A5 (or printer: unscaled, as the "
                        "printer has it). Overrides the files' PAP lines."),
        CommandLine::tr("NAME"));
    const QCommandLineOption list(QStringLiteral("list-printers"),
                                  CommandLine::tr("List the output devices, numbered as the printer chooser numbers them."));
    const QCommandLineOption moonPhases(QStringLiteral("moon-phases"),
                                        CommandLine::tr("List the phases of the Moon in YEAR (%1 to %2), one a line, with the "
                                                        "date and time in this computer's time zone.")
                                            .arg(FirstMoonPhaseYear)
                                            .arg(LastMoonPhaseYear),
                                        CommandLine::tr("YEAR"));
    const QCommandLineOption listRegions(QStringLiteral("list-regions"),
                                         CommandLine::tr("List the countries and regions whose public holidays HOL lines can "
                                                         "mark, one a line: the code, a tab, the name in this computer's "
                                                         "language."));
    parser.addOptions({print, to, printer, copies, paperOption, list, moonPhases, listRegions});
    parser.addPositionalArgument(CommandLine::tr("FILE.txt"), CommandLine::tr("Control files to print with --print."),
                                 CommandLine::tr("[FILE.txt...]"));

    if (!parser.parse(QStringList{QStringLiteral("lunaria")} + arguments))
        return usageError(err, parser.errorText());
    if (parser.isSet(help)) {
        out << parser.helpText() << '\n'
            << CommandLine::tr("Exit status: 0 when every control file printed, 1 when any could not be read or printed (the\n"
                               "others are still printed), 2 for a usage error. Skipped lines of a control file and a picture\n"
                               "that could not be drawn are reported on standard error; they do not change the status, since\n"
                               "the calendar printed without them.")
            << '\n';
        return 0;
    }
    if (parser.isSet(version)) {
        out << "lunaria " LUNARIA_VERSION "\n";
        return 0;
    }
    if (parser.isSet(list)) {
        for (const DeviceEntry &entry : deviceEntries(printers))
            out << entry.text << '\n';
        return 0;
    }

    if (parser.isSet(listRegions)) {
        // Tab-separated, so that a script (or grep) finds a region's code by its name; named in
        // the language of the user's environment (LANG), as the rest of the program speaks.
        for (const auto &[code, name] : sources.holidays.regions(QLocale::system().name()))
            out << code << '\t' << name << '\n';
        return 0;
    }

    if (parser.isSet(moonPhases)) {
        // The phase names stay in English: the list is for scripts as much as for reading.
        if (parser.isSet(print))
            return usageError(err, CommandLine::tr("--moon-phases and --print cannot be used together"));
        const QString text = parser.value(moonPhases);
        const bool digits = !text.isEmpty() && text.size() <= 4
                            && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
        const int year = digits ? text.toInt() : 0;
        if (year < FirstMoonPhaseYear || year > LastMoonPhaseYear)
            return usageError(err, CommandLine::tr("--moon-phases takes a year from %1 to %2, not \"%3\"")
                                       .arg(FirstMoonPhaseYear)
                                       .arg(LastMoonPhaseYear)
                                       .arg(text));
        for (const QString &line : moonPhaseLines(year))
            out << line << '\n';
        return 0;
    }

    const QStringList files = parser.positionalArguments();
    if (!parser.isSet(print))
        return usageError(err, files.isEmpty() ? CommandLine::tr("nothing to do") : CommandLine::tr("control files are printed with --print"));
    if (files.isEmpty())
        return usageError(err, CommandLine::tr("--print needs at least one control file"));
    if (parser.isSet(to) && parser.isSet(printer))
        return usageError(err, CommandLine::tr("--to and --printer cannot be used together"));

    std::optional<int> copyCount;
    if (parser.isSet(copies)) {
        bool ok = false;
        const int n = parser.value(copies).toInt(&ok);
        if (!ok || n < 1 || n > 32767)
            return usageError(err, CommandLine::tr("--copies takes a whole number from 1 to 32767"));
        copyCount = n;
    }
    std::optional<Paper> paper;
    if (parser.isSet(paperOption)) {
        paper = paperFromKey(parser.value(paperOption));
        if (!paper)
            //: The paper names and "printer" are what the option takes; they stay as they are.
            return usageError(err, CommandLine::tr("--paper takes Letter, Legal, A4, A3, A5 or printer, not \"%1\"")
                                       .arg(parser.value(paperOption)));
    }
    if (parser.isSet(printer)) {
        const QString name = parser.value(printer);
        if (!printers.deviceNames().contains(name)) {
            if (const std::optional<QString> problem = printServerProblem()) {
                err << "lunaria: " << CommandLine::tr("no printer can be reached: %1").arg(*problem) << '\n';
                err.flush();
                return 1;
            }
            err << "lunaria: " << CommandLine::tr("there is no printer \"%1\". The devices are:").arg(name) << '\n';
            for (const DeviceEntry &entry : deviceEntries(printers))
                err << entry.text << '\n';
            err.flush();
            return 2;
        }
        printers.setCurrentByName(name);
    }

    QList<Target> targets;
    if (const std::optional<QString> problem = planTargets(files, parser.value(to), targets))
        return usageError(err, *problem);
    refuseSharedDateLists(targets);

    int failed = 0;
    const auto report = [&](int i, bool ok) {
        if (!ok)
            ++failed;
        if (targets.size() > 1) {
            const Target &target = targets[i];
            const QString where = target.output.isEmpty() ? printers.currentName() : target.output;
            const QString line = ok ? QStringLiteral("[%1/%2] %3 -> %4") : CommandLine::tr("[%1/%2] %3 failed, not printed to %4");
            err << line.arg(QString::number(i + 1), QString::number(targets.size()), target.controlFile, where) << '\n';
            err.flush();
        }
    };

    const bool toFiles = !parser.value(to).isEmpty();
    const int workers = std::min(int(targets.size()), std::max(1, QThread::idealThreadCount()) * PagesPerCore);
    if (!toFiles || workers < 2) {
        // Printers take one job at a time, in order; one page file needs no workers.
        for (int i = 0; i < targets.size(); ++i)
            report(i, printOne(targets[i], &printers, sources, copyCount, paper, today, err));
        return failed == 0 ? 0 : 1;
    }

    // Page files are composed side by side, each worker with its own page; what each says is
    // held back and shown in the order of the arguments, as one at a time would show it.
    runInOrder(
        int(targets.size()), workers,
        [&](int i) {
            Outcome outcome;
            QTextStream messages(&outcome.messages);
            try {
                outcome.ok = printOne(targets[i], nullptr, sources, copyCount, paper, today, messages);
            } catch (...) {
                outcome.escaped = std::current_exception();
            }
            messages.flush();
            return outcome;
        },
        [&](int i, Outcome &outcome) {
            err << outcome.messages;
            err.flush();
            if (outcome.escaped)
                std::rethrow_exception(outcome.escaped);
            report(i, outcome.ok);
        });
    return failed == 0 ? 0 : 1;
}
