#pragma once

// The messages of the iCalendar reader: why a file is refused, and what was left out of a
// file that is read all the same.

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

// Texts of the reader, in the user's language (one context for all its files).
struct ICalendarWords
{
    Q_DECLARE_TR_FUNCTIONS(ICalendar)
};

// "name, line N: reason", or "name: reason" when `line` is 0.
QString icsRefusalText(const QString &name, int line, const QString &reason);

// The warnings of one file, "what is wrong; what was done" with their lines. Only the first
// MaxIcsWarnings are kept: a file with a fault on every event would otherwise list thousands,
// and keep their texts in memory.
class IcsWarnings
{
public:
    void add(int line, const QString &what);
    bool empty() const { return m_listed.empty(); }
    // "name, line N: what" for each kept, in order of their lines, then "name: further
    // problems not listed: N" when some were not kept.
    QStringList texts(const QString &name) const;

private:
    std::vector<std::pair<int, QString>> m_listed;
    long long m_more = 0;
};
