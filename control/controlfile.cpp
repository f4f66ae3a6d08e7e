#include "control/controlfile.h"

#include "layout/dayrules.h"
#include "platform/localedates.h"
#include "platform/messages.h"
#include "platform/numbers.h"
#include "platform/textfile.h"
#include "platform/usererror.h"
#include "pictures/pictureacceptance.h"

#include <QDir>
#include <QFileInfo>

#include <chrono>
#include <cmath>
#include <optional>

namespace {

const QLatin1Char Blank(' ');

// The text before the first blank, and what follows that blank (not trimmed).
std::pair<QStringView, QStringView> splitAtBlank(QStringView text)
{
    const qsizetype blank = text.indexOf(Blank);
    if (blank < 0)
        return {text, QStringView()};
    return {text.left(blank), text.mid(blank + 1)};
}

class LineReport
{
public:
    LineReport(MessageService &messages, const QString &path, ControlFileResult &result)
        : m_messages(messages), m_path(path), m_result(result)
    {
    }

    void skip(int lineNumber, const QString &line, const QString &reason)
    {
        ++m_result.skippedLines;
        m_messages.show(QStringLiteral("Skipped line %1 of %2: %3.").arg(lineNumber).arg(m_path, reason) + QLatin1Char('\n') + line,
                        applicationTitle(), MessageService::Icon::Warning);
    }

private:
    MessageService &m_messages;
    const QString &m_path;
    ControlFileResult &m_result;
};

// DTM: n, blank, w, blank, label. Returns the reason when the line cannot be used; an empty
// optional when it was applied or skipped by rule.
std::optional<QString> applyNthWeekday(CalendarState &state, QStringView value)
{
    const auto [ordinalText, afterOrdinal] = splitAtBlank(value);
    const auto [weekdayText, afterWeekday] = splitAtBlank(trimBlanks(afterOrdinal));
    const std::optional<double> ordinalNumber = leadingNumber(ordinalText);
    const std::optional<double> weekdayNumber = leadingNumber(weekdayText);
    const double ordinal = std::nearbyint(ordinalNumber.value_or(0));
    const double weekday = std::nearbyint(weekdayNumber.value_or(0));
    // Week numbers of 5 and above and weekdays of 8 and above are passed over without a
    // word: that is how the format has always treated them.
    if (ordinal >= 5 || weekday >= 8)
        return std::nullopt;
    if (!ordinalNumber)
        return QStringLiteral("the week number is missing or not a number");
    if (!weekdayNumber)
        return QStringLiteral("the weekday number is missing or not a number");
    if (ordinal < 1)
        return QStringLiteral("the week number must be 1 to 4");
    if (weekday < 1)
        return QStringLiteral("the weekday number must be 1 (Sunday) to 7 (Saturday)");
    MarkNthWeekday(state, qint16(weekday), qint16(ordinal), trimBlanks(afterWeekday).toString());
    return std::nullopt;
}

// EFW: date, blank, k, blank, label.
std::optional<QString> applyEveryNWeeks(CalendarState &state, QStringView value)
{
    const auto [dateText, afterDate] = splitAtBlank(value);
    if (dateText.isEmpty())
        return QStringLiteral("the date is missing");
    const std::optional<QDate> date = parseLocaleDate(dateText.toString());
    if (!date)
        return QStringLiteral("\"%1\" is not a date").arg(dateText);
    // Without a label the whole rest is the interval, rather than nothing at all.
    const auto [weeksText, label] = splitAtBlank(trimBlanks(afterDate));
    const std::optional<double> weeksNumber = leadingNumber(weeksText);
    if (!weeksNumber)
        return QStringLiteral("the number of weeks is missing or not a number");
    const qint16 weeks = toInt16(*weeksNumber);
    const std::chrono::year_month_day start{std::chrono::year{date->year()}, std::chrono::month{unsigned(date->month())},
                                            std::chrono::day{unsigned(date->day())}};
    MarkEveryNWeeks(state, start, weeks, trimBlanks(label).toString());
    return std::nullopt;
}

QString resolvePicturePath(const QString &picture, const QString &controlPath)
{
    if (picture.isEmpty() || !QFileInfo(picture).isRelative())
        return picture;
    return QDir(QFileInfo(controlPath).absolutePath()).filePath(picture);
}

} // namespace

bool isControlFileName(const QString &path)
{
    return path.size() >= 2 && path.right(3) == QLatin1String("txt");
}

QString dateListFileName(const QString &controlPath)
{
    const qsizetype dot = controlPath.indexOf(QLatin1Char('.'));
    return (dot < 0 ? controlPath : controlPath.left(dot)) + QStringLiteral("_dl.txt");
}

ControlFileResult applyControlLines(CalendarState &state, MessageService &messages, const QStringList &lines,
                                    const QString &path)
{
    ControlFileResult result;
    LineReport report(messages, path, result);
    int notes = 0;
    int lineNumber = 0;
    for (const QString &line : lines) {
        ++lineNumber;
        const QStringView trimmed = trimBlanks(line);
        const QStringView key = trimmed.left(3);
        const QString value = trimBlanks(splitAtBlank(trimmed).second).toString();
        auto is = [&key](const char *name) { return key.compare(QLatin1String(name), Qt::CaseInsensitive) == 0; };

        if (is("YER")) {
            state.txtYear = value;
        } else if (is("HDR")) {
            state.txtHeader = value;
        } else if (is("MSG")) {
            state.txtMessage[5] = value;
        } else if (is("NOT")) {
            if (notes < 6) {
                state.textLines[notes] = value;
                // The sixth note has no box of its own: txtMessage(5) is the message line.
                if (notes != 5)
                    state.txtMessage[notes] = value;
                ++notes;
            } else {
                ++result.droppedNotes;
                messages.show(QStringLiteral("Only 6 notes allowed. Following note dropped. ") + value, applicationTitle());
            }
        } else if (is("PIC")) {
            state.strSelectedFile = resolvePicturePath(value, path);
            AcceptPicture(state, messages);
        } else if (is("DTM") || is("EFW")) {
            // A rule that fails part-way (a number beyond 16 bits, a year beyond the
            // calendar's range) has changed nothing yet: report it and read on.
            std::optional<QString> problem;
            try {
                problem = is("DTM") ? applyNthWeekday(state, value) : applyEveryNWeeks(state, value);
            } catch (const UserError &error) {
                problem = error.reason();
            }
            if (problem)
                report.skip(lineNumber, line, *problem);
        }
    }
    return result;
}

ControlFileResult ReadControlFile(CalendarState &state, MessageService &messages)
{
    const QString path = state.strSelectedFile;
    state.binFileOK = isControlFileName(path);
    if (!state.binFileOK) {
        messages.show(QStringLiteral("Select a .txt file.") + QLatin1Char('\n') + QStringLiteral("Try again . . ."),
                      applicationTitle());
        return {};
    }
    // The whole file is read before anything changes, so a file that cannot be read leaves
    // the calendar as it was.
    const TextLines text = readTextFile(path);
    if (!text.ok()) {
        messages.show(QStringLiteral("Cannot read the control file %1:").arg(path) + QLatin1Char('\n') + text.error + QLatin1Char('.'),
                      applicationTitle(), MessageService::Icon::Warning);
        return {};
    }
    state.strListFile = dateListFileName(path);
    ControlFileResult result = applyControlLines(state, messages, *text.lines, path);
    result.read = true;
    return result;
}
