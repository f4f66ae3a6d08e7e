#include "devices/printers.h"

#include "devices/cupsqueue.h"
#include "devices/paper.h"
#include "devices/pdfdevice.h"
#include "platform/usererror.h"
#include "render/qpainterpagesurface.h"

#include <QCoreApplication>
#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <algorithm>

namespace {

// Why a printer cannot take the page, in the user's language.
struct PrinterWords
{
    Q_DECLARE_TR_FUNCTIONS(Devices)
};

// A server's sentence inside ours: without its closing full stop.
QString serverWords(QString text)
{
    text = text.trimmed();
    while (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

// Throws the reason `queue` in `state` cannot print `copies` copies of a page now.
void checkQueue(const QString &queue, const QueueState &state, int copies)
{
    switch (state.kind) {
    case QueueState::Kind::Unreachable:
        throw UserError(PrinterWords::tr("No printer can be reached: %1 . . .").arg(state.reason));
    case QueueState::Kind::Missing:
        throw UserError(PrinterWords::tr("The printer \"%1\" is no longer installed (the print server says: %2). Choose another "
                                         "device with \"Select Printer\" . . .")
                            .arg(queue, serverWords(state.reason)));
    case QueueState::Kind::NotAccepting:
        throw UserError(PrinterWords::tr("The printer \"%1\" is not accepting jobs%2. Choose another device, or try again "
                                         "when it is ready . . .")
                            .arg(queue, state.reason.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(serverWords(state.reason))));
    case QueueState::Kind::Accepting:
        break;
    }
    if (state.maxCopies > 0 && copies > state.maxCopies)
        throw UserError(PrinterWords::tr("The printer \"%1\" prints at most %2 copies of a page in one job, not %3 . . .")
                            .arg(queue)
                            .arg(state.maxCopies)
                            .arg(copies));
}

QByteArray sidesOption(QPrinter::DuplexMode duplex)
{
    switch (duplex) {
    case QPrinter::DuplexNone: return "one-sided";
    case QPrinter::DuplexShortSide: return "two-sided-short-edge";
    case QPrinter::DuplexAuto:       // the page is portrait
    case QPrinter::DuplexLongSide: return "two-sided-long-edge";
    }
    return "one-sided";
}

// Qt's printer engine sends a page to CUPS itself and never says whether the server took it.
// So the page goes to a temporary file through Qt's engine (the printer's page size,
// margins and resolution as before), and the job goes to the server from here, which
// answers with the new job's id or its reason for refusing it.
class PrinterJob : public OutputJob
{
public:
    explicit PrinterJob(const QPrinterInfo &info)
        : m_info(info)
        , m_queue(info.printerName())
        , m_spool(QDir::tempPath() + QStringLiteral("/lunaria-XXXXXX.job"))
    {
        if (!m_spool.open())
            throw UserError(PrinterWords::tr("The page for the printer \"%1\" cannot be prepared in the folder \"%2\" (%3) . . .")
                                .arg(m_queue, QDir::toNativeSeparators(QDir::tempPath()), m_spool.errorString()));
        m_printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        // Qt quietly falls back to the default printer for a name it does not know.
        if (!m_printer->isValid() || m_printer->printerName() != info.printerName())
            throw UserError(PrinterWords::tr("The printer \"%1\" cannot be used . . .").arg(info.printerName()));
        m_printer->setDocName(JobTitle);
        m_printer->setCreator(QStringLiteral("Lunaria"));
        // A file name not ending in .pdf keeps the printer's engine rather than the plain PDF one.
        m_printer->setOutputFileName(m_spool.fileName());
        // The page is a colour document. Qt starts a queue whose driver declares no colour
        // in grey, which would turn the five mark colours into greys; a printer that can only
        // print grey still does so.
        m_printer->setColorMode(QPrinter::Color);
        m_surface = std::make_unique<QPainterPageSurface>(*m_printer, info.printerName());
    }

    PageSurface &page() override { return *m_surface; }

    bool applyDeviceRule() override
    {
        // A CUPS queue name holds no blanks; the name people see is the queue's description.
        if (!wantsLongEdgeDuplex(m_printer->printerName()) && !wantsLongEdgeDuplex(m_info.description()))
            return false;
        m_printer->setDuplex(QPrinter::DuplexLongSide);
        return true;
    }

    std::optional<QString> setPaper(Paper paper, const QSizeF &pageTwips) override
    {
        const std::optional<QPageSize> wanted = pageSizeOf(paper);
        if (!wanted)
            return std::nullopt;
        const QPageSize used = nearestPageSize(*wanted, m_info.supportedPageSizes());
        std::optional<QString> note;
        if (!m_printer->setPageSize(used))
            note = PrinterWords::tr("The printer \"%1\" did not take %2 paper; the calendar is scaled to the paper it has.")
                       .arg(m_queue, wanted->name());
        else if (!used.isEquivalentTo(*wanted))
            note = PrinterWords::tr("The printer \"%1\" has no %2 paper; the calendar is printed on %3, the nearest size "
                                    "it has, scaled to fit.")
                       .arg(m_queue, wanted->name(), used.name());
        m_surface->fitPage(pageTwips);
        return note;
    }

    void send() override
    {
        m_surface->endDocument();
        checkSpoolComplete();
        const int copies = m_surface->copies();
        // The queue may have changed while the page was drawn.
        checkQueue(m_queue, queueState(m_queue), copies);
        JobOptions options;
        options.append({"media", m_printer->pageLayout().pageSize().key().toUtf8()});
        if (copies > 1)
            options.append({"copies", QByteArray::number(copies)});
        options.append({"sides", sidesOption(m_printer->duplex())});
        // The page is a colour document; a queue that can print colour is told so, since
        // some default to grey.
        if (colourSupportOf(m_info.supportedColorModes()) == ColourSupport::Colour)
            options.append({QByteArray("print-color-mode"), QByteArray("color")});
        const SentJob job = sendPdfJob(m_queue, m_spool.fileName(), JobTitle, options);
        if (job.id <= 0)
            throw UserError(PrinterWords::tr("The printer \"%1\" did not take the page: %2. Nothing was printed . . .")
                                .arg(m_queue, serverWords(job.error)));
    }

private:
    inline static const QString JobTitle = QStringLiteral("Lunaria calendar");

    // Qt's PDF engine does not report failed writes: a page cut short (a full temporary
    // folder) lacks the end-of-file marker it writes last.
    void checkSpoolComplete()
    {
        const qint64 size = m_spool.size();
        m_spool.seek(std::max<qint64>(0, size - 32));
        if (size <= 0 || !m_spool.read(32).contains("%%EOF"))
            throw UserError(PrinterWords::tr("The page for the printer \"%1\" could not be written in full to the folder \"%2\" "
                                             "(is the disk full?). Nothing was printed . . .")
                                .arg(m_queue, QDir::toNativeSeparators(QDir::tempPath())));
    }

    QPrinterInfo m_info;
    QString m_queue;
    QTemporaryFile m_spool;                          // goes last, after Qt has closed it
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainterPageSurface> m_surface; // declared last: ends before the printer goes
};

} // namespace

QStringList Printers::installedPrinters()
{
    QStringList names;
    for (const QPrinterInfo &info : QPrinterInfo::availablePrinters())
        names << info.printerName();
    return names;
}

QStringList Printers::deviceNames()
{
    QStringList names = installedPrinters();
    names << PdfDeviceName;
    return names;
}

void Printers::setCurrent(int index)
{
    const QStringList names = deviceNames();
    if (index < 0 || index >= names.size())
        throw UserError(PrinterWords::tr("Device number %1 no longer exists. Open \"Select Printer\" again to see "
                                         "the devices now installed . . .")
                            .arg(index + 1));
    m_chosen = names.at(index);
}

void Printers::setCurrentByName(const QString &name)
{
    const int index = int(deviceNames().indexOf(name));
    if (index < 0)
        throw UserError(PrinterWords::tr("There is no printer named \"%1\" . . .").arg(name));
    m_chosen = name;
}

QString Printers::currentName() const
{
    if (m_chosen)
        return *m_chosen;
    const QString system = QPrinterInfo::defaultPrinterName();
    return system.isEmpty() ? PdfDeviceName : system;
}

QStringList Printers::devicesRefusingJobs()
{
    return queuesNotAcceptingJobs();
}

ColourSupport Printers::colourSupport(int index)
{
    const QStringList names = deviceNames();
    if (index < 0 || index >= names.size())
        return ColourSupport::Unknown;
    if (names.at(index) == PdfDeviceName)
        return ColourSupport::Colour;
    return colourSupportOf(QPrinterInfo::printerInfo(names.at(index)).supportedColorModes());
}

std::unique_ptr<OutputJob> Printers::openJob()
{
    const QString name = currentName();
    if (name == PdfDeviceName) {
        QString path = m_pdfPath;
        if (path.isEmpty()) {
            if (!m_askPdfPath) {
                if (m_chosen)
                    throw UserError(PrinterWords::tr("No file name was given for the PDF file . . ."));
                // The PDF device stands in for a default printer that is not there.
                if (const std::optional<QString> problem = printServerProblem())
                    throw UserError(PrinterWords::tr("No printer can be reached: %1 . . .").arg(*problem));
                throw UserError(PrinterWords::tr("No printer was named and the print server has no default printer . . ."));
            }
            path = m_askPdfPath();
            if (path.isEmpty())
                return nullptr;
        }
        return openPdfJob(path);
    }

    // Before anything is drawn: the server's own word on the queue.
    checkQueue(name, queueState(name), 1);
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull())
        throw UserError(PrinterWords::tr("The printer \"%1\" is no longer installed. Choose another device with "
                                         "\"Select Printer\" . . .")
                            .arg(name));
    return std::make_unique<PrinterJob>(info);
}
