#include "app/commandline.h"

#include "app/version.h"
#include "devices/devicelist.h"
#include "devices/pdfdevice.h"

#include "control/controlfile.h"
#include "model/calendarstate.h"
#include "devices/imagefiledevice.h"
#include "platform/messages.h"
#include "devices/printers.h"
#include "platform/usererror.h"
#include "print/printjob.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTextStream>

namespace {

// Messages the window would show in a box, as lines on standard error naming the file.
class StreamMessages : public MessageService
{
public:
    StreamMessages(QTextStream &err, QString file) : m_err(err), m_file(std::move(file)) {}
    void show(const QString &text, const QString &, Icon) override
    {
        m_err << m_file << ": " << text.split(QLatin1Char('\n'), Qt::SkipEmptyParts).join(QLatin1Char(' ')).simplified()
              << '\n';
        m_err.flush();
    }

private:
    QTextStream &m_err;
    QString m_file;
};

// Where one control file's page goes: a PDF or PNG file, or (empty) the chosen printer.
struct Target
{
    QString controlFile;
    QString output;
};

int usageError(QTextStream &err, const QString &message)
{
    err << "lunaria: " << message << "\nTry 'lunaria --help' for more information.\n";
    err.flush();
    return 2;
}

bool isPageFile(const QString &path)
{
    return path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive) || path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive);
}

// Decides where each control file's page goes. Returns an error text for arguments that do
// not fit together.
std::optional<QString> planTargets(const QStringList &files, const QString &to, QList<Target> &targets)
{
    if (to.isEmpty()) {
        for (const QString &file : files)
            targets.append({file, QString()});
        return std::nullopt;
    }
    if (files.size() == 1 && isPageFile(to)) {
        targets.append({files.first(), to});
        return std::nullopt;
    }
    if (isPageFile(to))
        return QStringLiteral("--to names one file, but %1 control files were given; name a folder instead").arg(files.size());
    if (QFileInfo(to).exists() && !QFileInfo(to).isDir())
        return QStringLiteral("--to %1 is neither a .pdf or .png file nor a folder").arg(to);
    QSet<QString> used;
    for (const QString &file : files) {
        // Two control files of the same name from different folders each get their own page.
        const QString base = QFileInfo(file).completeBaseName();
        QString name = base + QStringLiteral(".pdf");
        for (int n = 2; used.contains(name); ++n)
            name = QStringLiteral("%1-%2.pdf").arg(base).arg(n);
        used.insert(name);
        targets.append({file, QDir(to).filePath(name)});
    }
    return std::nullopt;
}

// Prints one control file as a fresh calendar. Returns false when it failed; the reason has
// been written to `err`.
bool printOne(const Target &target, Printers &printers, const std::optional<int> &copies,
              const std::optional<Paper> &paper, QDate today, QTextStream &err)
{
    const QString shown = target.controlFile;
    StreamMessages messages(err, shown);
    CalendarState state = loadDefaults(today);
    // The window hands the reader full paths; so does the command line, so that the date-list
    // file lands beside the control file whichever folder the command runs in.
    state.strSelectedFile = QFileInfo(target.controlFile).absoluteFilePath();
    try {
        const ControlFileResult read = ReadControlFile(state, messages);
        if (!read.read)
            return false;
        if (copies)
            state.txtCopies = QString::number(*copies);
        if (paper)
            state.page.paper = *paper;

        if (target.output.isEmpty()) {
            runPrintJob(state, printers, &messages);
            return true;
        }
        if (!QDir().mkpath(QFileInfo(target.output).absolutePath()))
            throw UserError(QStringLiteral("The folder of %1 cannot be created . . .").arg(target.output));
        if (target.output.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) {
            ImageFileDevice device(target.output);
            runPrintJob(state, device, &messages);
        } else {
            printers.setPdfPath(target.output);
            printers.setCurrentByName(PdfDeviceName);
            runPrintJob(state, printers, &messages);
        }
        return true;
    } catch (const UserError &error) {
        messages.show(error.reason(), QString(), MessageService::Icon::Warning);
        return false;
    }
}

} // namespace

bool wantsCommandLine(const QStringList &arguments)
{
    return !arguments.isEmpty();
}

