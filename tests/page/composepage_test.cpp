#include "calendar/datelistsink.h"
#include "calendar/dayrules.h"
#include "calendar/moonphases.h"
#include "page/monthblock.h"
#include "render/picture.h"
#include "platform/usererror.h"
#include "page/composepage.h"
#include "tests/support/recordingpagesurface.h"
#include "tests/support/fixedpicture.h"
#include "tests/support/recordingdatelist.h"

#include <QDate>

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

using Op = RecordingPageSurface::Op;

CalendarState calendar()
{
    CalendarState state = loadDefaults(QDate(2026, 6, 1));
    state.txtYear = QStringLiteral("2027");
    state.txtHeader = QStringLiteral("Header");
    state.txtMessage[5] = QStringLiteral("Hello");
    return state;
}

std::vector<Op> compose(const CalendarState &state, RecordingDateList *list = nullptr)
{
    RecordingPageSurface surface;
    RecordingDateList dummy;
    composePage(state, surface, list ? *list : dummy);
    return surface.ops();
}

std::vector<Op> withoutKind(std::vector<Op> ops, const QString &kind)
{
    std::erase_if(ops, [&](const Op &op) { return op.kind == kind; });
    return ops;
}

std::vector<Op> ofKind(const std::vector<Op> &ops, const QString &kind)
{
    std::vector<Op> out;
    for (const Op &op : ops)
        if (op.kind == kind)
            out.push_back(op);
    return out;
}

const Op *textOp(const std::vector<Op> &ops, const QString &text)
{
    for (const Op &op : ops)
        if (op.kind == QLatin1String("text") && op.text == text)
            return &op;
    return nullptr;
}

// The font sizes set from the start of the page up to the header line.
std::vector<double> headerSizes(const std::vector<Op> &ops)
{
    std::vector<double> sizes;
    for (const Op &op : ops) {
        if (op.kind == QLatin1String("text"))
            break;
        if (op.kind == QLatin1String("fontSize"))
            sizes.push_back(op.args[0]);
    }
    return sizes;
}

struct ShrinkCase
{
    const char *name;
    int length;                  // characters of the header
    std::vector<double> sizes;   // sizes set before it prints, the last one used
};

class HeaderShrink : public testing::TestWithParam<ShrinkCase>
{
};

TEST_P(HeaderShrink, StepsDownTwoPointsUntilItFitsOrReachesEight)
{
    CalendarState state = calendar();
    state.txtHeader = QString(GetParam().length, QLatin1Char('H'));
    const std::vector<Op> ops = compose(state);
    EXPECT_EQ(headerSizes(ops), GetParam().sizes);
    const Op *header = textOp(ops, state.txtHeader);
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->args[0], 300);
    EXPECT_EQ(header->args[1], 500);
    EXPECT_EQ(header->args[2], GetParam().sizes.back());
}

// Width rule: 10 twips per character per point; the limit is 7400 twips.
INSTANTIATE_TEST_SUITE_P(ComposePage, HeaderShrink,
                         testing::Values(ShrinkCase{"empty", 0, {24}},
                                         ShrinkCase{"fits_at_24", 30, {24}},
                                         ShrinkCase{"one_step", 31, {24, 22}},
                                         ShrinkCase{"two_steps", 34, {24, 22, 20}},
                                         ShrinkCase{"exactly_7400_fits", 37, {24, 22, 20}},
                                         ShrinkCase{"fits_at_10", 74, {24, 22, 20, 18, 16, 14, 12, 10}},
                                         ShrinkCase{"floor_at_8", 93, {24, 22, 20, 18, 16, 14, 12, 10, 8}},
                                         ShrinkCase{"too_wide_at_8", 400, {24, 22, 20, 18, 16, 14, 12, 10, 8}}),
                         [](const testing::TestParamInfo<ShrinkCase> &info) { return std::string(info.param.name); });

