#pragma once

#include <QString>

#include <memory>

class HolidayCountry;

struct HolidayLoadResult
{
    std::shared_ptr<const HolidayCountry> country;  // null when the file is broken
    QString error;                                   // "DE.txt, line 12: ...", empty on success
};

// Parses the text of a country file; `fileName` names it in messages. When `expectedCode` is
// given (the file is DE.txt: "DE"), a country line naming another country is an error.
HolidayLoadResult parseHolidayFile(const QString &text, const QString &fileName, const QString &expectedCode = QString());

// Reads and parses a country file: a regular file of at most 1 MiB of UTF-8 text, named by
// the country's code (DE.txt holds "country DE ..."). Every fault is named with the file,
// and with the line where the file has one there.
HolidayLoadResult loadHolidayFile(const QString &path);
