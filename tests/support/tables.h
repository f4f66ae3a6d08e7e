#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The tables under tests/data share one syntax: a line "=== NAME" begins a section, and the
// lines up to the next such line are its lines, given whole (blank lines and "#" comments
// too: a holiday file keeps its own). What NAME and the lines mean is the table's own; its
// head, before the first section, says so in comments.
struct TableSection
{
    QString name;       // the rest of the "=== " line
    int line = 0;       // the number of the "=== " line, for messages
    QStringList lines;  // without their line ends
};

// The sections of tests/data/<relativePath>, read as UTF-8. A file that cannot be read, or
// a line before the first section that is not a note, fails the running test: a missing
// table would otherwise leave its suite with fewer cases and nothing failing.
std::vector<TableSection> tableSections(const QString &relativePath);

// Whether a line of a table is only a note for its reader: empty, or a comment ("#"). A line
// of blanks is not: in an iCalendar body it is a folded line.
bool isTableNote(const QString &line);
