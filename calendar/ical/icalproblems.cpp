#include "calendar/ical/icalproblems.h"

#include "calendar/ical/icalendar.h"

#include <algorithm>

QString icsRefusalText(const QString &name, int line, const QString &reason)
{
    return line > 0 ? ICalendarWords::tr("%1, line %2: %3").arg(name).arg(line).arg(reason)
                    : QStringLiteral("%1: %2").arg(name, reason);
}

void IcsWarnings::add(int line, const QString &what)
{
    if (m_listed.size() < size_t(MaxIcsWarnings))
        m_listed.emplace_back(line, what);
    else
        ++m_more;
}

QStringList IcsWarnings::texts(const QString &name) const
{
    std::vector<std::pair<int, QString>> listed = m_listed;
    std::stable_sort(listed.begin(), listed.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    QStringList texts;
    for (const auto &[line, what] : listed)
        texts << icsRefusalText(name, line, what);
    if (m_more > 0)
        texts << ICalendarWords::tr("%1: further problems not listed: %L2").arg(name).arg(m_more);
    return texts;
}
