#pragma once

#include "platform/pagesurface.h"

#include <QPageLayout>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

// The name of the built-in device that writes the page to a PDF file.
inline const QString PdfDeviceName = QStringLiteral("PDF file");

// True for a device name that contains "HP Laser" (exact case): such printers print
// duplex along the long edge.
bool wantsLongEdgeDuplex(const QString &deviceName);

// One open job on an output device: the page surface of its single page. Nothing is printed
// or written until endDocument().
class OutputJob : public PageSurface
{
public:
    // Applies the device-name rule (long-edge duplex for "HP Laser" printers) before the
    // first drawing. Returns whether the rule applied.
    virtual bool applyDeviceRule() = 0;
};

// The devices a calendar can be printed on, and the current one.
class OutputDevices
{
public:
    virtual ~OutputDevices() = default;
    // The devices in their stable order, read afresh: the installed printers, then the PDF
    // device last.
    virtual QStringList deviceNames() = 0;
    // Makes device `index` (0-based, deviceNames() order) current. Throws UserError for an
    // index that no longer exists.
    virtual void setCurrent(int index) = 0;
    // The device the next job goes to.
    virtual QString currentName() const = 0;
    // Opens a job on the current device. Returns nullptr when the user cancelled (the PDF
    // device's save dialog). Throws UserError when the device cannot be used.
    virtual std::unique_ptr<OutputJob> openJob() = 0;
};

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
    std::unique_ptr<OutputJob> openJob() override;

    // Where the PDF device writes without asking (the command line). Empty: ask.
    void setPdfPath(const QString &path) { m_pdfPath = path; }
    // How the window asks where to save the PDF.
    void setSaveLocationAsker(SaveLocationAsker asker) { m_askPdfPath = std::move(asker); }
    // Makes the device with this name current. Throws UserError when there is none.
    void setCurrentByName(const QString &name);

    // The installed printers' names in Qt's order, without the PDF device.
    static QStringList installedPrinters();

private:
    std::optional<QString> m_chosen;
    QString m_pdfPath;
    SaveLocationAsker m_askPdfPath;
};

// The PDF device's page: Letter in the US, else A4, portrait, with this margin on every side
// in points. Twips count from the corner inside the margins.
inline constexpr double PdfMarginPoints = 12;
QPageLayout pdfPageLayout();

// Opens a job that writes one PDF page to `path`, committed by endDocument(). Throws
// UserError when the file cannot be written.
std::unique_ptr<OutputJob> openPdfJob(const QString &path);
