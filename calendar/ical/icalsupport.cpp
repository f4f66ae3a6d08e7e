#include "calendar/ical/icalsupport.h"

void ensureLibicalSetUp()
{
    static const bool setUp = [] {
        icalerror_set_errors_are_fatal(0);
        return true;
    }();
    (void)setUp;
}
