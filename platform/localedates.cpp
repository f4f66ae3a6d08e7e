#include "platform/localedates.h"

#include <QList>
#include <QLocale>
#include <QStringView>

#include <algorithm>
#include <array>

namespace {

enum class Field { Day, Month, Year };
using FieldOrder = std::array<Field, 3>;

// The order of day, month and year in the locale's short date format. Quoted literal text
// is skipped; a format that lacks one of the three falls back to day-month-year.
FieldOrder fieldOrder(const QLocale &locale)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    qsizetype day = -1, month = -1, year = -1;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
            continue;
        }
        if (quoted)
            continue;
        if (c == QLatin1Char('d') && day < 0)
            day = i;
        else if (c == QLatin1Char('M') && month < 0)
            month = i;
        else if (c == QLatin1Char('y') && year < 0)
            year = i;
    }
    if (day < 0 || month < 0 || year < 0)
        return {Field::Day, Field::Month, Field::Year};
    std::array<std::pair<qsizetype, Field>, 3> found{{{day, Field::Day}, {month, Field::Month}, {year, Field::Year}}};
    std::sort(found.begin(), found.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    return {found[0].second, found[1].second, found[2].second};
}

// A field of 1..4 decimal digits; -1 otherwise.
int fieldValue(QStringView field)
{
    if (field.isEmpty() || field.size() > 4)
        return -1;
    int value = 0;
    for (const QChar c : field) {
        const int digit = c.digitValue();
        if (digit < 0)
            return -1;
        value = value * 10 + digit;
    }
    return value;
}

// The fields of a date written with "/", "." or "-" between them: the first of the three
// that occurs separates them all. Some locales end a short date with its separator
// ("1.9.2004."). Nothing without a separator.
QList<QStringView> dateFields(QStringView text)
{
    QChar separator;
    for (const QChar c : text) {
        if (c == QLatin1Char('/') || c == QLatin1Char('.') || c == QLatin1Char('-')) {
            separator = c;
            break;
        }
    }
    if (separator.isNull())
        return {};
    if (text.endsWith(separator))
        text.chop(1);
    return text.split(separator);
}

} // namespace

int expandTwoDigitYear(int year)
{
    if (year < 0 || year > 99)
        return year;
    return year < 30 ? 2000 + year : 1900 + year;
}

std::optional<QDate> parseLocaleDate(const QString &text, const QLocale &locale)
{
    QStringView rest = QStringView(text).trimmed();
    if (rest.isEmpty())
        return std::nullopt;

    const QList<QStringView> parts = dateFields(rest);
    if (parts.size() != 3)
        return std::nullopt;

    FieldOrder order = fieldOrder(locale);
    if (parts[0].size() == 4)
        order = {Field::Year, Field::Month, Field::Day};

    int day = -1, month = -1, year = -1;
    for (int i = 0; i < 3; ++i) {
        const int value = fieldValue(parts[i]);
        const qsizetype digits = parts[i].size();
        if (value < 0)
            return std::nullopt;
        switch (order[i]) {
        case Field::Day:
            if (digits > 2)
                return std::nullopt;
            day = value;
            break;
        case Field::Month:
            if (digits > 2)
                return std::nullopt;
            month = value;
            break;
        case Field::Year:
            if (digits != 2 && digits != 4)
                return std::nullopt;
            year = digits == 2 ? expandTwoDigitYear(value) : value;
            break;
        }
    }
    // Year 0 does not exist in QDate's proleptic Gregorian calendar.
    if (year < 1)
        return std::nullopt;
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<std::pair<int, int>> parseLocaleMonthDay(const QString &text, const QLocale &locale)
{
    QStringView rest = QStringView(text).trimmed();
    int month = -1, day = -1;
    if (rest.startsWith(QLatin1String("--"))) {
        const QList<QStringView> parts = rest.mid(2).split(QLatin1Char('-'));
        if (parts.size() != 2 || parts[0].size() != 2 || parts[1].size() != 2)
            return std::nullopt;
        month = fieldValue(parts[0]);
        day = fieldValue(parts[1]);
    } else {
        const QList<QStringView> parts = dateFields(rest);
        if (parts.size() != 2 || parts[0].size() > 2 || parts[1].size() > 2)
            return std::nullopt;
        // Day and month in the order the locale writes them, whatever it does with the year.
        const FieldOrder order = fieldOrder(locale);
        const bool monthFirst = std::find(order.begin(), order.end(), Field::Month) < std::find(order.begin(), order.end(), Field::Day);
        month = fieldValue(parts[monthFirst ? 0 : 1]);
        day = fieldValue(parts[monthFirst ? 1 : 0]);
    }
    // A leap year, so that 29 February is a day some years have.
    if (month < 1 || day < 1 || !QDate(2000, month, day).isValid())
        return std::nullopt;
    return std::pair{month, day};
}

QLocale pageLocale(const QString &language)
{
    if (language.isEmpty())
        return QLocale();
    // A page asks for its locale for every name it prints; looking a locale up by name parses
    // the name and searches Qt's tables, so the last one is kept. One per thread: a locale is
    // shared data, and the previews and prints may run on their own threads one day.
    thread_local QString lastName;
    thread_local QLocale lastLocale = QLocale::c();
    if (language != lastName) {
        lastLocale = QLocale(language);
        lastName = language;
    }
    return lastLocale;
}

bool isKnownLanguage(const QString &language)
{
    if (language.isEmpty())
        return false;
    return QLocale(language).language() != QLocale::C || language == QLatin1String("C");
}

QString monthName(int month, const QString &language)
{
    // The stand-alone form is the one a heading takes; in languages that inflect month
    // names it differs from the form used inside a date.
    QString name = pageLocale(language).standaloneMonthName(month, QLocale::LongFormat);
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}

std::array<QString, 7> weekdayInitials(const QString &language)
{
    std::array<QString, 7> initials;
    if (language.isEmpty()) {
        const QString letters = QStringLiteral("SMTWTFS");
        for (int i = 0; i < 7; ++i)
            initials[size_t(i)] = letters.at(i);
        return initials;
    }
    const QLocale locale = pageLocale(language);
    for (int i = 0; i < 7; ++i) {
        // Qt counts weekdays from Monday = 1 to Sunday = 7.
        const int qtDay = i == 0 ? 7 : i;
        initials[size_t(i)] = locale.standaloneDayName(qtDay, QLocale::NarrowFormat);
        // A locale without narrow names still heads its columns.
        if (initials[size_t(i)].isEmpty())
            initials[size_t(i)] = locale.standaloneDayName(qtDay, QLocale::ShortFormat);
    }
    return initials;
}

int firstWeekdayOf(const QString &language)
{
    return int(pageLocale(language).firstDayOfWeek()) % 7;
}

bool isRightToLeft(const QString &language)
{
    return pageLocale(language).textDirection() == Qt::RightToLeft;
}