TEST(ComposePage, ShrinkLoopEndsOnADeviceThatRoundsSizesUp)
{
    // A device whose size in use never drops below 9 pt must not keep the loop going.
    class StubbornSurface : public RecordingPageSurface
    {
    public:
        void setFontSize(double points) override { RecordingPageSurface::setFontSize(std::max(points, 9.0)); }
    };
    CalendarState state = calendar();
    state.txtHeader = QString(400, QLatin1Char('H'));
    StubbornSurface surface;
    RecordingDateList list;
    composePage(state, surface, list);
    const std::vector<double> sizes = headerSizes(surface.ops());
    EXPECT_EQ(sizes.back(), 9);
    EXPECT_EQ(sizes.size(), 9u);
}

TEST(ComposePage, AddressBlockStopsAtALineStartingWithABlank)
{
    struct Case
    {
        int blankAt;
        int printed;
    };
    for (const Case c : {Case{0, 0}, Case{2, 2}, Case{5, 5}}) {
        SCOPED_TRACE(c.blankAt);
        CalendarState state = calendar();
        for (int i = 0; i < 6; ++i)
            state.textLines[i] = QStringLiteral("Line %1").arg(i);
        state.textLines[c.blankAt] = QStringLiteral(" later text");
        const std::vector<Op> ops = compose(state);
        int printed = 0;
        for (const Op &op : ofKind(ops, "text"))
            printed += op.args[0] == 1000;
        EXPECT_EQ(printed, c.printed);
        EXPECT_EQ(textOp(ops, QStringLiteral("Line 5")) != nullptr, c.blankAt > 5);
        // The message is printed all the same.
        ASSERT_NE(textOp(ops, QStringLiteral("Hello")), nullptr);
    }
}

TEST(ComposePage, MessageIsCentredOnTheBandBoldAt18Points)
{
    struct Case
    {
        QString message;
        double x;
    };
    // 18 pt: 180 twips per character; x = 300 + (11160 - width) / 2.
    for (const Case &c : {Case{QStringLiteral("Hello"), 300 + (11160 - 900) / 2.0},
                          Case{QStringLiteral(""), 300 + 11160 / 2.0},
                          Case{QString(63, QLatin1Char('m')), 300 + (11160 - 11340) / 2.0}}) {
        SCOPED_TRACE(c.message.toStdString());
        CalendarState state = calendar();
        state.strMessageFont = QStringLiteral("Message Face");
        state.txtMessage[5] = c.message;
        RecordingPageSurface surface;
        RecordingDateList list;
        composePage(state, surface, list);
        const std::vector<Op> ops = surface.ops();
        const auto message = std::find_if(ops.begin(), ops.end(), [](const Op &op) {
            return op.kind == QLatin1String("text") && op.args[1] == 2800;
        });
        ASSERT_NE(message, ops.end());
        EXPECT_EQ(message->text, c.message);
        EXPECT_EQ(message->args[0], c.x);
        EXPECT_EQ(message->args[2], 18);
        EXPECT_EQ(message->args[3], 1);
        const auto font = std::find_if(std::make_reverse_iterator(message), ops.rend(),
                                       [](const Op &op) { return op.kind == QLatin1String("fontName"); });
        ASSERT_NE(font, ops.rend());
        EXPECT_EQ(font->text, QStringLiteral("Message Face"));
    }
}

