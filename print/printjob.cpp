#include "print/printjob.h"

#include "devices/outputdevices.h"
#include "platform/messages.h"
#include "platform/numbers.h"
#include "platform/usererror.h"
#include "print/composepage.h"
#include "print/datelistfile.h"
#include "render/pagesurface.h"

qint16 requestedCopies(const CalendarState &state)
{
    const qint16 copies = toInt16(leadingNumber(state.txtCopies).value_or(0));
    if (copies < 1)
        throw UserError(QStringLiteral("The number of copies must be at least 1 . . ."));
    return copies;
}

PrintOutcome runPrintJob(CalendarState &state, OutputDevices &devices, MessageService *messages)
{
    for (int i = 0; i < 5; ++i)
        state.textLines[i] = state.txtMessage[i];
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
    job->send();
    dateList.commit();
    return PrintOutcome::Printed;
}
