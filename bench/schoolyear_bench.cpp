#include "calendar/holidays/holidays.h"
#include "calendar/ical/icsreader.h"
#include "calendar/markrules.h"
#include "calendar/marksources.h"
#include "devices/pdfdevice.h"
#include "print/preview.h"

#include <QPageLayout>

#include <benchmark/benchmark.h>

using namespace std::chrono;

namespace {

// A school year as a teacher edits it in the window: August 2027 to July 2028, so that every
// rule, the holidays and the terms' calendar are worked out over two years, with the moon's
// phases drawn.
CalendarState schoolYear(const MarkSources &sources)
{
    CalendarState state = loadDefaults(QDate(2026, 6, 1));
    state.txtYear = QStringLiteral("2027");
    state.txtHeader = QStringLiteral("Class 3b - School Year");
    state.txtMessage[5] = QStringLiteral("Welcome back, everyone!");
    state.page.firstMonth = 8;
    state.page.moonPhases = true;
    state.page.weekNumbers = true;
    auto add = [&state](RuleKind kind, const QString &label) -> MarkRule & {
        state.rules.push_back({});
        state.rules.back().kind = kind;
        state.rules.back().label = label;
        return state.rules.back();
    };
    add(RuleKind::ICalendar, QStringLiteral("School holidays")).source =
        QStringLiteral(LUNARIA_SOURCE_DIR "/examples/school-year-terms.ics");
    MarkRule &evening = add(RuleKind::NthWeekday, QStringLiteral("Parents' evening"));
    evening.ordinal = 1;
    evening.weekday = 3;
    MarkRule &paper = add(RuleKind::ContinuingWeeks, QStringLiteral("Paper collection"));
    paper.from = RuleDate::full(year{2027} / July / 30);
    paper.weeks = 2;
    add(RuleKind::Holidays, QStringLiteral("School's out")).source = QStringLiteral("DE-BY");
    for (int i = 0; i < 28; ++i) {
        // A class's birthdays, each with the year the child was born.
        const year_month_day born{sys_days{year{2019} / September / 1} + days{(i * 131) % 365}};
        add(RuleKind::Dates, QStringLiteral("Birthdays")).dates = {RuleDate::since(born)};
    }
    refreshMarks(state, sources);
    return state;
}

// The resolution of the window's preview in a 600 x 800 pixel label.
double usualPreviewDpi()
{
    const QRectF page = pdfPageLayout().paintRect(QPageLayout::Inch);
    return std::min((600 - 16) / page.width(), (800 - 16) / page.height());
}

// One edit in the rule dialog: the marks worked out again and the preview drawn.
void EditRuleOnASchoolYearWithMoonAndRepaint(benchmark::State &bench)
{
    const HolidayCatalog holidays({QString(), QStringLiteral(LUNARIA_SOURCE_DIR "/data/holidays")});
    IcsReader calendars;
    const MarkSources sources{holidays, calendars};
    CalendarState state = schoolYear(sources);
    const double dpi = usualPreviewDpi();
    int ordinal = 1;
    for (auto _ : bench) {
        ordinal = ordinal % 4 + 1;
        state.rules[1].ordinal = ordinal;
        refreshMarks(state, sources);
        const QImage preview = renderPreview(state, dpi);
        benchmark::DoNotOptimize(preview.constBits());
    }
}
BENCHMARK(EditRuleOnASchoolYearWithMoonAndRepaint)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

} // namespace