TEST(ComposePage, YearTitleIsTheTextWhileMonthsGetItsNumber)
{
    CalendarState state = calendar();
    state.txtYear = QStringLiteral("2027 - the reunion year");
    state.strYearFont = QStringLiteral("Year Face");
    const std::vector<Op> ops = compose(state);
    const Op *title = textOp(ops, QStringLiteral("2027 - the reunion year"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->args, (std::vector<double>{5300, 3450, 28, 0, 1}));

    // Everything but the title is what the year 2027 draws, and not what 2028 draws.
    CalendarState plain = state;
    plain.txtYear = QStringLiteral("2027");
    CalendarState other = state;
    other.txtYear = QStringLiteral("2028 - the reunion year");
    auto withoutTitle = [](std::vector<Op> ops) {
        std::erase_if(ops, [](const Op &op) { return op.kind == QLatin1String("text") && op.args[1] == 3450; });
        return ops;
    };
    EXPECT_EQ(withoutTitle(ops), withoutTitle(compose(plain)));
    EXPECT_NE(withoutTitle(ops), withoutTitle(compose(other)));
}

TEST(ComposePage, AYearThePageCannotHoldFailsBeforeDrawingAndSaysWhy)
{
    // One year of each kind of problem; their words are the year reader's (dayrules_test).
    for (const char *year : {"40000", "abc", "  "}) {
        SCOPED_TRACE(year);
        CalendarState state = calendar();
        state.txtYear = QString::fromLatin1(year);
        QString problem;
        ASSERT_FALSE(yearFromText(state.txtYear, &problem));
        RecordingPageSurface surface;
        RecordingDateList list;
        try {
            composePage(state, surface, list);
            FAIL() << "no failure";
        } catch (const UserError &error) {
            EXPECT_EQ(error.reason().compare(problem, Qt::CaseInsensitive), 0) << error.reason().toStdString();
        }
        EXPECT_TRUE(surface.ops().empty());
        EXPECT_TRUE(list.lines.isEmpty());
    }
}

TEST(ComposePage, PictureOnlyAtTopDropsHeaderAddressAndMessage)
{
    CalendarState state = calendar();
    state.chkFullPicture = true;
    state.binSelPic = true;
    state.picTemp = std::make_shared<FixedPicture>(QSize(11160, 3000));
    state.textLines[0] = QStringLiteral("Address");
    const std::vector<Op> ops = compose(state);

    // Within the innermost frame line, 380 to 11380, its shape kept, the corner in whole twips.
    const std::vector<Op> pictures = ofKind(ops, "picture");
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].args, (std::vector<double>{380, 222, 11000, 11000 * 3000 / 11160.0}));
    EXPECT_EQ(textOp(ops, QStringLiteral("Header")), nullptr);
    EXPECT_EQ(textOp(ops, QStringLiteral("Address")), nullptr);
    EXPECT_EQ(textOp(ops, QStringLiteral("Hello")), nullptr);
    // The year title is the first text on the page.
    const std::vector<Op> texts = ofKind(ops, "text");
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.front().text, QStringLiteral("2027"));
}

TEST(ComposePage, NoPictureDrawsNothingAndLeavesTheRestAlone)
{
    for (bool fullPicture : {false, true}) {
        SCOPED_TRACE(fullPicture);
        CalendarState withPicture = calendar();
        withPicture.chkFullPicture = fullPicture;
        withPicture.binSelPic = true;
        withPicture.picTemp = std::make_shared<FixedPicture>(QSize(200, 100));
        CalendarState without = withPicture;
        without.binSelPic = false;

        const std::vector<Op> page = compose(without);
        EXPECT_TRUE(ofKind(page, "picture").empty());
        EXPECT_EQ(ofKind(compose(withPicture), "picture").size(), 1u);
        EXPECT_EQ(withoutKind(compose(withPicture), "picture"), page);
    }
}

TEST(ComposePage, TripleFrameAtPenWidthFourThenOne)
{
    const std::vector<Op> ops = compose(calendar());
    std::vector<Op> frames;
    for (const Op &op : ofKind(ops, "box"))
        if (op.args[4] == 0)
            frames.push_back(op);
    ASSERT_GE(frames.size(), 3u);
    const double expected[3][4] = {{300, 4300, 11160, 10620}, {340, 4340, 11080, 10540}, {380, 4380, 11000, 10460}};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(std::vector<double>(frames[i].args.begin(), frames[i].args.begin() + 4),
                  std::vector<double>(expected[i], expected[i] + 4));
        EXPECT_EQ(frames[i].args[5], 4);
        EXPECT_EQ(frames[i].colour, qRgb(0, 0, 0));
    }
    // Width 1 again right after the third frame.
    const auto third = std::find(ops.begin(), ops.end(), frames[2]);
    ASSERT_NE(third + 1, ops.end());
    EXPECT_EQ((third + 1)->kind, QStringLiteral("lineWidth"));
    EXPECT_EQ((third + 1)->args[0], 1);
}