int runCommandLine(const QStringList &arguments, Printers &printers, QTextStream &out, QTextStream &err, QDate today)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Composes and prints a one-page calendar of a whole year.\n"
        "Without arguments, opens the calendar window; with --print, prints prepared control files without one."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption print(QStringLiteral("print"), QStringLiteral("Print each control FILE.txt as its own calendar, without a window."));
    const QCommandLineOption to(QStringLiteral("to"),
                                QStringLiteral("Write the page to PATH instead of a printer: a .pdf or .png file for one control "
                                               "file, a folder (one PDF per control file, named after it) for several."),
                                QStringLiteral("PATH"));
    const QCommandLineOption printer(QStringLiteral("printer"), QStringLiteral("Print on the device NAME (see --list-printers)."),
                                     QStringLiteral("NAME"));
    const QCommandLineOption copies(QStringLiteral("copies"), QStringLiteral("Print N copies of each calendar."), QStringLiteral("N"));
    const QCommandLineOption paperOption(
        QStringLiteral("paper"),
        QStringLiteral("Scale the page to fit paper NAME: Letter, Legal, A4, A3 or A5 (or printer: unscaled, as the "
                       "printer has it). Overrides the files' PAP lines."),
        QStringLiteral("NAME"));
    const QCommandLineOption list(QStringLiteral("list-printers"),
                                  QStringLiteral("List the output devices, numbered as the printer chooser numbers them."));
    parser.addOptions({print, to, printer, copies, paperOption, list});
    parser.addPositionalArgument(QStringLiteral("FILE.txt"), QStringLiteral("Control files to print with --print."),
                                 QStringLiteral("[FILE.txt...]"));

    if (!parser.parse(QStringList{QStringLiteral("lunaria")} + arguments))
        return usageError(err, parser.errorText());
    if (parser.isSet(help)) {
        out << parser.helpText();
        return 0;
    }
    if (parser.isSet(version)) {
        out << "lunaria " LUNARIA_VERSION "\n";
        return 0;
    }
    if (parser.isSet(list)) {
        const QStringList names = printers.deviceNames();
        for (int i = 0; i < names.size(); ++i)
            out << printerEntry(i + 1, names[i]) << '\n';
        return 0;
    }

    const QStringList files = parser.positionalArguments();
    if (!parser.isSet(print))
        return usageError(err, files.isEmpty() ? QStringLiteral("nothing to do") : QStringLiteral("control files are printed with --print"));
    if (files.isEmpty())
        return usageError(err, QStringLiteral("--print needs at least one control file"));
    if (parser.isSet(to) && parser.isSet(printer))
        return usageError(err, QStringLiteral("--to and --printer cannot be used together"));

    std::optional<int> copyCount;
    if (parser.isSet(copies)) {
        bool ok = false;
        const int n = parser.value(copies).toInt(&ok);
        if (!ok || n < 1 || n > 32767)
            return usageError(err, QStringLiteral("--copies takes a whole number from 1 to 32767"));
        copyCount = n;
    }
    std::optional<Paper> paper;
    if (parser.isSet(paperOption)) {
        paper = paperFromKey(parser.value(paperOption));
        if (!paper)
            return usageError(err, QStringLiteral("--paper takes Letter, Legal, A4, A3, A5 or printer, not \"%1\"")
                                       .arg(parser.value(paperOption)));
    }
    if (parser.isSet(printer)) {
        const QString name = parser.value(printer);
        const QStringList names = printers.deviceNames();
        if (!names.contains(name)) {
            err << "lunaria: there is no printer \"" << name << "\". The devices are:\n";
            for (int i = 0; i < names.size(); ++i)
                err << printerEntry(i + 1, names[i]) << '\n';
            err.flush();
            return 2;
        }
        printers.setCurrentByName(name);
    }

    QList<Target> targets;
    if (const std::optional<QString> problem = planTargets(files, parser.value(to), targets))
        return usageError(err, *problem);

    int failed = 0;
    for (int i = 0; i < targets.size(); ++i) {
        const Target &target = targets[i];
        const bool ok = printOne(target, printers, copyCount, paper, today, err);
        if (!ok)
            ++failed;
        if (targets.size() > 1) {
            const QString where = target.output.isEmpty() ? printers.currentName() : target.output;
            err << '[' << (i + 1) << '/' << targets.size() << "] " << target.controlFile << (ok ? " -> " : " failed, not printed to ")
                << where << '\n';
            err.flush();
        }
    }
    return failed == 0 ? 0 : 1;
}
