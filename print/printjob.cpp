#include "print/printjob.h"

#include "layout/dayrules.h"
#include "platform/numbers.h"
#include "platform/printers.h"
#include "platform/usererror.h"
#include "print/composepage.h"
#include "print/datelistfile.h"

namespace {

// Takes the whole composition without drawing, so that every failure of the calendar itself
// (an overflow in a month block, a bad mark) strikes before the printer has been given
// anything: a print job cannot be taken back once painting has started.
class DryRunSurface : public PageSurface
{
public:
    void setCopies(int) override {}
    QString deviceName() const override { return {}; }
    double currentX() const override { return m_x; }
    double currentY() const override { return m_y; }
    void setCurrentX(double twips) override { m_x = twips; }
    void setCurrentY(double twips) override { m_y = twips; }
    void setFontName(const QString &) override {}
    void setFontSize(double points) override { m_size = points; }
    double fontSize() const override { return m_size; }
    void setFontBold(bool) override {}
    double textWidth(const QString &) const override { return 0; }
    void printText(const QString &, bool endLine) override
    {
        if (endLine) {
            m_x = 0;
            m_y += 20 * m_size;
        }
    }
    void setLineWidth(int) override {}
    void setLineStyle(int) override {}
    void setRasterMode(int) override {}
    void line(double, double, double, double, QRgb) override {}
    void box(double, double, double, double, QRgb, bool) override {}
    void drawPicture(const Picture &, double, double, double, double) override {}
    void endDocument() override {}

private:
    double m_x = 0;
    double m_y = 0;
    double m_size = 10;
};

} // namespace

qint16 requestedCopies(const CalendarState &state)
{
    const qint16 copies = toInt16(leadingNumber(state.txtCopies));
    if (copies < 1)
        throw UserError(QStringLiteral("The number of copies must be at least 1 . . ."));
    return copies;
}

PrintOutcome runPrintJob(CalendarState &state, OutputDevices &devices)
{
    for (int i = 0; i < 5; ++i)
        state.textLines[i] = state.txtMessage[i];
    state.binSelPrt = false;

    (void)calendarYear(state);
    const qint16 copies = requestedCopies(state);

    DateListFile dateList(state.strListFile);
    dateList.writeLine(state.txtMessage[1]);
    dateList.writeLine(state.txtMessage[0]);
    dateList.writeLine(QStringLiteral("  "));
    DryRunSurface dryRun;
    composePage(state, dryRun, dateList);

    std::unique_ptr<OutputJob> job = devices.openJob();
    if (!job)
        return PrintOutcome::Cancelled;
    job->setCopies(copies);
    job->applyDeviceRule();
    NullDateListSink alreadyListed;
    composePage(state, *job, alreadyListed);
    job->endDocument();
    dateList.commit();
    return PrintOutcome::Printed;
}