TEST(ComposePage, AllFiveSwatchesEvenWithEmptyLabels)
{
    CalendarState state = calendar();
    state.MarkLegend[2][1] = QStringLiteral("  Club night  ");
    const std::vector<Op> ops = compose(state);

    std::vector<Op> swatches;
    for (const Op &op : ofKind(ops, "box"))
        if (op.args[1] == 14950)
            swatches.push_back(op);
    ASSERT_EQ(swatches.size(), 5u);
    std::vector<Op> labels;
    for (const Op &op : ofKind(ops, "text"))
        if (op.args[1] == 15000)
            labels.push_back(op);
    ASSERT_EQ(labels.size(), 5u);

    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        const auto &rgb = state.MarkColors[i];
        // x, y, dx, dy, filled, line width, line style, raster mode
        EXPECT_EQ(swatches[i].args, (std::vector<double>{300.0 + 2232 * i, 14950, 300, 230, 1, 1, double(i), 14}));
        EXPECT_EQ(swatches[i].colour, qRgb(rgb[0], rgb[1], rgb[2]));
        EXPECT_EQ(labels[i].args[0], 650 + 2232 * i);
        EXPECT_EQ(labels[i].args[2], 8);
        EXPECT_EQ(labels[i].text, i == 2 ? QStringLiteral("Club night") : QString());
    }
    EXPECT_EQ(swatches[3].colour, qRgb(165, 42, 42));

    // Line style 0 and raster mode 13 again before the months.
    const auto last = std::find(ops.begin(), ops.end(), labels[4]);
    std::vector<QString> after;
    for (auto it = last + 1; it != ops.end() && after.size() < 2; ++it)
        after.push_back(it->kind + QString::number(it->args.empty() ? -1 : it->args[0]));
    EXPECT_EQ(after, (std::vector<QString>{"lineStyle0", "rasterMode13"}));
}

TEST(ComposePage, TwelveMonthBlocksAtTheGridInOrder)
{
    EXPECT_EQ(PageLayout::monthLeft(12), 8040);
    EXPECT_EQ(PageLayout::monthTop(12), 12376);
    EXPECT_EQ(PageLayout::monthLeft(4), 600);
    EXPECT_EQ(PageLayout::monthTop(4), 7192);
    EXPECT_EQ(PageLayout::monthLeft(8), 4320);
    EXPECT_EQ(PageLayout::monthTop(8), 9784);

    CalendarState state = calendar();
    state.strCalendarFont = QStringLiteral("Calendar Face");
    MarkNthWeekday(state, 3, 2, QStringLiteral("Club"));
    RecordingDateList pageList;
    const std::vector<Op> page = compose(state, &pageList);

    // The page ends with the twelve month blocks, each as PlaceMonth draws it on its own.
    RecordingPageSurface blocks;
    RecordingDateList blockList;
    const int lefts[] = {600, 4320, 8040};
    const int tops[] = {4600, 7192, 9784, 12376};
    for (int month = 1; month <= 12; ++month)
        PlaceMonth(state, blocks, blockList, 2027, qint16(month), qint16(lefts[(month - 1) % 3]),
                   qint16(tops[(month - 1) / 3]), QStringLiteral("Calendar Face"));
    ASSERT_GE(page.size(), blocks.ops().size());
    EXPECT_TRUE(std::equal(blocks.ops().begin(), blocks.ops().end(), page.end() - blocks.ops().size()));
    EXPECT_EQ(pageList.lines, blockList.lines);
    EXPECT_EQ(pageList.lines.size(), 12);
}

