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
        : m_description(info.description())
        , m_printer(std::make_unique<QPrinter>(info, QPrinter::HighResolution))
    {
        // Qt quietly falls back to the default printer for a name it does not know.
        if (!m_printer->isValid() || m_printer->printerName() != info.printerName())
            throw UserError(QStringLiteral("The printer \"%1\" cannot be used . . .").arg(info.printerName()));
        m_printer->setDocName(QStringLiteral("Lunaria calendar"));
        m_printer->setCreator(QStringLiteral("Lunaria"));
        m_surface = std::make_unique<QPainterPageSurface>(*m_printer, info.printerName());
    }

    PageSurface &page() override { return *m_surface; }

    bool applyDeviceRule() override
    {
        // A CUPS queue name holds no blanks; the name people see is the queue's description.
        if (!wantsLongEdgeDuplex(m_printer->printerName()) && !wantsLongEdgeDuplex(m_description))
            return false;
        m_printer->setDuplex(QPrinter::DuplexLongSide);
        return true;
    }

    void send() override { m_surface->endDocument(); }

private:
    QString m_description;
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
