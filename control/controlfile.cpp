#include "control/controlfile.h"

#include "control/rulelines.h"
#include "calendar/dayrules.h"
#include "calendar/markrules.h"
#include "pictures/pictureacceptance.h"
#include "platform/localedates.h"
#include "platform/messages.h"
#include "platform/textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <iterator>

namespace {

// What reading a control file has to say, in the user's language.
struct ControlFileWords
{
    Q_DECLARE_TR_FUNCTIONS(ControlFile)
};

const QLatin1Char Blank(' ');

// The font-name fields by the role a FNT line names.
struct FontRole
{
    const char *name;
    QString CalendarState::*field;
};
const FontRole FontRoles[] = {
    {"year", &CalendarState::strYearFont},       {"header", &CalendarState::strHeaderFont},
    {"address", &CalendarState::strAddressFont}, {"message", &CalendarState::strMessageFont},
    {"calendar", &CalendarState::strCalendarFont},
};

// A line as the file has it, for a message: a tab would look like a blank there, so it
// shows as an arrow; a runaway line shows its start only.
QString visibleLine(const QString &line)
{
    constexpr qsizetype Shown = 120;
    QString shown = line.size() > Shown ? line.left(Shown) + QStringLiteral("...") : line;
    return shown.replace(QLatin1Char('\t'), QChar(0x2192));
}

// Collects what one reading has to say about its lines and says it once, at the end.
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
        m_skipped.append({lineNumber, visibleLine(line), reason});
    }
    void setWindows1252Lines(QList<int> lines) { m_windows1252 = std::move(lines); }
    // What a rule line came to in the calendar's year, when it has something to say.
    void rule(int lineNumber, const QString &text)
    {
        m_rules << ControlFileWords::tr("Line %1 of %2: %3").arg(lineNumber).arg(m_path, text);
    }
    // A picture that was not loaded (the page prints without it) or that loaded with warnings.
    void picture(int lineNumber, const QString &text)
    {
        ++m_result.pictureProblems;
        m_pictures << ControlFileWords::tr("Line %1 of %2: %3").arg(lineNumber).arg(m_path, text);
    }

    void finish()
    {
        QStringList parts;
        if (m_skipped.size() == 1) {
            const Skipped &s = m_skipped.front();
            parts << ControlFileWords::tr("Skipped line %1 of %2: %3.").arg(s.number).arg(m_path, s.reason) + QLatin1Char('\n') + s.line;
        } else if (!m_skipped.isEmpty()) {
            QString text = ControlFileWords::tr("%1 lines of %2 were skipped:").arg(m_skipped.size()).arg(m_path);
            for (const Skipped &s : m_skipped)
                text += QLatin1Char('\n') + ControlFileWords::tr("Line %1: %2.").arg(s.number).arg(s.reason) + QStringLiteral("\n    ") + s.line;
            parts << text;
        }
        if (!m_windows1252.isEmpty()) {
            QStringList numbers;
            for (const int n : m_windows1252)
                numbers << QString::number(n);
            const QString sentence = m_windows1252.size() == 1
                ? ControlFileWords::tr("Line %1 of %2 is not UTF-8 like the rest of the file and was read as Windows-1252.")
                : ControlFileWords::tr("Lines %1 of %2 are not UTF-8 like the rest of the file and were read as Windows-1252.");
            parts << sentence.arg(numbers.join(QStringLiteral(", ")), m_path);
        }
        parts += m_pictures;
        parts += m_rules;
        if (!parts.isEmpty())
            m_messages.show(parts.join(QStringLiteral("\n\n")), applicationTitle(), MessageService::Icon::Warning);
    }

private:
    struct Skipped
    {
        int number;
        QString line;
        QString reason;
    };
    MessageService &m_messages;
    const QString &m_path;
    ControlFileResult &m_result;
    QList<Skipped> m_skipped;
    QList<int> m_windows1252;
    QStringList m_pictures;
    QStringList m_rules;
};

