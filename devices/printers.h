#pragma once

#include "devices/outputdevices.h"

#include <functional>
#include <optional>

// The installed printers (Qt's list, from CUPS) followed by the PDF device. The current device
// is the system's default printer until one is chosen; with no default printer it is the
// PDF device. A chosen printer that has gone is refused, never replaced by another.
class Printers : public OutputDevices
{
public:
    // Asks the user where to save the PDF; an empty result cancels the job.
    using SaveLocationAsker = std::function<QString()>;

    QStringList deviceNames() override;
    void setCurrent(int index) override;
    QString currentName() const override;
    QStringList devicesRefusingJobs() override;
    // A printer's job is checked with its server before the page is drawn and again before
    // it is sent (the queue is there and accepts jobs, the copies are within its limit), and
    // is sent only when the server accepts it as a job.
    std::unique_ptr<OutputJob> openJob() override;
    // The PDF device prints colour; a printer as its queue declares it (Qt's
    // QPrinterInfo::supportedColorModes, read from CUPS's printer type).
    ColourSupport colourSupport(int index) override;

    // Where the PDF device writes without asking (the command line). Empty: ask.
    void setPdfPath(const QString &path) { m_pdfPath = path; }
    // How the window asks where to save the PDF.
    void setSaveLocationAsker(SaveLocationAsker asker) { m_askPdfPath = std::move(asker); }
    void setCurrentByName(const QString &name) override;

    // The installed printers' names in Qt's order, without the PDF device.
    static QStringList installedPrinters();

private:
    std::optional<QString> m_chosen;
    QString m_pdfPath;
    SaveLocationAsker m_askPdfPath;
};
