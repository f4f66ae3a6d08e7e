#pragma once

#include "calendar/holidays/holidays.h"
#include "calendar/ical/icsreader.h"
#include "calendar/marksources.h"

#include <QString>

// The holiday catalog and .ics reader for a test: the shipped holiday files of this source
// tree only, so that a user's own holiday folder cannot change what a test sees.
struct TestSources
{
    // The first folder of a search path is the user's own: here none.
    HolidayCatalog holidays{{QString(), QStringLiteral(LUNARIA_SOURCE_DIR "/data/holidays")}};
    IcsReader calendars;
    MarkSources marks{holidays, calendars};

    operator const MarkSources &() const { return marks; }
};