QString resolvePath(const QString &path, const QString &controlPath)
{
    if (path.isEmpty() || !QFileInfo(path).isRelative())
        return path;
    return QDir(QFileInfo(controlPath).absolutePath()).filePath(path);
}

// TOP 1 / TOP 0: "Picture Only At Top".
std::optional<QString> applyPictureAtTop(CalendarState &state, const QString &value)
{
    if (value == QLatin1String("1"))
        state.chkFullPicture = true;
    else if (value == QLatin1String("0"))
        state.chkFullPicture = false;
    else
        return ControlFileWords::tr("\"%1\" is neither 1 (picture only at top) nor 0").arg(value);
    return std::nullopt;
}

// FNT role family: the typeface of one text role.
std::optional<QString> applyFont(CalendarState &state, const QString &value)
{
    const qsizetype blank = value.indexOf(Blank);
    const QString role = value.left(blank < 0 ? value.size() : blank);
    const QString family = blank < 0 ? QString() : trimBlanks(QStringView(value).mid(blank + 1)).toString();
    for (const FontRole &entry : FontRoles) {
        if (role.compare(QLatin1String(entry.name), Qt::CaseInsensitive) != 0)
            continue;
        if (family.isEmpty())
            return ControlFileWords::tr("the font name is missing");
        state.*entry.field = family;
        return std::nullopt;
    }
    return ControlFileWords::tr("\"%1\" is not a text role (year, header, address, message or calendar)").arg(role);
}

// LNG name: the language of the month and weekday names; an empty value is the desktop's.
std::optional<QString> applyLanguage(CalendarState &state, const QString &value)
{
    if (!value.isEmpty() && !isKnownLanguage(value))
        return ControlFileWords::tr("\"%1\" is not a language Qt knows; write it like de_DE or ru").arg(value);
    state.page.language = value;
    return std::nullopt;
}

// WKS 0..7: the weekday of the first column, 1 Sunday .. 7 Saturday, 0 the language's own.
std::optional<QString> applyWeekStart(CalendarState &state, const QString &value)
{
    bool ok = false;
    const int weekday = value.toInt(&ok);
    if (!ok || weekday < 0 || weekday > 7)
        return ControlFileWords::tr("\"%1\" is not a weekday from 1 (Sunday) to 7 (Saturday), nor 0 (as the language has it)")
            .arg(value);
    state.page.weekStart = weekday;
    return std::nullopt;
}

// WKN 1 / WKN 0: week numbers beside the week rows.
std::optional<QString> applyWeekNumbers(CalendarState &state, const QString &value)
{
    if (value == QLatin1String("1"))
        state.page.weekNumbers = true;
    else if (value == QLatin1String("0"))
        state.page.weekNumbers = false;
    else
        return ControlFileWords::tr("\"%1\" is neither 1 (week numbers) nor 0").arg(value);
    return std::nullopt;
}

// PAP name: the paper, or "printer" for the printer's own.
std::optional<QString> applyPaper(CalendarState &state, const QString &value)
{
    const std::optional<Paper> paper = paperFromKey(value);
    if (!paper)
        return ControlFileWords::tr("\"%1\" is not a paper (Letter, Legal, A4, A3, A5, or printer for the printer's own)").arg(value);
    state.page.paper = *paper;
    return std::nullopt;
}

// PAL name: the colours of the mark categories.
std::optional<QString> applyPalette(CalendarState &state, const QString &value)
{
    const std::optional<Palette> palette = paletteFromKey(value);
    if (!palette)
        return ControlFileWords::tr("\"%1\" is not a colour set (classic, safe or patterns)").arg(value);
    state.page.palette = *palette;
    return std::nullopt;
}

// FRM 1..12: the month the page starts with.
std::optional<QString> applyFirstMonth(CalendarState &state, const QString &value)
{
    bool ok = false;
    const int month = value.toInt(&ok);
    if (!ok || month < 1 || month > 12)
        return ControlFileWords::tr("\"%1\" is not a month from 1 (January) to 12 (December)").arg(value);
    state.page.firstMonth = month;
    return std::nullopt;
}

