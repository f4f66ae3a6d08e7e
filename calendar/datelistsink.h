#pragma once

#include <QString>
#include <QtGlobal>

// Where the date-list lines go (the date-list file during a print job, a list in tests).
class DateListSink
{
public:
    DateListSink() = default;
    virtual ~DateListSink() = default;
    Q_DISABLE_COPY_MOVE(DateListSink)

    // One line; the sink adds the line end (CR LF in the file).
    virtual void writeLine(const QString &line) = 0;
};

// Drops every line: for previews, which draw the page but write no file.
class NullDateListSink : public DateListSink
{
public:
    void writeLine(const QString &) override {}
};
