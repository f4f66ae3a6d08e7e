// libFuzzer target: the bytes of a control file, decoded and applied to a fresh calendar.
// Whatever the bytes, the reader must not crash and the mark tables must stay valid.

#include "control/controlfile.h"
#include "platform/messages.h"
#include "platform/textfile.h"
#include "calendar/holidays/holidays.h"
#include "calendar/ical/icsreader.h"
#include "calendar/marksources.h"

#include <QByteArray>
#include <QDate>
#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// The holiday catalog (the shipped files, found as the program finds them) and .ics reader
// of the whole fuzzing run, as the program has one of each for a run.
const MarkSources &sources()
{
    static const HolidayCatalog holidays;
    static IcsReader calendars;
    static const MarkSources marks{holidays, calendars};
    return marks;
}

class DiscardingMessageService : public MessageService
{
public:
    void show(const QString &, const QString &, Icon) override {}
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // PIC lines load pictures, which needs the image plugins of a GUI application.
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const TextLines text = textLinesFromBytes(bytes);
    if (!text.ok())
        return 0;

    CalendarState state = loadDefaults(QDate(2003, 6, 1));
    DiscardingMessageService messages;
    // A folder that does not exist, so relative PIC paths find nothing to load.
    applyControlLines(state, messages, sources(), *text.lines, QStringLiteral("/nonexistent-lunaria-fuzz/cal.txt"));

    if (state.MarkCount < 0 || state.MarkCount > MarkCategories)
        std::abort();
    for (const auto &month : state.DayMarks)
        for (const qint16 mark : month)
            if (mark != NoMark && (mark < 0 || mark >= state.MarkCount))
                std::abort();
    return 0;
}
