#include "devices/printers.h"

#include "devices/pdfdevice.h"
#include "platform/usererror.h"
#include "render/qpainterpagesurface.h"

#include <QPrinter>
#include <QPrinterInfo>

bool wantsLongEdgeDuplex(const QString &deviceName)
{
    return deviceName.contains(QLatin1String("HP Laser"), Qt::CaseSensitive);
}

namespace {

class PrinterJob : public OutputJob
{
public:
    explicit PrinterJob(const QPrinterInfo &info)
        : m_info(info)
        , m_printer(std::make_unique<QPrinter>(info, QPrinter::HighResolution))
    {
        // Qt quietly falls back to the default printer for a name it does not know.
        if (!m_printer->isValid() || m_printer->printerName() != info.printerName())
            throw UserError(QStringLiteral("The printer \"%1\" cannot be used . . .").arg(info.printerName()));
        m_printer->setDocName(QStringLiteral("Lunaria calendar"));
        m_printer->setCreator(QStringLiteral("Lunaria"));
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
            note = QStringLiteral("The printer \"%1\" did not take %2 paper; the calendar is scaled to the paper it has.")
                       .arg(m_info.printerName(), wanted->name());
        else if (!used.isEquivalentTo(*wanted))
            note = QStringLiteral("The printer \"%1\" has no %2 paper; the calendar is printed on %3, the nearest size "
                                  "it has, scaled to fit.")
                       .arg(m_info.printerName(), wanted->name(), used.name());
        m_surface->fitPage(pageTwips);
        return note;
    }

    void send() override { m_surface->endDocument(); }

private:
    QPrinterInfo m_info;
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
        throw UserError(QStringLiteral("Device number %1 no longer exists. Open \"Select Printer\" again to see "
                                       "the devices now installed . . .")
                            .arg(index + 1));
    m_chosen = names.at(index);
}

void Printers::setCurrentByName(const QString &name)
{
    const int index = int(deviceNames().indexOf(name));
    if (index < 0)
        throw UserError(QStringLiteral("There is no printer named \"%1\" . . .").arg(name));
    m_chosen = name;
}

QString Printers::currentName() const
{
    if (m_chosen)
        return *m_chosen;
    const QString system = QPrinterInfo::defaultPrinterName();
    return system.isEmpty() ? PdfDeviceName : system;
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
            if (!m_askPdfPath)
                throw UserError(QStringLiteral("No file name was given for the PDF file . . ."));
            path = m_askPdfPath();
            if (path.isEmpty())
                return nullptr;
        }
        return openPdfJob(path);
    }

    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull())
        throw UserError(QStringLiteral("The printer \"%1\" is no longer installed. Choose another device with "
                                       "\"Select Printer\" . . .")
                            .arg(name));
    return std::make_unique<PrinterJob>(info);
}