// MOO 1 / MOO 0: moon phases in the day boxes.
std::optional<QString> applyMoonPhases(CalendarState &state, const QString &value)
{
    if (value == QLatin1String("1"))
        state.page.moonPhases = true;
    else if (value == QLatin1String("0"))
        state.page.moonPhases = false;
    else
        return ControlFileWords::tr("\"%1\" is neither 1 (moon phases) nor 0").arg(value);
    return std::nullopt;
}

// The keys of the page settings, each with the function that applies its value.
struct PageKey
{
    const char *key;
    std::optional<QString> (*apply)(CalendarState &, const QString &);
};
const PageKey PageKeys[] = {
    {"LNG", applyLanguage}, {"WKS", applyWeekStart}, {"WKN", applyWeekNumbers},
    {"PAP", applyPaper},    {"PAL", applyPalette},        {"FRM", applyFirstMonth},
    {"MOO", applyMoonPhases},
};

// Whether a line starts with a key this format knows; the lines without one are passed over.
bool isKeyLine(const QString &line)
{
    const QStringView key = trimBlanks(line).left(3);
    const auto is = [&key](const char *name) { return key.compare(QLatin1String(name), Qt::CaseInsensitive) == 0; };
    for (const char *name : {"YER", "HDR", "MSG", "NOT", "NOB", "PIC", "TOP", "FNT"})
        if (is(name))
            return true;
    for (const PageKey &page : PageKeys)
        if (is(page.key))
            return true;
    return ruleKindOfKey(key).has_value();
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

QString fontRoleKey(QString CalendarState::*field)
{
    for (const FontRole &entry : FontRoles)
        if (entry.field == field)
            return QLatin1String(entry.name);
    return {};
}

ControlFileResult applyControlLines(CalendarState &state, MessageService &messages, const MarkSources &sources,
                                    const QStringList &lines, const QString &path, const QList<int> &windows1252Lines)
{
    ControlFileResult result;
    LineReport report(messages, path, result);
    report.setWindows1252Lines(windows1252Lines);
    const QString folder = QFileInfo(path).absolutePath();
    int notes = 0;
    int lineNumber = 0;
    // The line each rule of this file came from, by its place in state.rules.
    std::vector<std::pair<size_t, int>> ruleLines;
    for (const QString &line : lines) {
        ++lineNumber;
        const QStringView trimmed = trimBlanks(line);
        const QStringView key = trimmed.left(3);
        const qsizetype blank = trimmed.indexOf(Blank);
        const QString value = blank < 0 ? QString() : trimBlanks(trimmed.mid(blank + 1)).toString();
        auto is = [&key](const char *name) { return key.compare(QLatin1String(name), Qt::CaseInsensitive) == 0; };
        // A text far longer than the page can show is a runaway line, not a calendar's text.
        if ((is("HDR") || is("MSG") || is("NOT") || is("NOB")) && value.size() > MaxTextLength) {
            report.skip(lineNumber, line,
                        ControlFileWords::tr("the text is %L1 characters long; the page holds at most %2")
                            .arg(value.size()).arg(MaxTextLength));
            continue;
        }

        if (is("YER")) {
            // A year that cannot be one is reported here, once, and the year stays as it was.
            QString problem;
            if (yearFromText(value, &problem))
                state.txtYear = value;
            else
                report.skip(lineNumber, line, problem);
        } else if (is("HDR")) {
            state.txtHeader = value;
        } else if (is("MSG")) {
            state.txtMessage[5] = value;
        } else if (is("NOT") || is("NOB")) {
            // NOB: a note that starts with a blank, which ends the address block where it
            // stands; the blanks after the key are the note's own.
            const QString note = is("NOB") ? QLatin1Char(' ') + (blank < 0 ? QString() : trimmed.mid(blank + 1).toString()) : value;
            if (notes < 6) {
                state.textLines[notes] = note;
                // The sixth note has no box of its own: txtMessage(5) is the message line.
                if (notes != 5)
                    state.txtMessage[notes] = note;
                ++notes;
            } else {
                ++result.droppedNotes;
                messages.show(ControlFileWords::tr("Only 6 notes allowed. Following note dropped. %1").arg(note), applicationTitle());
            }
        } else if (is("PIC")) {
            state.strSelectedFile = resolvePath(value, path);
            const PictureReport picture = AcceptPicture(state, messages);
            if (picture.problem)
                report.picture(lineNumber, ControlFileWords::tr("picture not drawn: %1").arg(*picture.problem));
            for (const QString &warning : picture.warnings)
                report.picture(lineNumber, ControlFileWords::tr("the picture drew with a warning: %1").arg(warning));
        } else if (is("TOP")) {
            if (const std::optional<QString> problem = applyPictureAtTop(state, value))
                report.skip(lineNumber, line, *problem);
        } else if (is("FNT")) {
            if (const std::optional<QString> problem = applyFont(state, value))
                report.skip(lineNumber, line, *problem);
        } else if (const auto page = std::find_if(std::begin(PageKeys), std::end(PageKeys),
                                                  [&is](const PageKey &k) { return is(k.key); });
                   page != std::end(PageKeys)) {
            if (const std::optional<QString> problem = page->apply(state, value))
                report.skip(lineNumber, line, *problem);
        } else if (const std::optional<RuleKind> kind = ruleKindOfKey(key)) {
            const RuleLine rule = parseRuleValue(*kind, value, folder);
            if (rule.rule) {
                ruleLines.emplace_back(state.rules.size(), lineNumber);
                state.rules.push_back(*rule.rule);
            }
            else if (!rule.problem.isEmpty())
                report.skip(lineNumber, line, rule.problem);
        }
    }
    // The marks follow the rules and the year as they stand at the end of the file, so a
    // YER line after the rules moves them to the new year.
    refreshMarks(state, sources);
    // What the rules could not mark is said at their lines, the year they were worked out for
    // being the one that prints.
    if (const std::optional<CalendarSpan> span = calendarSpan(state)) {
        for (const auto &[index, number] : ruleLines) {
            if (index >= state.ruleResults.size())
                continue;
            const QStringList said = ruleResultMessages(state.ruleResults[index], *span);
            if (state.ruleResults[index].status != RuleResult::Status::Marked || !state.ruleResults[index].warnings.isEmpty())
                ++result.ruleProblems;
            for (const QString &text : said)
                report.rule(number, text);
        }
    }
    report.finish();
    return result;
}

ControlFileResult ReadControlFile(CalendarState &state, MessageService &messages, const MarkSources &sources)
{
    const QString path = state.strSelectedFile;
    state.binFileOK = isControlFileName(path);
    if (!state.binFileOK) {
        messages.show(ControlFileWords::tr("Select a .txt file.\nTry again . . ."), applicationTitle());
        return {};
    }
    // The whole file is read before anything changes, so a file that cannot be read leaves
    // the calendar as it was.
    const TextLines text = readTextFile(path);
    if (!text.ok()) {
        messages.show(ControlFileWords::tr("Cannot read the control file %1:\n%2.").arg(path, text.error), applicationTitle(),
                      MessageService::Icon::Warning);
        return {};
    }
    // A text file without a single key line is not a calendar: most likely a date-list file
    // caught by a wildcard, whose own date-list would be named ..._dl_dl.txt.
    const QStringList &lines = *text.lines;
    const bool anyText = std::any_of(lines.begin(), lines.end(), [](const QString &line) { return !trimBlanks(line).isEmpty(); });
    if (anyText && std::none_of(lines.begin(), lines.end(), isKeyLine)) {
        state.binFileOK = false;
        messages.show(ControlFileWords::tr("%1 is not a control file: none of its lines starts with a key such as YER, HDR or "
                                           "DTM. Nothing was read . . .")
                          .arg(path),
                      applicationTitle(), MessageService::Icon::Warning);
        return {};
    }
    state.strListFile = dateListFileName(path);
    state.documentFile = path;
    ControlFileResult result = applyControlLines(state, messages, sources, *text.lines, path, text.windows1252Lines);
    result.read = true;
    return result;
}