TEST(ComposePage, DrawsNoCopiesAndSendsNothing)
{
    RecordingPageSurface surface;
    RecordingDateList list;
    composePage(calendar(), surface, list);
    EXPECT_TRUE(surface.ops("copies").empty());
    EXPECT_EQ(surface.documentsEnded(), 0);
}

} // namespace

namespace {

// Every day's number, where PlaceMonth prints it, is found again at its own place.
TEST(DayAtPagePoint, FindsEveryDayWhereItsNumberIsPrinted)
{
    CalendarState state = calendar();
    for (const int year : {2027, 2028, 2032}) {
        state.txtYear = QString::number(year);
        RecordingPageSurface surface;
        RecordingDateList list;
        composePage(state, surface, list);
        int found = 0;
        int month = 0;
        for (const auto &op : surface.ops(QStringLiteral("text"))) {
            bool isNumber = false;
            const int day = op.text.toInt(&isNumber);
            if (!isNumber || op.text == state.txtYear)
                continue;
            if (day == 1)
                ++month;
            // The middle of the number: x, y are its top-left corner; 10 pt is 200 twips high.
            const QPointF middle(op.args[0] + RecordingPageSurface::widthRule(op.text, 10) / 2, op.args[1] + 100);
            ASSERT_EQ(dayAtPagePoint(state, middle), QDate(year, month, day)) << year << "-" << month << "-" << day;
            ++found;
        }
        EXPECT_EQ(found, QDate(year, 1, 1).daysInYear());
    }
    EXPECT_EQ(dayAtPagePoint(state, QPointF(100, 100)), std::nullopt);   // the header
    state.txtYear = QStringLiteral("abc");
    EXPECT_EQ(dayAtPagePoint(state, QPointF(900, 5500)), std::nullopt);
}

} // namespace

namespace {

// The message beside a picture at (7700, 200) in its 3900 x 3500 frame; the width rule makes
// every character 10 twips per point wide. Left of the picture the message has 7200 twips,
// from 300 to 200 short of the picture.
struct MessageCase
{
    const char *tag;
    QString message;
    QSize picture;                 // natural size, twips: decides the drawn rectangle
    double size;                   // the size the lines print at
    QStringList lines;
    std::vector<double> xs;        // each line's left edge
};

class MessageBesidePicture : public testing::TestWithParam<MessageCase>
{
};

TEST_P(MessageBesidePicture, IsCentredLeftOfThePictureWrappedBeforeItShrinks)
{
    const MessageCase c = GetParam();
    CalendarState state = calendar();
    state.txtMessage[5] = c.message;
    state.strMessageFont = QStringLiteral("Message Face");
    state.binSelPic = true;
    state.picTemp = std::make_shared<FixedPicture>(c.picture);
    const std::vector<Op> ops = compose(state);
    for (qsizetype i = 0; i < c.lines.size(); ++i) {
        SCOPED_TRACE(c.lines[i].toStdString());
        const Op *line = textOp(ops, c.lines[i]);
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->args[0], c.xs[size_t(i)]);
        EXPECT_EQ(line->args[1], 2800 + 20 * c.size * double(i));
        EXPECT_EQ(line->args[2], c.size);
        // Every line clears the picture and ends above the year.
        const QRectF text(line->args[0], line->args[1], 10 * c.size * double(c.lines[i].size()), 20 * c.size);
        const std::vector<Op> pictures = ofKind(ops, QStringLiteral("picture"));
        ASSERT_EQ(pictures.size(), 1u);
        EXPECT_FALSE(text.intersects(QRectF(pictures[0].args[0], pictures[0].args[1], pictures[0].args[2], pictures[0].args[3])));
        EXPECT_LE(text.bottom(), 3450);
    }
    // Without the picture, the page is what it has always been but for the message.
    if (c.lines == QStringList{c.message} && c.size == 18) {
        CalendarState without = state;
        without.binSelPic = false;
        const std::vector<Op> plain = compose(without);
        if (textOp(plain, c.message)->args[0] == c.xs[0]) {
            EXPECT_EQ(withoutKind(ops, "picture"), plain);
        }
    }
}

