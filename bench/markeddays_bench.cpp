#include "app/calendardocument.h"
#include "app/markeddaysgroup.h"
#include "devices/pdfdevice.h"
#include "calendar/markrules.h"
#include "pictures/pictureloader.h"
#include "print/preview.h"
#include "calendar/holidays/holidays.h"
#include "calendar/ical/icsreader.h"
#include "calendar/marksources.h"

#include <QPageLayout>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

using namespace std::chrono;

namespace {

// The shipped holiday files of this source tree, with no user folder before them, and an
// .ics reader: the sources a run of the program has, made once for the benchmark.
const MarkSources &sources()
{
    static const HolidayCatalog holidays({QString(), QStringLiteral(LUNARIA_SOURCE_DIR "/data/holidays")});
    static IcsReader calendars;
    static const MarkSources marks{holidays, calendars};
    return marks;
}

// A family calendar as the window edits it: four repeating rules, 200 birthdays on DAY
// rules that share one label (so five colours in all), and a picture beside the header.
CalendarState familyCalendar()
{
    CalendarState state = loadDefaults(QDate(2026, 6, 1));
    state.txtYear = QStringLiteral("2027");
    state.txtHeader = QStringLiteral("The Lindqvist Family");
    state.txtMessage[5] = QStringLiteral("Happy New Year!");
    auto add = [&state](RuleKind kind, const QString &label) -> MarkRule & {
        state.rules.push_back({});
        state.rules.back().kind = kind;
        state.rules.back().label = label;
        return state.rules.back();
    };
    MarkRule &piano = add(RuleKind::NthWeekday, QStringLiteral("Piano lessons"));
    piano.ordinal = 1;
    piano.weekday = 2;
    add(RuleKind::LastWeekday, QStringLiteral("Book club")).weekday = 5;
    MarkRule &bins = add(RuleKind::EveryNWeeks, QStringLiteral("Recycling"));
    bins.from = RuleDate::full(year{2027} / January / 8);
    bins.weeks = 2;
    MarkRule &away = add(RuleKind::Range, QStringLiteral("Holidays away"));
    away.from = RuleDate::full(year{2027} / July / 12);
    away.to = RuleDate::full(year{2027} / July / 23);
    for (int i = 0; i < 200; ++i) {
        // Spread over the year, a few on the same day, as birthdays are.
        const int dayOfYear = (i * 73) % 365;
        const year_month_day date{sys_days{year{2027} / January / 1} + days{dayOfYear}};
        add(RuleKind::Dates, QStringLiteral("Birthdays")).dates = {RuleDate::yearless(date.month() / date.day())};
    }
    QString error;
    state.picTemp = loadPicture(QStringLiteral(LUNARIA_SOURCE_DIR "/examples/pictures/house.bmp"), &error);
    if (!state.picTemp) {
        std::fprintf(stderr, "cannot load the example picture: %s\n", qPrintable(error));
        std::exit(1);
    }
    state.binSelPic = true;
    refreshMarks(state, sources());
    return state;
}

// The resolution the window draws its preview at in a 600 x 800 pixel label at a device
// pixel ratio of 1: the page fitted into the label less its 16-pixel margin.
double usualPreviewDpi()
{
    const QRectF page = pdfPageLayout().paintRect(QPageLayout::Inch);
    return std::min((600 - 16) / page.width(), (800 - 16) / page.height());
}

// What the window does for "Add Rule", "Edit Rule" or "Remove Rule": keep the state to put
// back on failure, change the rules, work out the marks and draw the preview.
template <typename Change> void changeAndRepaint(benchmark::State &bench, double dpi, Change change)
{
    CalendarState state = familyCalendar();
    for (auto _ : bench) {
        const CalendarState before = state;
        change(state);
        refreshMarks(state, sources());
        const QImage preview = renderPreview(state, dpi);
        benchmark::DoNotOptimize(preview.constBits());
        benchmark::DoNotOptimize(before.rules.data());
        state = before;
    }
    bench.counters["dpi"] = dpi;
}

void addBirthday(CalendarState &state)
{
    MarkRule birthday;
    birthday.kind = RuleKind::Dates;
    birthday.label = QStringLiteral("Birthdays");
    birthday.dates = {RuleDate::yearless(March / 5)};
    state.rules.push_back(birthday);
}

void AddRuleAndRepaintPreview(benchmark::State &bench)
{
    changeAndRepaint(bench, usualPreviewDpi(), addBirthday);
}
BENCHMARK(AddRuleAndRepaintPreview)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

void EditRuleAndRepaintPreview(benchmark::State &bench)
{
    changeAndRepaint(bench, usualPreviewDpi(), [](CalendarState &state) { state.rules.front().ordinal = 2; });
}
BENCHMARK(EditRuleAndRepaintPreview)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

void RemoveRuleAndRepaintPreview(benchmark::State &bench)
{
    changeAndRepaint(bench, usualPreviewDpi(), [](CalendarState &state) { state.rules.erase(state.rules.begin() + 3); });
}
BENCHMARK(RemoveRuleAndRepaintPreview)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

// All the window does after the rule dialog's OK: besides the above, the list of rules and
// the title's check for unsaved changes.
void AddRuleAsTheWindowShowsIt(benchmark::State &bench)
{
    CalendarState state = familyCalendar();
    MarkedDaysGroup list;
    SavedText saved;
    saved.markSaved(state);
    const double dpi = usualPreviewDpi();
    for (auto _ : bench) {
        const CalendarState before = state;
        addBirthday(state);
        refreshMarks(state, sources());
        list.showRules(state, sources().holidays);
        benchmark::DoNotOptimize(saved.isModified(state));
        const QImage preview = renderPreview(state, dpi);
        benchmark::DoNotOptimize(preview.constBits());
        state = before;
    }
}
BENCHMARK(AddRuleAsTheWindowShowsIt)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

// The same on a high-density screen (device pixel ratio 2), for comparison.
void AddRuleAndRepaintPreviewAtRatio2(benchmark::State &bench)
{
    changeAndRepaint(bench, 2 * usualPreviewDpi(), addBirthday);
}
BENCHMARK(AddRuleAndRepaintPreviewAtRatio2)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

} // namespace
