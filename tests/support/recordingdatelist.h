#pragma once

#include "calendar/datelistsink.h"

#include <QStringList>

// Keeps the date-list lines in order, without line ends.
class RecordingDateList : public DateListSink
{
public:
    void writeLine(const QString &line) override { lines << line; }
    QStringList lines;
};