const QString Words10 = QStringLiteral("mmmm mmmm mmmm mmmm mmmm mmmm mmmm mmmm mmmm mmmm");  // 49 characters

INSTANTIATE_TEST_SUITE_P(
    ComposePage, MessageBesidePicture,
    testing::Values(
        // 900 wide at 18 pt, centred on the band: 5430 to 6330, clear of the picture at 7700.
        MessageCase{"short_stays_centred", QString(5, QLatin1Char('m')), {3900, 3500}, 18, {QString(5, QLatin1Char('m'))}, {5430}},
        // 5400 at 18 pt would reach 8580: centred in the 7200 left of the picture instead.
        MessageCase{"moves_left_at_full_size", QString(30, QLatin1Char('m')), {3900, 3500}, 18, {QString(30, QLatin1Char('m'))},
                    {300 + (7200 - 5400) / 2.0}},
        // One word of 50: 9000 at 18, 8000 at 16, 7000 at 14 fits on one line.
        MessageCase{"one_long_word_shrinks", QString(50, QLatin1Char('m')), {3900, 3500}, 14, {QString(50, QLatin1Char('m'))},
                    {300 + (7200 - 7000) / 2.0}},
        // Ten words: one line at 18 pt is 8820; at 16 pt two lines fit above the year, the
        // first as many words as 7200 holds (9 words, 7040), the rest on the second.
        MessageCase{"words_wrap_at_16",
                    Words10,
                    {3900, 3500},
                    16,
                    {QStringLiteral("mmmm mmmm mmmm mmmm mmmm mmmm mmmm mmmm mmmm"), QStringLiteral("mmmm")},
                    {300 + (7200 - 7040) / 2.0, 300 + (7200 - 640) / 2.0}},
        // 200 characters without a blank do not fit even at 8 pt (16000): cut with an ellipsis.
        MessageCase{"too_long_is_cut",
                    QString(200, QLatin1Char('m')),
                    {3900, 3500},
                    8,
                    {QString(89, QLatin1Char('m')) + QChar(0x2026)},
                    {300 + (7200 - 7200) / 2.0}},
        // A narrow picture centred in its frame starts at 9300: 18 pt reaching 8580 clears it.
        MessageCase{"narrow_picture_clear", QString(30, QLatin1Char('m')), {700, 3500}, 18, {QString(30, QLatin1Char('m'))}, {3180}},
        // A flat picture ends at 2450, above the message line.
        MessageCase{"flat_picture_above", QString(50, QLatin1Char('m')), {3900, 1000}, 18, {QString(50, QLatin1Char('m'))},
                    {300 + (11160 - 9000) / 2.0}}),
    [](const testing::TestParamInfo<MessageCase> &info) { return std::string(info.param.tag); });

TEST(ComposePage, PatternedLegendHatchesEachSwatchItsOwnWay)
{
    CalendarState state = calendar();
    state.page.palette = Palette::Patterns;
    const std::vector<Op> ops = compose(state);
    std::set<double> patterns;
    for (size_t i = 1; i + 1 < ops.size(); ++i) {
        if (ops[i].kind != QLatin1String("box") || ops[i].args[1] != 14950)
            continue;
        ASSERT_EQ(ops[i - 1].kind, QStringLiteral("fillPattern"));
        EXPECT_EQ(ops[i + 1].kind + QString::number(ops[i + 1].args.at(0)), QStringLiteral("fillPattern0"));
        patterns.insert(ops[i - 1].args[0]);
    }
    EXPECT_EQ(patterns.size(), 5u);
    EXPECT_FALSE(patterns.contains(0));
}

} // namespace

