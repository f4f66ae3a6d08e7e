#pragma once

// Public holidays: the days of a country file's rules (HolidayCountry), the file format
// (parseHolidayFile, loadHolidayFile) and the catalog of files on the search path.
#include "calendar/holidays/holidaycatalog.h"
#include "calendar/holidays/holidaycountry.h"
#include "calendar/holidays/holidayfile.h"
