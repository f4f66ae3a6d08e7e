#pragma once

#include "devices/paper.h"
#include "model/pagesettings.h"
#include "platform/usererror.h"

#include <QCoreApplication>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <memory>
#include <optional>

class PageSurface;

// The name of the built-in device that writes the page to a PDF file.
inline const QString PdfDeviceName = QStringLiteral("PDF file");

// True for a device name that contains "HP Laser" (exact case): such printers print
// duplex along the long edge.
inline bool wantsLongEdgeDuplex(const QString &deviceName)
{
    return deviceName.contains(QLatin1String("HP Laser"), Qt::CaseSensitive);
}

// One open job on an output device: it has the page surface of its single page. Nothing is
// printed or written until send(); a job destroyed uncommitted leaves no trace but a page a
// printer has already taken.
class OutputJob
{
public:
    OutputJob() = default;
    virtual ~OutputJob() = default;
    Q_DISABLE_COPY_MOVE(OutputJob)

    // The page to draw on.
    virtual PageSurface &page() = 0;
    // Applies the device-name rule (long-edge duplex for "HP Laser" printers) before the
    // first drawing. Returns whether the rule applied.
    virtual bool applyDeviceRule() = 0;
    // Puts the page on `paper` before anything is drawn: the device takes that paper (a
    // printer lacking it the nearest it has) and the page, composed on `pageTwips`, is scaled
    // to fit its printable area and centred on it. Paper::AsPrinter keeps the device's paper
    // and the page unscaled. Returns a note for the user when another paper had to be used.
    // Devices without paper (recorders) ignore it.
    virtual std::optional<QString> setPaper(Paper paper, const QSizeF &pageTwips)
    {
        Q_UNUSED(paper);
        Q_UNUSED(pageTwips);
        return std::nullopt;
    }
    // Finishes the page and hands it over: a printer's server has accepted it as a job when
    // this returns (it cannot be taken back); a file device has written it to a temporary
    // file beside its target. Throws UserError when the device refuses it.
    virtual void send() = 0;
    // Puts a file device's sent page in place, replacing the earlier file; nothing for a
    // printer. Throws UserError when that fails, and the earlier file stays.
    // The file the page is written to, for saying where it went; empty for a printer.
    virtual QString destination() const { return {}; }
    virtual void commit() {}
};

// The devices a calendar can be printed on, and the current one.
class OutputDevices
{
public:
    OutputDevices() = default;
    virtual ~OutputDevices() = default;
    Q_DISABLE_COPY_MOVE(OutputDevices)

    // The devices in their stable order, read afresh: the installed printers, then the PDF
    // device last.
    virtual QStringList deviceNames() = 0;
    // Makes device `index` (0-based, deviceNames() order) current. Throws UserError for an
    // index that no longer exists.
    virtual void setCurrent(int index) = 0;
    // The device the next job goes to.
    virtual QString currentName() const = 0;
    // Makes the device with this name current. Throws UserError when there is none.
    virtual void setCurrentByName(const QString &name)
    {
        const qsizetype index = deviceNames().indexOf(name);
        if (index < 0)
            throw UserError(QCoreApplication::translate("Devices", "There is no printer named \"%1\" . . .").arg(name));
        setCurrent(int(index));
    }
    // The devices, by name, that are there but refuse new jobs now (a printer queue set to
    // reject them), read afresh. Only printers do.
    virtual QStringList devicesRefusingJobs() { return {}; }
    // Opens a job on the current device. Returns nullptr when the user cancelled (the PDF
    // device's save dialog). Throws UserError when the device cannot be used.
    virtual std::unique_ptr<OutputJob> openJob() = 0;
    // What is known of the colour printing of device `index` (deviceNames() order). Devices
    // that cannot tell answer Unknown.
    virtual ColourSupport colourSupport(int index)
    {
        Q_UNUSED(index);
        return ColourSupport::Unknown;
    }
};
