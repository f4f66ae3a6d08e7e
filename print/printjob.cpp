#include "print/printjob.h"

#include "devices/outputdevices.h"
#include "platform/messages.h"
#include "platform/numbers.h"
#include "platform/usererror.h"
#include "page/composepage.h"
#include "print/datelistfile.h"
#include "render/pagesurface.h"

#include <QCoreApplication>

#include <cmath>

namespace {

// Why a calendar cannot be printed, in the user's language.
struct PrintJobWords
{
    Q_DECLARE_TR_FUNCTIONS(PrintJob)
};

} // namespace

qint16 requestedCopies(const CalendarState &state)
{
    const double copies = std::nearbyint(leadingNumber(state.txtCopies).value_or(0));
    if (copies < 1)
        throw UserError(PrintJobWords::tr("The number of copies must be at least 1 . . ."));
    if (copies > 32767)
        throw UserError(PrintJobWords::tr("The number of copies %1 is outside 1 to 32767 . . .").arg(state.txtCopies.trimmed()));
    return qint16(copies);
}

namespace {
// The page prints the note boxes as typed, whatever the address lines held before.
void takeNotesAsPrinted(CalendarState &state)
{
    for (int i = 0; i < 5; ++i)
        state.textLines[i] = state.txtMessage[i];
}
} // namespace

CalendarState pageAsPrinted(CalendarState state)
{
    takeNotesAsPrinted(state);
    return state;
}

PrintOutcome runPrintJob(CalendarState &state, OutputDevices &devices, MessageService *messages, QString *destination)
{
    takeNotesAsPrinted(state);
    state.binSelPrt = false;

    // Everything that can go wrong with the calendar itself strikes here, before a device
    // has been given anything: a print job cannot be taken back once painting has started.
    const PagePlan plan = planPage(state);
    const qint16 copies = requestedCopies(state);
    DateListFile dateList(state.strListFile);
    dateList.writeLine(state.txtMessage[1]);
    dateList.writeLine(state.txtMessage[0]);
    dateList.writeLine(QStringLiteral("  "));

    std::unique_ptr<OutputJob> job = devices.openJob();
    if (!job)
        return PrintOutcome::Cancelled;
    const QSizeF pageTwips(PageLayout::PageWidth, PageLayout::PageHeight);
    if (const std::optional<QString> note = job->setPaper(state.page.paper, pageTwips); note && messages)
        messages->show(*note, applicationTitle(), MessageService::Icon::Warning);
    job->page().setCopies(copies);
    job->applyDeviceRule();
    drawPage(state, plan, job->page(), dateList);
    // A full disk must show before the page goes out, not after.
    dateList.prepare();
    // A printer's server has taken the job once send() returns, and only then is there a
    // new date-list. A file page is written beside its target by send(); both files are
    // complete before either is renamed, and the page is renamed last. Two renames cannot
    // be one, so an interruption between them leaves the new list beside the old page,
    // never a new page beside an old list: a new page always has its list, and an old page
    // tells the user the job did not finish.
    job->send();
    dateList.commit();
    job->commit();
    if (destination)
        *destination = job->destination();
    return PrintOutcome::Printed;
}