namespace {

// The month headings in drawing order, which is the page's reading order.
QStringList headings(const std::vector<Op> &ops)
{
    QStringList found;
    for (size_t i = 0; i < ops.size(); ++i)
        if (ops[i].kind == QLatin1String("text") && ops[i].args.size() > 2 && ops[i].args[2] == MonthHeadingPoints)
            found << ops[i].text;
    return found;
}

TEST(ComposePage, APageFromAugustRunsToJulyWithBothYearsNamed)
{
    CalendarState state = calendar();
    state.page.firstMonth = 8;
    const std::vector<Op> ops = compose(state);
    ASSERT_NE(textOp(ops, QStringLiteral("2027/2028")), nullptr);
    EXPECT_EQ(headings(ops), QStringList({"August 2027", "September", "October", "November", "December", "January 2028", "February",
                                          "March", "April", "May", "June", "July"}));
    // The first block is August's: its first day is a Sunday, in the first column.
    EXPECT_EQ(dayAtPagePoint(state, QPointF(PageLayout::monthLeft(1) + 200, PageLayout::monthTop(1) + 800)), QDate(2027, 8, 1));
    EXPECT_EQ(dayAtPagePoint(state, QPointF(PageLayout::monthLeft(6) + 200 + 460 * 6, PageLayout::monthTop(6) + 800)),
              QDate(2028, 1, 1));
    // Words after the year stay in the title.
    state.txtYear = QStringLiteral("2027 school year");
    EXPECT_NE(textOp(compose(state), QStringLiteral("2027/2028 school year")), nullptr);
}

TEST(ComposePage, MoonPhasesStandBesideTheirDaysAndAreExplainedUnderTheLegend)
{
    CalendarState state = calendar();
    state.page.moonPhases = true;
    const std::vector<Op> ops = compose(state);
    const std::vector<LocalMoonPhase> phases = moonPhasesOfMonths(2027, 1, 12);
    ASSERT_GE(phases.size(), 48u);
    size_t next = 0;
    const Op *dayNumber = nullptr;
    for (const Op &op : ops) {
        if (op.kind != QLatin1String("text"))
            continue;
        if (next < phases.size() && op.text == moonSymbol(phases[next].phase) && op.args[2] < 10) {
            // Right after the number of its day, raised on its row, short of the next column.
            ASSERT_NE(dayNumber, nullptr);
            EXPECT_EQ(dayNumber->text, QString::number(phases[next].local.date().day()));
            const double numberEnd = dayNumber->args[0] + 10 * 10 * double(dayNumber->text.size());
            EXPECT_GT(op.args[0], numberEnd);
            EXPECT_LT(op.args[0] + 10 * op.args[2], dayNumber->args[0] + 400);
            EXPECT_LE(op.args[1], dayNumber->args[1]);
            ++next;
        }
        dayNumber = &op;
    }
    EXPECT_EQ(next, phases.size());
    for (const char *name : {"new moon", "first quarter", "full moon", "last quarter"})
        EXPECT_NE(textOp(ops, QString::fromLatin1(name) + QStringLiteral("    ")), nullptr) << name;
    // Off, the page is as it always was.
    state.page.moonPhases = false;
    for (const Op &op : compose(state))
        EXPECT_NE(op.text, moonSymbol(MoonPhase::FullMoon));
}

TEST(ComposePage, MoonPhasesOutsideTheYearsWorkedOutAreSaidSo)
{
    CalendarState state = calendar();
    state.page.moonPhases = true;
    state.txtYear = QStringLiteral("2500");
    EXPECT_NE(textOp(compose(state), QStringLiteral("Moon phases are worked out for the years 1600 to 2400 only.")), nullptr);
}

} // namespace
