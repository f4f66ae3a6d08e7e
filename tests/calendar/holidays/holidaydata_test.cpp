// The shipped country files against the holidays their governments publish.

#include "calendar/holidays/holidays.h"
#include "tests/calendar/holidays/shippedholidays.h"
#include "tests/support/qtprinters.h"

#include <QDir>

#include <gtest/gtest.h>

#include <algorithm>

using namespace std::chrono;

// The countries checked in holidayworld_test.cpp.
bool worldCountryHasAPublishedYear(const QString &country);

namespace {


struct PublishedYear
{
    const char *region;
    int year;
    const char *holidays;
};

// The years: 2016 (Easter 27 March; Christmas on a Sunday), 2021 (Easter 4 April; Christmas on
// a Saturday, Boxing Day on a Sunday, the next New Year's Day on a Saturday) and 2025 (Easter
// 20 April). The rows were checked against the governments' published lists and against an
// independent compilation (the date-holidays data set); where those two differ, the published
// list wins (the US observed Veterans Day, the UK's moved Spring bank holidays, Valencia's
// 9 October). Weekend days off are listed under the law's own name for them.
const PublishedYear PublishedYears[] = {
    {"AT", 2016, "01-01 New Year's Day; 01-06 Epiphany; 03-28 Easter Monday; 05-01 National Holiday (Labour Day); 05-05 Ascension Day; 05-16 Whit Monday; 05-26 Corpus Christi; 08-15 Assumption Day; 10-26 National Day; 11-01 All Saints' Day; 12-08 Immaculate Conception; 12-25 Christmas Day; 12-26 St Stephen's Day"},
    {"AT", 2021, "01-01 New Year's Day; 01-06 Epiphany; 04-05 Easter Monday; 05-01 National Holiday (Labour Day); 05-13 Ascension Day; 05-24 Whit Monday; 06-03 Corpus Christi; 08-15 Assumption Day; 10-26 National Day; 11-01 All Saints' Day; 12-08 Immaculate Conception; 12-25 Christmas Day; 12-26 St Stephen's Day"},
    {"AT", 2025, "01-01 New Year's Day; 01-06 Epiphany; 04-21 Easter Monday; 05-01 National Holiday (Labour Day); 05-29 Ascension Day; 06-09 Whit Monday; 06-19 Corpus Christi; 08-15 Assumption Day; 10-26 National Day; 11-01 All Saints' Day; 12-08 Immaculate Conception; 12-25 Christmas Day; 12-26 St Stephen's Day"},
    {"AT-9", 2016, "01-01 New Year's Day; 01-06 Epiphany; 03-28 Easter Monday; 05-01 National Holiday (Labour Day); 05-05 Ascension Day; 05-16 Whit Monday; 05-26 Corpus Christi; 08-15 Assumption Day; 10-26 National Day; 11-01 All Saints' Day; 12-08 Immaculate Conception; 12-25 Christmas Day; 12-26 St Stephen's Day"},
    {"AT-9", 2021, "01-01 New Year's Day; 01-06 Epiphany; 04-05 Easter Monday; 05-01 National Holiday (Labour Day); 05-13 Ascension Day; 05-24 Whit Monday; 06-03 Corpus Christi; 08-15 Assumption Day; 10-26 National Day; 11-01 All Saints' Day; 12-08 Immaculate Conception; 12-25 Christmas Day; 12-26 St Stephen's Day"},
    {"AT-9", 2025, "01-01 New Year's Day; 01-06 Epiphany; 04-21 Easter Monday; 05-01 National Holiday (Labour Day); 05-29 Ascension Day; 06-09 Whit Monday; 06-19 Corpus Christi; 08-15 Assumption Day; 10-26 National Day; 11-01 All Saints' Day; 12-08 Immaculate Conception; 12-25 Christmas Day; 12-26 St Stephen's Day"},
    {"AU-NSW", 2016, "01-01 New Year's Day; 01-26 Australia Day; 03-25 Good Friday; 03-26 Easter Saturday; 03-27 Easter Sunday; 03-28 Easter Monday; 04-25 Anzac Day; 06-13 Queen's Birthday; 10-03 Labour Day; 12-25 Christmas Day; 12-26 Boxing Day; 12-27 Christmas Day (additional day)"},
    {"AU-NSW", 2021, "01-01 New Year's Day; 01-26 Australia Day; 04-02 Good Friday; 04-03 Easter Saturday; 04-04 Easter Sunday; 04-05 Easter Monday; 04-25 Anzac Day; 06-14 Queen's Birthday; 10-04 Labour Day; 12-25 Christmas Day; 12-26 Boxing Day; 12-27 Christmas Day (additional day); 12-28 Boxing Day (additional day)"},
    {"AU-NSW", 2025, "01-01 New Year's Day; 01-26 Australia Day; 01-27 Australia Day (additional day); 04-18 Good Friday; 04-19 Easter Saturday; 04-20 Easter Sunday; 04-21 Easter Monday; 04-25 Anzac Day; 06-09 King's Birthday; 10-06 Labour Day; 12-25 Christmas Day; 12-26 Boxing Day"},
    {"AU-VIC", 2016, "01-01 New Year's Day; 01-26 Australia Day; 03-14 Labour Day; 03-25 Good Friday; 03-26 Easter Saturday; 03-27 Easter Sunday; 03-28 Easter Monday; 04-25 Anzac Day; 06-13 Queen's Birthday; 11-01 Melbourne Cup Day; 12-25 Christmas Day; 12-26 Boxing Day; 12-27 Christmas Day (additional day)"},
    {"AU-VIC", 2021, "01-01 New Year's Day; 01-26 Australia Day; 03-08 Labour Day; 04-02 Good Friday; 04-03 Easter Saturday; 04-04 Easter Sunday; 04-05 Easter Monday; 04-25 Anzac Day; 06-14 Queen's Birthday; 11-02 Melbourne Cup Day; 12-25 Christmas Day; 12-26 Boxing Day; 12-27 Christmas Day (additional day); 12-28 Boxing Day (additional day)"},
    {"AU-VIC", 2025, "01-01 New Year's Day; 01-26 Australia Day; 01-27 Australia Day (additional day); 03-10 Labour Day; 04-18 Good Friday; 04-19 Easter Saturday; 04-20 Easter Sunday; 04-21 Easter Monday; 04-25 Anzac Day; 06-09 King's Birthday; 11-04 Melbourne Cup Day; 12-25 Christmas Day; 12-26 Boxing Day"},
    {"AU-WA", 2016, "01-01 New Year's Day; 01-26 Australia Day; 03-07 Labour Day; 03-25 Good Friday; 03-28 Easter Monday; 04-25 Anzac Day; 06-06 Western Australia Day; 09-26 Queen's Birthday; 12-25 Christmas Day; 12-26 Boxing Day; 12-27 Christmas Day (additional day)"},
    {"AU-WA", 2021, "01-01 New Year's Day; 01-26 Australia Day; 03-01 Labour Day; 04-02 Good Friday; 04-05 Easter Monday; 04-25 Anzac Day; 04-26 Anzac Day (additional day); 06-07 Western Australia Day; 09-27 Queen's Birthday; 12-25 Christmas Day; 12-26 Boxing Day; 12-27 Christmas Day (additional day); 12-28 Boxing Day (additional day)"},
    {"AU-WA", 2025, "01-01 New Year's Day; 01-26 Australia Day; 01-27 Australia Day (additional day); 03-03 Labour Day; 04-18 Good Friday; 04-20 Easter Sunday; 04-21 Easter Monday; 04-25 Anzac Day; 06-02 Western Australia Day; 09-29 King's Birthday; 12-25 Christmas Day; 12-26 Boxing Day"},
    {"BE", 2016, "01-01 New Year's Day; 03-27 Easter Sunday; 03-28 Easter Monday; 05-01 Labour Day; 05-05 Ascension Day; 05-15 Whit Sunday; 05-16 Whit Monday; 07-21 National Day; 08-15 Assumption Day; 11-01 All Saints' Day; 11-11 Armistice Day; 12-25 Christmas Day"},
    {"BE", 2021, "01-01 New Year's Day; 04-04 Easter Sunday; 04-05 Easter Monday; 05-01 Labour Day; 05-13 Ascension Day; 05-23 Whit Sunday; 05-24 Whit Monday; 07-21 National Day; 08-15 Assumption Day; 11-01 All Saints' Day; 11-11 Armistice Day; 12-25 Christmas Day"},
    {"BE", 2025, "01-01 New Year's Day; 04-20 Easter Sunday; 04-21 Easter Monday; 05-01 Labour Day; 05-29 Ascension Day; 06-08 Whit Sunday; 06-09 Whit Monday; 07-21 National Day; 08-15 Assumption Day; 11-01 All Saints' Day; 11-11 Armistice Day; 12-25 Christmas Day"},
    {"BR", 2016, "01-01 New Year's Day; 03-25 Good Friday; 04-21 Tiradentes' Day; 05-01 Labour Day; 09-07 Independence Day; 10-12 Our Lady of Aparecida; 11-02 All Souls' Day; 11-15 Republic Proclamation Day; 12-25 Christmas Day"},
    {"BR", 2021, "01-01 New Year's Day; 04-02 Good Friday; 04-21 Tiradentes' Day; 05-01 Labour Day; 09-07 Independence Day; 10-12 Our Lady of Aparecida; 11-02 All Souls' Day; 11-15 Republic Proclamation Day; 12-25 Christmas Day"},
    {"BR", 2025, "01-01 New Year's Day; 04-18 Good Friday; 04-21 Tiradentes' Day; 05-01 Labour Day; 09-07 Independence Day; 10-12 Our Lady of Aparecida; 11-02 All Souls' Day; 11-15 Republic Proclamation Day; 11-20 Black Consciousness Day; 12-25 Christmas Day"},
    {"CA", 2016, "01-01 New Year's Day; 03-25 Good Friday; 05-23 Victoria Day; 07-01 Canada Day; 09-05 Labour Day; 10-10 Thanksgiving; 11-11 Remembrance Day; 12-25 Christmas Day; 12-26 Boxing Day"},
    {"CA", 2021, "01-01 New Year's Day; 04-02 Good Friday; 05-24 Victoria Day; 07-01 Canada Day; 09-06 Labour Day; 09-30 National Day for Truth and Reconciliation; 10-11 Thanksgiving; 11-11 Remembrance Day; 12-25 Christmas Day; 12-26 Boxing Day"},
    {"CA", 2025, "01-01 New Year's Day; 04-18 Good Friday; 05-19 Victoria Day; 07-01 Canada Day; 09-01 Labour Day; 09-30 National Day for Truth and Reconciliation; 10-13 Thanksgiving; 11-11 Remembrance Day; 12-25 Christmas Day; 12-26 Boxing Day"},
    {"CA-ON", 2016, "01-01 New Year's Day; 02-15 Family Day; 03-25 Good Friday; 05-23 Victoria Day; 07-01 Canada Day; 09-05 Labour Day; 10-10 Thanksgiving; 12-25 Christmas Day; 12-26 Boxing Day"},
    {"CA-ON", 2021, "01-01 New Year's Day; 02-15 Family Day; 04-02 Good Friday; 05-24 Victoria Day; 07-01 Canada Day; 09-06 Labour Day; 10-11 Thanksgiving; 12-25 Christmas Day; 12-26 Boxing Day"},
    {"CA-ON", 2025, "01-01 New Year's Day; 02-17 Family Day; 04-18 Good Friday; 05-19 Victoria Day; 07-01 Canada Day; 09-01 Labour Day; 10-13 Thanksgiving; 12-25 Christmas Day; 12-26 Boxing Day"},
    {"CA-QC", 2016, "01-01 New Year's Day; 03-25 Good Friday; 05-23 National Patriots' Day; 06-24 Fête nationale du Québec; 07-01 Canada Day; 09-05 Labour Day; 10-10 Thanksgiving; 12-25 Christmas Day"},
    {"CA-QC", 2021, "01-01 New Year's Day; 04-02 Good Friday; 05-24 National Patriots' Day; 06-24 Fête nationale du Québec; 07-01 Canada Day; 09-06 Labour Day; 10-11 Thanksgiving; 12-25 Christmas Day"},
    {"CA-QC", 2025, "01-01 New Year's Day; 04-18 Good Friday; 05-19 National Patriots' Day; 06-24 Fête nationale du Québec; 07-01 Canada Day; 09-01 Labour Day; 10-13 Thanksgiving; 12-25 Christmas Day"},
    {"CH-ZH", 2016, "01-01 New Year's Day; 03-25 Good Friday; 03-28 Easter Monday; 05-01 Labour Day; 05-05 Ascension Day; 05-16 Whit Monday; 08-01 Swiss National Day; 12-25 Christmas Day; 12-26 St Stephen's Day"},
    {"CH-ZH", 2021, "01-01 New Year's Day; 04-02 Good Friday; 04-05 Easter Monday; 05-01 Labour Day; 05-13 Ascension Day; 05-24 Whit Monday; 08-01 Swiss National Day; 12-25 Christmas Day; 12-26 St Stephen's Day"},
    {"CH-ZH", 2025, "01-01 New Year's Day; 04-18 Good Friday; 04-21 Easter Monday; 05-01 Labour Day; 05-29 Ascension Day; 06-09 Whit Monday; 08-01 Swiss National Day; 12-25 Christmas Day; 12-26 St Stephen's Day"},
    {"CH-GE", 2016, "01-01 New Year's Day; 03-25 Good Friday; 03-28 Easter Monday; 05-05 Ascension Day; 05-16 Whit Monday; 08-01 Swiss National Day; 09-08 Geneva Fast; 12-25 Christmas Day; 12-31 Restoration of the Republic"},
    {"CH-GE", 2021, "01-01 New Year's Day; 04-02 Good Friday; 04-05 Easter Monday; 05-13 Ascension Day; 05-24 Whit Monday; 08-01 Swiss National Day; 09-09 Geneva Fast; 12-25 Christmas Day; 12-31 Restoration of the Republic"},
    {"CH-GE", 2025, "01-01 New Year's Day; 04-18 Good Friday; 04-21 Easter Monday; 05-29 Ascension Day; 06-09 Whit Monday; 08-01 Swiss National Day; 09-11 Geneva Fast; 12-25 Christmas Day; 12-31 Restoration of the Republic"},
    {"CH-TI", 2016, "01-01 New Year's Day; 01-06 Epiphany; 03-19 St Joseph's Day; 03-28 Easter Monday; 05-01 Labour Day; 05-05 Ascension Day; 05-16 Whit Monday; 05-26 Corpus Christi; 06-29 Saints Peter and Paul; 08-01 Swiss National Day; 08-15 Assumption Day; 11-01 All Saints' Day; 12-08 Immaculate Conception; 12-25 Christmas Day; 12-26 St Stephen's Day"},
    {"CH-TI", 2021, "01-01 New Year's Day; 01-06 Epiphany; 03-19 St Joseph's Day; 04-05 Easter Monday; 05-01 Labour Day; 05-13 Ascension Day; 05-24 Whit Monday; 06-03 Corpus Christi; 06-29 Saints Peter and Paul; 08-01 Swiss National Day; 08-15 Assumption Day; 11-01 All Saints' Day; 12-08 Immaculate Conception; 12-25 Christmas Day; 12-26 St Stephen's Day"},
    {"CH-TI", 2025, "01-01 New Year's Day; 01-06 Epiphany; 03-19 St Joseph's Day; 04-21 Easter Monday; 05-01 Labour Day; 05-29 Ascension Day; 06-09 Whit Monday; 06-19 Corpus Christi; 06-29 Saints Peter and Paul; 08-01 Swiss National Day; 08-15 Assumption Day; 11-01 All Saints' Day; 12-08 Immaculate Conception; 12-25 Christmas Day; 12-26 St Stephen's Day"},
    {"CZ", 2016, "01-01 New Year's Day (Restoration Day of the Independent Czech State); 03-25 Good Friday; 03-28 Easter Monday; 05-01 Labour Day; 05-08 Liberation Day; 07-05 Saints Cyril and Methodius Day; 07-06 Jan Hus Day; 09-28 St Wenceslas Day (Czech Statehood Day); 10-28 Independent Czechoslovak State Day; 11-17 Struggle for Freedom and Democracy Day; 12-24 Christmas Eve; 12-25 Christmas Day; 12-26 St Stephen's Day"},
    {"CZ", 2021, "01-01 New Year's Day (Restoration Day of the Independent Czech State); 04-02 Good Friday; 04-05 Easter Monday; 05-01 Labour Day; 05-08 Liberation Day; 07-05 Saints Cyril and Methodius Day; 07-06 Jan Hus Day; 09-28 St Wenceslas Day (Czech Statehood Day); 10-28 Independent Czechoslovak State Day; 11-17 Struggle for Freedom and Democracy Day; 12-24 Christmas Eve; 12-25 Christmas Day; 12-26 St Stephen's Day"},
    {"CZ", 2025, "01-01 New Year's Day (Restoration Day of the Independent Czech State); 04-18 Good Friday; 04-21 Easter Monday; 05-01 Labour Day; 05-08 Liberation Day; 07-05 Saints Cyril and Methodius Day; 07-06 Jan Hus Day; 09-28 St Wenceslas Day (Czech Statehood Day); 10-28 Independent Czechoslovak State Day; 11-17 Struggle for Freedom and Democracy Day; 12-24 Christmas Eve; 12-25 Christmas Day; 12-26 St Stephen's Day"},
    {"DE", 2016, "01-01 New Year's Day; 03-25 Good Friday; 03-28 Easter Monday; 05-01 Labour Day; 05-05 Ascension Day; 05-16 Whit Monday; 10-03 German Unity Day; 12-25 Christmas Day; 12-26 Second Day of Christmas"},
    {"DE", 2021, "01-01 New Year's Day; 04-02 Good Friday; 04-05 Easter Monday; 05-01 Labour Day; 05-13 Ascension Day; 05-24 Whit Monday; 10-03 German Unity Day; 12-25 Christmas Day; 12-26 Second Day of Christmas"},
    {"DE", 2025, "01-01 New Year's Day; 04-18 Good Friday; 04-21 Easter Monday; 05-01 Labour Day; 05-29 Ascension Day; 06-09 Whit Monday; 10-03 German Unity Day; 12-25 Christmas Day; 12-26 Second Day of Christmas"},
    {"DE-BB", 2016, "01-01 New Year's Day; 03-25 Good Friday; 03-27 Easter Sunday; 03-28 Easter Monday; 05-01 Labour Day; 05-05 Ascension Day; 05-15 Whit Sunday; 05-16 Whit Monday; 10-03 German Unity Day; 10-31 Reformation Day; 12-25 Christmas Day; 12-26 Second Day of Christmas"},
    {"DE-BB", 2021, "01-01 New Year's Day; 04-02 Good Friday; 04-04 Easter Sunday; 04-05 Easter Monday; 05-01 Labour Day; 05-13 Ascension Day; 05-23 Whit Sunday; 05-24 Whit Monday; 10-03 German Unity Day; 10-31 Reformation Day; 12-25 Christmas Day; 12-26 Second Day of Christmas"},
    {"DE-BB", 2025, "01-01 New Year's Day; 04-18 Good Friday; 04-20 Easter Sunday; 04-21 Easter Monday; 05-01 Labour Day; 05-29 Ascension Day; 06-08 Whit Sunday; 06-09 Whit Monday; 10-03 German Unity Day; 10-31 Reformation Day; 12-25 Christmas Day; 12-26 Second Day of Christmas"},
    {"DE-BE", 2016, "01-01 New Year's Day; 03-25 Good Friday; 03-28 Easter Monday; 05-01 Labour Day; 05-05 Ascension Day; 05-16 Whit Monday; 10-03 German Unity Day; 12-25 Christmas Day; 12-26 Second Day of Christmas"},
    {"DE-BE", 2021, "01-01 New Year's Day; 03-08 International Women's Day; 04-02 Good Friday; 04-05 Easter Monday; 05-01 Labour Day; 05-13 Ascension Day; 05-24 Whit Monday; 10-03 German Unity Day; 12-25 Christmas Day; 12-26 Second Day of Christmas"},
    {"DE-BE", 2025, "01-01 New Year's Day; 03-08 International Women's Day; 04-18 Good Friday; 04-21 Easter Monday; 05-01 Labour Day; 05-08 80th anniversary of the end of the Second World War; 05-29 Ascension Day; 06-09 Whit Monday; 10-03 German Unity Day; 12-25 Christmas Day; 12-26 Second Day of Christmas"},
    {"DE-BY", 2016, "01-01 New Year's Day; 01-06 Epiphany; 03-25 Good Friday; 03-28 Easter Monday; 05-01 Labour Day; 05-05 Ascension Day; 05-16 Whit Monday; 05-26 Corpus Christi; 08-15 Assumption Day; 10-03 German Unity Day; 11-01 All Saints' Day; 12-25 Christmas Day; 12-26 Second Day of Christmas"},
    {"DE-BY", 2021, "01-01 New Year's Day; 01-06 Epiphany; 04-02 Good Friday; 04-05 Easter Monday; 05-01 Labour Day; 05-13 Ascension Day; 05-24 Whit Monday; 06-03 Corpus Christi; 08-15 Assumption Day; 10-03 German Unity Day; 11-01 All Saints' Day; 12-25 Christmas Day; 12-26 Second Day of Christmas"},
    {"DE-BY", 2025, "01-01 New Year's Day; 01-06 Epiphany; 04-18 Good Friday; 04-21 Easter Monday; 05-01 Labour Day; 05-29 Ascension Day; 06-09 Whit Monday; 06-19 Corpus Christi; 08-15 Assumption Day; 10-03 German Unity Day; 11-01 All Saints' Day; 12-25 Christmas Day; 12-26 Second Day of Christmas"},
    {"DE-SN", 2016, "01-01 New Year's Day; 03-25 Good Friday; 03-28 Easter Monday; 05-01 Labour Day; 05-05 Ascension Day; 05-16 Whit Monday; 10-03 German Unity Day; 10-31 Reformation Day; 11-16 Day of Repentance and Prayer; 12-25 Christmas Day; 12-26 Second Day of Christmas"},
    {"DE-SN", 2021, "01-01 New Year's Day; 04-02 Good Friday; 04-05 Easter Monday; 05-01 Labour Day; 05-13 Ascension Day; 05-24 Whit Monday; 10-03 German Unity Day; 10-31 Reformation Day; 11-17 Day of Repentance and Prayer; 12-25 Christmas Day; 12-26 Second Day of Christmas"},
    {"DE-SN", 2025, "01-01 New Year's Day; 04-18 Good Friday; 04-21 Easter Monday; 05-01 Labour Day; 05-29 Ascension Day; 06-09 Whit Monday; 10-03 German Unity Day; 10-31 Reformation Day; 11-19 Day of Repentance and Prayer; 12-25 Christmas Day; 12-26 Second Day of Christmas"},
    {"DE-TH", 2016, "01-01 New Year's Day; 03-25 Good Friday; 03-28 Easter Monday; 05-01 Labour Day; 05-05 Ascension Day; 05-16 Whit Monday; 10-03 German Unity Day; 10-31 Reformation Day; 12-25 Christmas Day; 12-26 Second Day of Christmas"},
    {"DE-TH", 2021, "01-01 New Year's Day; 04-02 Good Friday; 04-05 Easter Monday; 05-01 Labour Day; 05-13 Ascension Day; 05-24 Whit Monday; 09-20 World Children's Day; 10-03 German Unity Day; 10-31 Reformation Day; 12-25 Christmas Day; 12-26 Second Day of Christmas"},
    {"DE-TH", 2025, "01-01 New Year's Day; 04-18 Good Friday; 04-21 Easter Monday; 05-01 Labour Day; 05-29 Ascension Day; 06-09 Whit Monday; 09-20 World Children's Day; 10-03 German Unity Day; 10-31 Reformation Day; 12-25 Christmas Day; 12-26 Second Day of Christmas"},
    {"DK", 2016, "01-01 New Year's Day; 03-24 Maundy Thursday; 03-25 Good Friday; 03-27 Easter Sunday; 03-28 Easter Monday; 04-22 Great Prayer Day; 05-05 Ascension Day; 05-15 Whit Sunday; 05-16 Whit Monday; 12-25 Christmas Day; 12-26 Second Day of Christmas"},
    {"DK", 2021, "01-01 New Year's Day; 04-01 Maundy Thursday; 04-02 Good Friday; 04-04 Easter Sunday; 04-05 Easter Monday; 04-30 Great Prayer Day; 05-13 Ascension Day; 05-23 Whit Sunday; 05-24 Whit Monday; 12-25 Christmas Day; 12-26 Second Day of Christmas"},
    {"DK", 2025, "01-01 New Year's Day; 04-17 Maundy Thursday; 04-18 Good Friday; 04-20 Easter Sunday; 04-21 Easter Monday; 05-29 Ascension Day; 06-08 Whit Sunday; 06-09 Whit Monday; 12-25 Christmas Day; 12-26 Second Day of Christmas"},
    {"ES", 2016, "01-01 New Year's Day; 01-06 Epiphany; 03-25 Good Friday; 05-01 Labour Day; 08-15 Assumption Day; 10-12 National Day of Spain; 11-01 All Saints' Day; 12-06 Constitution Day; 12-08 Immaculate Conception; 12-25 Christmas Day"},
    {"ES", 2021, "01-01 New Year's Day; 01-06 Epiphany; 04-02 Good Friday; 05-01 Labour Day; 08-15 Assumption Day; 10-12 National Day of Spain; 11-01 All Saints' Day; 12-06 Constitution Day; 12-08 Immaculate Conception; 12-25 Christmas Day"},
    {"ES", 2025, "01-01 New Year's Day; 01-06 Epiphany; 04-18 Good Friday; 05-01 Labour Day; 08-15 Assumption Day; 10-12 National Day of Spain; 11-01 All Saints' Day; 12-06 Constitution Day; 12-08 Immaculate Conception; 12-25 Christmas Day"},
    {"ES-CT", 2016, "01-01 New Year's Day; 01-06 Epiphany; 03-25 Good Friday; 03-28 Easter Monday; 05-01 Labour Day; 06-24 St John's Day; 08-15 Assumption Day; 09-11 National Day of Catalonia; 10-12 National Day of Spain; 11-01 All Saints' Day; 12-06 Constitution Day; 12-08 Immaculate Conception; 12-25 Christmas Day; 12-26 St Stephen's Day"},
    {"ES-CT", 2021, "01-01 New Year's Day; 01-06 Epiphany; 04-02 Good Friday; 04-05 Easter Monday; 05-01 Labour Day; 06-24 St John's Day; 08-15 Assumption Day; 09-11 National Day of Catalonia; 10-12 National Day of Spain; 11-01 All Saints' Day; 12-06 Constitution Day; 12-08 Immaculate Conception; 12-25 Christmas Day; 12-26 St Stephen's Day"},
    {"ES-CT", 2025, "01-01 New Year's Day; 01-06 Epiphany; 04-18 Good Friday; 04-21 Easter Monday; 05-01 Labour Day; 06-24 St John's Day; 08-15 Assumption Day; 09-11 National Day of Catalonia; 10-12 National Day of Spain; 11-01 All Saints' Day; 12-06 Constitution Day; 12-08 Immaculate Conception; 12-25 Christmas Day; 12-26 St Stephen's Day"},
    {"ES-MD", 2016, "01-01 New Year's Day; 01-06 Epiphany; 03-24 Maundy Thursday; 03-25 Good Friday; 05-01 Labour Day; 05-02 Community of Madrid Day; 08-15 Assumption Day; 10-12 National Day of Spain; 11-01 All Saints' Day; 12-06 Constitution Day; 12-08 Immaculate Conception; 12-25 Christmas Day"},
    {"ES-MD", 2021, "01-01 New Year's Day; 01-06 Epiphany; 04-01 Maundy Thursday; 04-02 Good Friday; 05-01 Labour Day; 05-02 Community of Madrid Day; 08-15 Assumption Day; 10-12 National Day of Spain; 11-01 All Saints' Day; 12-06 Constitution Day; 12-08 Immaculate Conception; 12-25 Christmas Day"},
    {"ES-MD", 2025, "01-01 New Year's Day; 01-06 Epiphany; 04-17 Maundy Thursday; 04-18 Good Friday; 05-01 Labour Day; 05-02 Community of Madrid Day; 08-15 Assumption Day; 10-12 National Day of Spain; 11-01 All Saints' Day; 12-06 Constitution Day; 12-08 Immaculate Conception; 12-25 Christmas Day"},
    {"FI", 2016, "01-01 New Year's Day; 01-06 Epiphany; 03-25 Good Friday; 03-27 Easter Sunday; 03-28 Easter Monday; 05-01 May Day; 05-05 Ascension Day; 05-15 Whit Sunday; 06-24 Midsummer Eve; 06-25 Midsummer Day; 11-05 All Saints' Day; 12-06 Independence Day; 12-24 Christmas Eve; 12-25 Christmas Day; 12-26 St Stephen's Day"},
    {"FI", 2021, "01-01 New Year's Day; 01-06 Epiphany; 04-02 Good Friday; 04-04 Easter Sunday; 04-05 Easter Monday; 05-01 May Day; 05-13 Ascension Day; 05-23 Whit Sunday; 06-25 Midsummer Eve; 06-26 Midsummer Day; 11-06 All Saints' Day; 12-06 Independence Day; 12-24 Christmas Eve; 12-25 Christmas Day; 12-26 St Stephen's Day"},
    {"FI", 2025, "01-01 New Year's Day; 01-06 Epiphany; 04-18 Good Friday; 04-20 Easter Sunday; 04-21 Easter Monday; 05-01 May Day; 05-29 Ascension Day; 06-08 Whit Sunday; 06-20 Midsummer Eve; 06-21 Midsummer Day; 11-01 All Saints' Day; 12-06 Independence Day; 12-24 Christmas Eve; 12-25 Christmas Day; 12-26 St Stephen's Day"},
    {"FR", 2016, "01-01 New Year's Day; 03-28 Easter Monday; 05-01 Labour Day; 05-05 Ascension Day; 05-08 Victory in Europe Day; 05-16 Whit Monday; 07-14 Bastille Day; 08-15 Assumption Day; 11-01 All Saints' Day; 11-11 Armistice Day; 12-25 Christmas Day"},
    {"FR", 2021, "01-01 New Year's Day; 04-05 Easter Monday; 05-01 Labour Day; 05-08 Victory in Europe Day; 05-13 Ascension Day; 05-24 Whit Monday; 07-14 Bastille Day; 08-15 Assumption Day; 11-01 All Saints' Day; 11-11 Armistice Day; 12-25 Christmas Day"},
    {"FR", 2025, "01-01 New Year's Day; 04-21 Easter Monday; 05-01 Labour Day; 05-08 Victory in Europe Day; 05-29 Ascension Day; 06-09 Whit Monday; 07-14 Bastille Day; 08-15 Assumption Day; 11-01 All Saints' Day; 11-11 Armistice Day; 12-25 Christmas Day"},
    {"FR-57", 2016, "01-01 New Year's Day; 03-25 Good Friday; 03-28 Easter Monday; 05-01 Labour Day; 05-05 Ascension Day; 05-08 Victory in Europe Day; 05-16 Whit Monday; 07-14 Bastille Day; 08-15 Assumption Day; 11-01 All Saints' Day; 11-11 Armistice Day; 12-25 Christmas Day; 12-26 St Stephen's Day"},
    {"FR-57", 2021, "01-01 New Year's Day; 04-02 Good Friday; 04-05 Easter Monday; 05-01 Labour Day; 05-08 Victory in Europe Day; 05-13 Ascension Day; 05-24 Whit Monday; 07-14 Bastille Day; 08-15 Assumption Day; 11-01 All Saints' Day; 11-11 Armistice Day; 12-25 Christmas Day; 12-26 St Stephen's Day"},
    {"FR-57", 2025, "01-01 New Year's Day; 04-18 Good Friday; 04-21 Easter Monday; 05-01 Labour Day; 05-08 Victory in Europe Day; 05-29 Ascension Day; 06-09 Whit Monday; 07-14 Bastille Day; 08-15 Assumption Day; 11-01 All Saints' Day; 11-11 Armistice Day; 12-25 Christmas Day; 12-26 St Stephen's Day"},
    {"GB-ENG", 2016, "01-01 New Year's Day; 03-25 Good Friday; 03-28 Easter Monday; 05-02 Early May bank holiday; 05-30 Spring bank holiday; 08-29 Summer bank holiday; 12-25 Christmas Day; 12-26 Boxing Day; 12-27 Christmas Day (substitute day)"},
    {"GB-ENG", 2021, "01-01 New Year's Day; 04-02 Good Friday; 04-05 Easter Monday; 05-03 Early May bank holiday; 05-31 Spring bank holiday; 08-30 Summer bank holiday; 12-25 Christmas Day; 12-26 Boxing Day; 12-27 Christmas Day (substitute day); 12-28 Boxing Day (substitute day)"},
    {"GB-ENG", 2025, "01-01 New Year's Day; 04-18 Good Friday; 04-21 Easter Monday; 05-05 Early May bank holiday; 05-26 Spring bank holiday; 08-25 Summer bank holiday; 12-25 Christmas Day; 12-26 Boxing Day"},
    {"GB-NIR", 2016, "01-01 New Year's Day; 03-17 St Patrick's Day; 03-25 Good Friday; 03-28 Easter Monday; 05-02 Early May bank holiday; 05-30 Spring bank holiday; 07-12 Battle of the Boyne (Orangemen's Day); 08-29 Summer bank holiday; 12-25 Christmas Day; 12-26 Boxing Day; 12-27 Christmas Day (substitute day)"},
    {"GB-NIR", 2021, "01-01 New Year's Day; 03-17 St Patrick's Day; 04-02 Good Friday; 04-05 Easter Monday; 05-03 Early May bank holiday; 05-31 Spring bank holiday; 07-12 Battle of the Boyne (Orangemen's Day); 08-30 Summer bank holiday; 12-25 Christmas Day; 12-26 Boxing Day; 12-27 Christmas Day (substitute day); 12-28 Boxing Day (substitute day)"},
    {"GB-NIR", 2025, "01-01 New Year's Day; 03-17 St Patrick's Day; 04-18 Good Friday; 04-21 Easter Monday; 05-05 Early May bank holiday; 05-26 Spring bank holiday; 07-12 Battle of the Boyne (Orangemen's Day); 07-14 Battle of the Boyne (Orangemen's Day) (substitute day); 08-25 Summer bank holiday; 12-25 Christmas Day; 12-26 Boxing Day"},
    {"GB-SCT", 2016, "01-01 New Year's Day; 01-02 2nd January; 01-04 2nd January (substitute day); 03-25 Good Friday; 05-02 Early May bank holiday; 05-30 Spring bank holiday; 08-01 Summer bank holiday; 11-30 St Andrew's Day; 12-25 Christmas Day; 12-26 Boxing Day; 12-27 Christmas Day (substitute day)"},
    {"GB-SCT", 2021, "01-01 New Year's Day; 01-02 2nd January; 01-04 2nd January (substitute day); 04-02 Good Friday; 05-03 Early May bank holiday; 05-31 Spring bank holiday; 08-02 Summer bank holiday; 11-30 St Andrew's Day; 12-25 Christmas Day; 12-26 Boxing Day; 12-27 Christmas Day (substitute day); 12-28 Boxing Day (substitute day)"},
    {"GB-SCT", 2025, "01-01 New Year's Day; 01-02 2nd January; 04-18 Good Friday; 05-05 Early May bank holiday; 05-26 Spring bank holiday; 08-04 Summer bank holiday; 11-30 St Andrew's Day; 12-01 St Andrew's Day (substitute day); 12-25 Christmas Day; 12-26 Boxing Day"},
    {"IE", 2016, "01-01 New Year's Day; 03-17 St Patrick's Day; 03-28 Easter Monday; 05-02 May bank holiday; 06-06 June bank holiday; 08-01 August bank holiday; 10-31 October bank holiday; 12-25 Christmas Day; 12-26 St Stephen's Day; 12-27 Christmas Day (day off)"},
    {"IE", 2021, "01-01 New Year's Day; 03-17 St Patrick's Day; 04-05 Easter Monday; 05-03 May bank holiday; 06-07 June bank holiday; 08-02 August bank holiday; 10-25 October bank holiday; 12-25 Christmas Day; 12-26 St Stephen's Day; 12-27 Christmas Day (day off); 12-28 St Stephen's Day (day off)"},
    {"IE", 2025, "01-01 New Year's Day; 02-03 St Brigid's Day; 03-17 St Patrick's Day; 04-21 Easter Monday; 05-05 May bank holiday; 06-02 June bank holiday; 08-04 August bank holiday; 10-27 October bank holiday; 12-25 Christmas Day; 12-26 St Stephen's Day"},
    {"IT", 2016, "01-01 New Year's Day; 01-06 Epiphany; 03-27 Easter Sunday; 03-28 Easter Monday; 04-25 Liberation Day; 05-01 Labour Day; 06-02 Republic Day; 08-15 Assumption Day; 11-01 All Saints' Day; 12-08 Immaculate Conception; 12-25 Christmas Day; 12-26 St Stephen's Day"},
    {"IT", 2021, "01-01 New Year's Day; 01-06 Epiphany; 04-04 Easter Sunday; 04-05 Easter Monday; 04-25 Liberation Day; 05-01 Labour Day; 06-02 Republic Day; 08-15 Assumption Day; 11-01 All Saints' Day; 12-08 Immaculate Conception; 12-25 Christmas Day; 12-26 St Stephen's Day"},
    {"IT", 2025, "01-01 New Year's Day; 01-06 Epiphany; 04-20 Easter Sunday; 04-21 Easter Monday; 04-25 Liberation Day; 05-01 Labour Day; 06-02 Republic Day; 08-15 Assumption Day; 11-01 All Saints' Day; 12-08 Immaculate Conception; 12-25 Christmas Day; 12-26 St Stephen's Day"},
    {"JP", 2016, "01-01 New Year's Day; 01-11 Coming of Age Day; 02-11 National Foundation Day; 03-20 Vernal Equinox Day; 03-21 Substitute Holiday; 04-29 Showa Day; 05-03 Constitution Memorial Day; 05-04 Greenery Day; 05-05 Children's Day; 07-18 Marine Day; 08-11 Mountain Day; 09-19 Respect for the Aged Day; 09-22 Autumnal Equinox Day; 10-10 Health and Sports Day; 11-03 Culture Day; 11-23 Labour Thanksgiving Day; 12-23 Emperor's Birthday"},
    {"JP", 2021, "01-01 New Year's Day; 01-11 Coming of Age Day; 02-11 National Foundation Day; 02-23 Emperor's Birthday; 03-20 Vernal Equinox Day; 04-29 Showa Day; 05-03 Constitution Memorial Day; 05-04 Greenery Day; 05-05 Children's Day; 07-22 Marine Day; 07-23 Sports Day; 08-08 Mountain Day; 08-09 Substitute Holiday; 09-20 Respect for the Aged Day; 09-23 Autumnal Equinox Day; 11-03 Culture Day; 11-23 Labour Thanksgiving Day"},
    {"JP", 2025, "01-01 New Year's Day; 01-13 Coming of Age Day; 02-11 National Foundation Day; 02-23 Emperor's Birthday; 02-24 Substitute Holiday; 03-20 Vernal Equinox Day; 04-29 Showa Day; 05-03 Constitution Memorial Day; 05-04 Greenery Day; 05-05 Children's Day; 05-06 Substitute Holiday; 07-21 Marine Day; 08-11 Mountain Day; 09-15 Respect for the Aged Day; 09-23 Autumnal Equinox Day; 10-13 Sports Day; 11-03 Culture Day; 11-23 Labour Thanksgiving Day; 11-24 Substitute Holiday"},
    {"MX", 2016, "01-01 New Year's Day; 02-01 Constitution Day; 03-21 Benito Juárez's Birthday; 05-01 Labour Day; 09-16 Independence Day; 11-21 Revolution Day; 12-25 Christmas Day"},
    {"MX", 2021, "01-01 New Year's Day; 02-01 Constitution Day; 03-15 Benito Juárez's Birthday; 05-01 Labour Day; 09-16 Independence Day; 11-15 Revolution Day; 12-25 Christmas Day"},
    {"MX", 2025, "01-01 New Year's Day; 02-03 Constitution Day; 03-17 Benito Juárez's Birthday; 05-01 Labour Day; 09-16 Independence Day; 11-17 Revolution Day; 12-25 Christmas Day"},
    {"NL", 2016, "01-01 New Year's Day; 03-27 Easter Sunday; 03-28 Easter Monday; 04-27 King's Day; 05-05 Liberation Day; 05-05 Ascension Day; 05-15 Whit Sunday; 05-16 Whit Monday; 12-25 Christmas Day; 12-26 Second Day of Christmas"},
    {"NL", 2021, "01-01 New Year's Day; 04-04 Easter Sunday; 04-05 Easter Monday; 04-27 King's Day; 05-05 Liberation Day; 05-13 Ascension Day; 05-23 Whit Sunday; 05-24 Whit Monday; 12-25 Christmas Day; 12-26 Second Day of Christmas"},
    {"NL", 2025, "01-01 New Year's Day; 04-20 Easter Sunday; 04-21 Easter Monday; 04-26 King's Day; 05-05 Liberation Day; 05-29 Ascension Day; 06-08 Whit Sunday; 06-09 Whit Monday; 12-25 Christmas Day; 12-26 Second Day of Christmas"},
    {"NO", 2016, "01-01 New Year's Day; 03-24 Maundy Thursday; 03-25 Good Friday; 03-27 Easter Sunday; 03-28 Easter Monday; 05-01 Labour Day; 05-05 Ascension Day; 05-15 Whit Sunday; 05-16 Whit Monday; 05-17 Constitution Day; 12-25 Christmas Day; 12-26 Second Day of Christmas"},
    {"NO", 2021, "01-01 New Year's Day; 04-01 Maundy Thursday; 04-02 Good Friday; 04-04 Easter Sunday; 04-05 Easter Monday; 05-01 Labour Day; 05-13 Ascension Day; 05-17 Constitution Day; 05-23 Whit Sunday; 05-24 Whit Monday; 12-25 Christmas Day; 12-26 Second Day of Christmas"},
    {"NO", 2025, "01-01 New Year's Day; 04-17 Maundy Thursday; 04-18 Good Friday; 04-20 Easter Sunday; 04-21 Easter Monday; 05-01 Labour Day; 05-17 Constitution Day; 05-29 Ascension Day; 06-08 Whit Sunday; 06-09 Whit Monday; 12-25 Christmas Day; 12-26 Second Day of Christmas"},
    {"NZ", 2016, "01-01 New Year's Day; 01-02 Day after New Year's Day; 01-04 Day after New Year's Day (observed); 02-06 Waitangi Day; 02-08 Waitangi Day (observed); 03-25 Good Friday; 03-28 Easter Monday; 04-25 Anzac Day; 06-06 Queen's Birthday; 10-24 Labour Day; 12-25 Christmas Day; 12-26 Boxing Day; 12-27 Christmas Day (observed)"},
    {"NZ", 2021, "01-01 New Year's Day; 01-02 Day after New Year's Day; 01-04 Day after New Year's Day (observed); 02-06 Waitangi Day; 02-08 Waitangi Day (observed); 04-02 Good Friday; 04-05 Easter Monday; 04-25 Anzac Day; 04-26 Anzac Day (observed); 06-07 Queen's Birthday; 10-25 Labour Day; 12-25 Christmas Day; 12-26 Boxing Day; 12-27 Christmas Day (observed); 12-28 Boxing Day (observed)"},
    {"NZ", 2025, "01-01 New Year's Day; 01-02 Day after New Year's Day; 02-06 Waitangi Day; 04-18 Good Friday; 04-21 Easter Monday; 04-25 Anzac Day; 06-02 King's Birthday; 06-20 Matariki; 10-27 Labour Day; 12-25 Christmas Day; 12-26 Boxing Day"},
    {"NZ-AUK", 2016, "01-01 New Year's Day; 01-02 Day after New Year's Day; 01-04 Day after New Year's Day (observed); 02-01 Auckland Anniversary Day; 02-06 Waitangi Day; 02-08 Waitangi Day (observed); 03-25 Good Friday; 03-28 Easter Monday; 04-25 Anzac Day; 06-06 Queen's Birthday; 10-24 Labour Day; 12-25 Christmas Day; 12-26 Boxing Day; 12-27 Christmas Day (observed)"},
    {"NZ-AUK", 2021, "01-01 New Year's Day; 01-02 Day after New Year's Day; 01-04 Day after New Year's Day (observed); 02-01 Auckland Anniversary Day; 02-06 Waitangi Day; 02-08 Waitangi Day (observed); 04-02 Good Friday; 04-05 Easter Monday; 04-25 Anzac Day; 04-26 Anzac Day (observed); 06-07 Queen's Birthday; 10-25 Labour Day; 12-25 Christmas Day; 12-26 Boxing Day; 12-27 Christmas Day (observed); 12-28 Boxing Day (observed)"},
    {"NZ-AUK", 2025, "01-01 New Year's Day; 01-02 Day after New Year's Day; 01-27 Auckland Anniversary Day; 02-06 Waitangi Day; 04-18 Good Friday; 04-21 Easter Monday; 04-25 Anzac Day; 06-02 King's Birthday; 06-20 Matariki; 10-27 Labour Day; 12-25 Christmas Day; 12-26 Boxing Day"},
    {"PL", 2016, "01-01 New Year's Day; 01-06 Epiphany; 03-27 Easter Sunday; 03-28 Easter Monday; 05-01 Labour Day; 05-03 Constitution Day; 05-15 Whit Sunday; 05-26 Corpus Christi; 08-15 Assumption Day; 11-01 All Saints' Day; 11-11 Independence Day; 12-25 Christmas Day; 12-26 Second Day of Christmas"},
    {"PL", 2021, "01-01 New Year's Day; 01-06 Epiphany; 04-04 Easter Sunday; 04-05 Easter Monday; 05-01 Labour Day; 05-03 Constitution Day; 05-23 Whit Sunday; 06-03 Corpus Christi; 08-15 Assumption Day; 11-01 All Saints' Day; 11-11 Independence Day; 12-25 Christmas Day; 12-26 Second Day of Christmas"},
    {"PL", 2025, "01-01 New Year's Day; 01-06 Epiphany; 04-20 Easter Sunday; 04-21 Easter Monday; 05-01 Labour Day; 05-03 Constitution Day; 06-08 Whit Sunday; 06-19 Corpus Christi; 08-15 Assumption Day; 11-01 All Saints' Day; 11-11 Independence Day; 12-24 Christmas Eve; 12-25 Christmas Day; 12-26 Second Day of Christmas"},
    {"PT", 2016, "01-01 New Year's Day; 03-25 Good Friday; 03-27 Easter Sunday; 04-25 Freedom Day; 05-01 Labour Day; 05-26 Corpus Christi; 06-10 Portugal Day; 08-15 Assumption Day; 10-05 Republic Day; 11-01 All Saints' Day; 12-01 Restoration of Independence; 12-08 Immaculate Conception; 12-25 Christmas Day"},
    {"PT", 2021, "01-01 New Year's Day; 04-02 Good Friday; 04-04 Easter Sunday; 04-25 Freedom Day; 05-01 Labour Day; 06-03 Corpus Christi; 06-10 Portugal Day; 08-15 Assumption Day; 10-05 Republic Day; 11-01 All Saints' Day; 12-01 Restoration of Independence; 12-08 Immaculate Conception; 12-25 Christmas Day"},
    {"PT", 2025, "01-01 New Year's Day; 04-18 Good Friday; 04-20 Easter Sunday; 04-25 Freedom Day; 05-01 Labour Day; 06-10 Portugal Day; 06-19 Corpus Christi; 08-15 Assumption Day; 10-05 Republic Day; 11-01 All Saints' Day; 12-01 Restoration of Independence; 12-08 Immaculate Conception; 12-25 Christmas Day"},
    {"SE", 2016, "01-01 New Year's Day; 01-06 Epiphany; 03-25 Good Friday; 03-27 Easter Sunday; 03-28 Easter Monday; 05-01 May Day; 05-05 Ascension Day; 05-15 Whit Sunday; 06-06 National Day of Sweden; 06-24 Midsummer Eve; 06-25 Midsummer Day; 11-05 All Saints' Day; 12-24 Christmas Eve; 12-25 Christmas Day; 12-26 Second Day of Christmas; 12-31 New Year's Eve"},
    {"SE", 2021, "01-01 New Year's Day; 01-06 Epiphany; 04-02 Good Friday; 04-04 Easter Sunday; 04-05 Easter Monday; 05-01 May Day; 05-13 Ascension Day; 05-23 Whit Sunday; 06-06 National Day of Sweden; 06-25 Midsummer Eve; 06-26 Midsummer Day; 11-06 All Saints' Day; 12-24 Christmas Eve; 12-25 Christmas Day; 12-26 Second Day of Christmas; 12-31 New Year's Eve"},
    {"SE", 2025, "01-01 New Year's Day; 01-06 Epiphany; 04-18 Good Friday; 04-20 Easter Sunday; 04-21 Easter Monday; 05-01 May Day; 05-29 Ascension Day; 06-06 National Day of Sweden; 06-08 Whit Sunday; 06-20 Midsummer Eve; 06-21 Midsummer Day; 11-01 All Saints' Day; 12-24 Christmas Eve; 12-25 Christmas Day; 12-26 Second Day of Christmas; 12-31 New Year's Eve"},
    {"US", 2016, "01-01 New Year's Day; 01-18 Birthday of Martin Luther King, Jr.; 02-15 Washington's Birthday; 05-30 Memorial Day; 07-04 Independence Day; 09-05 Labor Day; 10-10 Columbus Day; 11-11 Veterans Day; 11-24 Thanksgiving Day; 12-25 Christmas Day; 12-26 Christmas Day (observed)"},
    {"US", 2021, "01-01 New Year's Day; 01-18 Birthday of Martin Luther King, Jr.; 02-15 Washington's Birthday; 05-31 Memorial Day; 06-18 Juneteenth National Independence Day (observed); 06-19 Juneteenth National Independence Day; 07-04 Independence Day; 07-05 Independence Day (observed); 09-06 Labor Day; 10-11 Columbus Day; 11-11 Veterans Day; 11-25 Thanksgiving Day; 12-24 Christmas Day (observed); 12-25 Christmas Day; 12-31 New Year's Day (observed)"},
    {"US", 2025, "01-01 New Year's Day; 01-20 Birthday of Martin Luther King, Jr.; 02-17 Washington's Birthday; 05-26 Memorial Day; 06-19 Juneteenth National Independence Day; 07-04 Independence Day; 09-01 Labor Day; 10-13 Columbus Day; 11-11 Veterans Day; 11-27 Thanksgiving Day; 12-25 Christmas Day"},
    {"US-MA", 2016, "01-01 New Year's Day; 01-18 Birthday of Martin Luther King, Jr.; 02-15 Washington's Birthday; 04-18 Patriots' Day; 05-30 Memorial Day; 07-04 Independence Day; 09-05 Labor Day; 10-10 Columbus Day; 11-11 Veterans Day; 11-24 Thanksgiving Day; 12-25 Christmas Day; 12-26 Christmas Day (observed)"},
    {"US-MA", 2021, "01-01 New Year's Day; 01-18 Birthday of Martin Luther King, Jr.; 02-15 Washington's Birthday; 04-19 Patriots' Day; 05-31 Memorial Day; 06-18 Juneteenth National Independence Day (observed); 06-19 Juneteenth National Independence Day; 07-04 Independence Day; 07-05 Independence Day (observed); 09-06 Labor Day; 10-11 Columbus Day; 11-11 Veterans Day; 11-25 Thanksgiving Day; 12-24 Christmas Day (observed); 12-25 Christmas Day; 12-31 New Year's Day (observed)"},
    {"US-MA", 2025, "01-01 New Year's Day; 01-20 Birthday of Martin Luther King, Jr.; 02-17 Washington's Birthday; 04-21 Patriots' Day; 05-26 Memorial Day; 06-19 Juneteenth National Independence Day; 07-04 Independence Day; 09-01 Labor Day; 10-13 Columbus Day; 11-11 Veterans Day; 11-27 Thanksgiving Day; 12-25 Christmas Day"},
    {"ZA", 2016, "01-01 New Year's Day; 03-21 Human Rights Day; 03-25 Good Friday; 03-28 Family Day; 04-27 Freedom Day; 05-01 Workers' Day; 05-02 Workers' Day (observed); 06-16 Youth Day; 08-03 Local government elections; 08-09 National Women's Day; 09-24 Heritage Day; 12-16 Day of Reconciliation; 12-25 Christmas Day; 12-26 Day of Goodwill; 12-27 Public holiday declared by the President"},
    {"ZA", 2021, "01-01 New Year's Day; 03-21 Human Rights Day; 03-22 Human Rights Day (observed); 04-02 Good Friday; 04-05 Family Day; 04-27 Freedom Day; 05-01 Workers' Day; 06-16 Youth Day; 08-09 National Women's Day; 09-24 Heritage Day; 11-01 Local government elections; 12-16 Day of Reconciliation; 12-25 Christmas Day; 12-26 Day of Goodwill; 12-27 Day of Goodwill (observed)"},
    {"ZA", 2025, "01-01 New Year's Day; 03-21 Human Rights Day; 04-18 Good Friday; 04-21 Family Day; 04-27 Freedom Day; 04-28 Freedom Day (observed); 05-01 Workers' Day; 06-16 Youth Day; 08-09 National Women's Day; 09-24 Heritage Day; 12-16 Day of Reconciliation; 12-25 Christmas Day; 12-26 Day of Goodwill"},

    // Rows for faults mended in December 2026; each group names the law or list it was
    // checked against (docs/holiday-checks.md has the details).
    // Glarus, Gesetz über die öffentlichen Ruhetage: the Näfels procession is the first
    // Thursday of April, a week later when that is in Holy Week (2026: Easter 5 April).
    {"CH-GL", 2025, "01-01 New Year's Day; 01-02 Berchtold's Day; 04-03 Näfels Procession Day; 04-18 Good Friday; 04-21 Easter Monday; 05-29 Ascension Day; 06-09 Whit Monday; 08-01 Swiss National Day; 11-01 All Saints' Day; 12-25 Christmas Day; 12-26 St Stephen's Day"},
    {"CH-GL", 2026, "01-01 New Year's Day; 01-02 Berchtold's Day; 04-03 Good Friday; 04-06 Easter Monday; 04-09 Näfels Procession Day; 05-14 Ascension Day; 05-25 Whit Monday; 08-01 Swiss National Day; 11-01 All Saints' Day; 12-25 Christmas Day; 12-26 St Stephen's Day"},
    // Neuchâtel's law: 2 January and 26 December are holidays when 1 January and Christmas
    // fall on a Sunday (2023, 2022).
    {"CH-NE", 2022, "01-01 New Year's Day; 03-01 Republic Day; 04-15 Good Friday; 04-18 Easter Monday; 05-01 Labour Day; 05-26 Ascension Day; 06-06 Whit Monday; 06-16 Corpus Christi; 08-01 Swiss National Day; 12-25 Christmas Day; 12-26 Day after Christmas"},
    {"CH-NE", 2023, "01-01 New Year's Day; 01-02 Day after New Year's Day; 03-01 Republic Day; 04-07 Good Friday; 04-10 Easter Monday; 05-01 Labour Day; 05-18 Ascension Day; 05-29 Whit Monday; 06-08 Corpus Christi; 08-01 Swiss National Day; 12-25 Christmas Day"},
    // Federal Office of Justice list: only New Year's Day, Ascension, 1 August and Christmas
    // are kept in every canton.
    {"CH", 2025, "01-01 New Year's Day; 05-29 Ascension Day; 08-01 Swiss National Day; 12-25 Christmas Day"},
    // Holidays Act 2003 and employment.govt.nz: Otago's day is the Monday nearest 23 March,
    // the Tuesday after when that is Easter Monday (2035: Easter 25 March); Matariki from the
    // schedule of the Te Kāhui o Matariki Public Holiday Act 2022 (2034, 2035, 2040).
    {"NZ-OTA", 2034, "01-01 New Year's Day; 01-02 Day after New Year's Day; 01-03 New Year's Day (observed); 02-06 Waitangi Day; 03-20 Otago Anniversary Day; 04-07 Good Friday; 04-10 Easter Monday; 04-25 Anzac Day; 06-05 King's Birthday; 07-07 Matariki; 10-23 Labour Day; 12-25 Christmas Day; 12-26 Boxing Day"},
    {"NZ-OTA", 2035, "01-01 New Year's Day; 01-02 Day after New Year's Day; 02-06 Waitangi Day; 03-23 Good Friday; 03-26 Easter Monday; 03-27 Otago Anniversary Day; 04-25 Anzac Day; 06-04 King's Birthday; 06-29 Matariki; 10-22 Labour Day; 12-25 Christmas Day; 12-26 Boxing Day"},
    {"NZ", 2040, "01-01 New Year's Day; 01-02 Day after New Year's Day; 01-03 New Year's Day (observed); 02-06 Waitangi Day; 03-30 Good Friday; 04-02 Easter Monday; 04-25 Anzac Day; 06-04 King's Birthday; 07-06 Matariki; 10-22 Labour Day; 12-25 Christmas Day; 12-26 Boxing Day"},
    // Holidays Act 1958 (ACT) and Holidays Act 1910 (SA): Anzac Day on a Sunday gives the
    // Monday too (2027); the Public Holidays Act 2010 (NSW) gives none. Fair Work Act: the
    // country's own list holds only the days every state keeps on the same date.
    {"AU-ACT", 2027, "01-01 New Year's Day; 01-26 Australia Day; 03-08 Canberra Day; 03-26 Good Friday; 03-27 Easter Saturday; 03-28 Easter Sunday; 03-29 Easter Monday; 04-25 Anzac Day; 04-26 Anzac Day (additional day); 05-31 Reconciliation Day; 06-14 King's Birthday; 10-04 Labour Day; 12-25 Christmas Day; 12-26 Boxing Day; 12-27 Christmas Day (additional day); 12-28 Boxing Day (additional day)"},
    {"AU-SA", 2027, "01-01 New Year's Day; 01-26 Australia Day; 03-08 Adelaide Cup Day; 03-26 Good Friday; 03-27 Easter Saturday; 03-28 Easter Sunday; 03-29 Easter Monday; 04-25 Anzac Day; 04-26 Anzac Day (additional day); 06-14 King's Birthday; 10-04 Labour Day; 12-25 Christmas Day; 12-26 Proclamation Day; 12-27 Christmas Day (additional day); 12-28 Proclamation Day (additional day)"},
    {"AU-NSW", 2027, "01-01 New Year's Day; 01-26 Australia Day; 03-26 Good Friday; 03-27 Easter Saturday; 03-28 Easter Sunday; 03-29 Easter Monday; 04-25 Anzac Day; 06-14 King's Birthday; 10-04 Labour Day; 12-25 Christmas Day; 12-26 Boxing Day; 12-27 Christmas Day (additional day); 12-28 Boxing Day (additional day)"},
    {"AU", 2025, "01-01 New Year's Day; 01-26 Australia Day; 01-27 Australia Day (additional day); 04-18 Good Friday; 04-21 Easter Monday; 04-25 Anzac Day; 12-25 Christmas Day; 12-26 Boxing Day"},
    // Hawaii Revised Statutes 8-1 and the state's 2024 holiday list: no Columbus Day or
    // Juneteenth, the general election on 5 November. Maine, 4 M.R.S. 1051: Indigenous
    // Peoples' Day. District of Columbia, D.C. Code 1-612.02: Inauguration Day 2025.
    {"US-HI", 2024, "01-01 New Year's Day; 01-15 Birthday of Martin Luther King, Jr.; 02-19 Washington's Birthday; 03-26 Prince Jonah Kuhio Kalanianaole Day; 03-29 Good Friday; 05-27 Memorial Day; 06-11 King Kamehameha I Day; 07-04 Independence Day; 08-16 Statehood Day; 09-02 Labor Day; 11-05 General Election Day; 11-11 Veterans Day; 11-28 Thanksgiving Day; 12-25 Christmas Day"},
    {"US-ME", 2025, "01-01 New Year's Day; 01-20 Birthday of Martin Luther King, Jr.; 02-17 Washington's Birthday; 04-21 Patriots' Day; 05-26 Memorial Day; 06-19 Juneteenth National Independence Day; 07-04 Independence Day; 09-01 Labor Day; 10-13 Indigenous Peoples' Day; 11-11 Veterans Day; 11-27 Thanksgiving Day; 12-25 Christmas Day"},
    {"US-DC", 2025, "01-01 New Year's Day; 01-20 Birthday of Martin Luther King, Jr.; 01-20 Inauguration Day; 02-17 Washington's Birthday; 04-16 District of Columbia Emancipation Day; 05-26 Memorial Day; 06-19 Juneteenth National Independence Day; 07-04 Independence Day; 09-01 Labor Day; 10-13 Columbus Day; 11-11 Veterans Day; 11-27 Thanksgiving Day; 12-25 Christmas Day"},
    // Feiertagsruhegesetz 1957 and Arbeitsruhegesetz § 7: Lower Austria's statutory days are
    // the country's; St Leopold's Day closes schools and offices only.
    {"AT-3", 2025, "01-01 New Year's Day; 01-06 Epiphany; 04-21 Easter Monday; 05-01 National Holiday (Labour Day); 05-29 Ascension Day; 06-09 Whit Monday; 06-19 Corpus Christi; 08-15 Assumption Day; 10-26 National Day; 11-01 All Saints' Day; 12-08 Immaculate Conception; 12-25 Christmas Day; 12-26 St Stephen's Day"},
    // The prefectures' lists of Guadeloupe and Martinique: Good Friday and 21 July besides
    // the national days and the abolition day.
    {"FR-971", 2025, "01-01 New Year's Day; 04-18 Good Friday; 04-21 Easter Monday; 05-01 Labour Day; 05-08 Victory in Europe Day; 05-27 Abolition of Slavery; 05-29 Ascension Day; 06-09 Whit Monday; 07-14 Bastille Day; 07-21 Victor Schœlcher Day; 08-15 Assumption Day; 11-01 All Saints' Day; 11-11 Armistice Day; 12-25 Christmas Day"},
    {"FR-972", 2025, "01-01 New Year's Day; 04-18 Good Friday; 04-21 Easter Monday; 05-01 Labour Day; 05-08 Victory in Europe Day; 05-22 Abolition of Slavery; 05-29 Ascension Day; 06-09 Whit Monday; 07-14 Bastille Day; 07-21 Victor Schœlcher Day; 08-15 Assumption Day; 11-01 All Saints' Day; 11-11 Armistice Day; 12-25 Christmas Day"},
    // Berlin's holiday law, amended for the 75th anniversary of 17 June 1953.
    {"DE-BE", 2028, "01-01 New Year's Day; 03-08 International Women's Day; 04-14 Good Friday; 04-17 Easter Monday; 05-01 Labour Day; 05-25 Ascension Day; 06-05 Whit Monday; 06-17 75th anniversary of the uprising of 17 June 1953; 10-03 German Unity Day; 12-25 Christmas Day; 12-26 Second Day of Christmas"},
};

class ShippedCountry : public testing::TestWithParam<PublishedYear>
{
};

TEST_P(ShippedCountry, ListsThePublishedHolidays)
{
    const PublishedYear &row = GetParam();
    const auto result = shipped().holidays(QString::fromLatin1(row.region), row.year, QStringLiteral("en"));
    ASSERT_TRUE(result.ok()) << qPrintable(result.error);
    EXPECT_EQ(listText(result.days), QString::fromUtf8(row.holidays));
}

INSTANTIATE_TEST_SUITE_P(Published, ShippedCountry, testing::ValuesIn(PublishedYears),
                         [](const testing::TestParamInfo<PublishedYear> &info) {
                             return QStringLiteral("%1_%2").arg(QString::fromLatin1(info.param.region)).arg(info.param.year)
                                 .replace(QLatin1Char('-'), QLatin1Char('_')).toStdString();
                         });

// Single days of a region's year, where the rest of the year's list is not at issue: a day
// the law gives ("kept") or one the region must not list (its name, not kept).
const PublishedDay PublishedDays[] = {
    {"CH-GL", 2021, "04-08 Näfels Procession Day", true, "Glarus' law; Maundy Thursday 1 April 2021"},
    {"CH-GL", 2021, "04-01 Näfels Procession Day", false, "Glarus' law; Maundy Thursday 1 April 2021"},
    {"NZ-OTA", 2008, "03-25 Otago Anniversary Day", true, "employment.govt.nz anniversary dates; Easter Monday 24 March 2008"},
    {"NZ", 2052, "06-21 Matariki", true, "Te Kāhui o Matariki Public Holiday Act 2022, Schedule 1"},
    {"NZ", 2031, "07-11 Matariki", true, "Te Kāhui o Matariki Public Holiday Act 2022, Schedule 1"},
    {"NZ", 2053, "Matariki", false, "the Act's schedule ends in 2052"},
    {"AU-NT", 2027, "04-26 Anzac Day (additional day)", true, "Public Holidays Act 1981 (NT)"},
    {"AU-NT", 2021, "04-26 Anzac Day (additional day)", true, "Public Holidays Act 1981 (NT); NT list for 2021"},
    {"AU-ACT", 2021, "04-26 Anzac Day (additional day)", true, "Holidays Act 1958 (ACT); ACT list for 2021"},
    {"AU-VIC", 2027, "Anzac Day (additional day)", false, "Public Holidays Act 1993 (Vic): no Monday for a Sunday"},
    {"AU-TAS", 2027, "Anzac Day (additional day)", false, "Statutory Holidays Act 2000 (Tas): no Monday for a Sunday"},
    {"AU", 2025, "King's Birthday", false, "kept in June, or in October or September in Queensland and Western Australia"},
    {"AU-TAS", 2025, "06-09 King's Birthday", true, "Statutory Holidays Act 2000 (Tas)"},
    {"AU-QLD", 2025, "10-06 King's Birthday", true, "Holidays Act 1983 (Qld)"},
    {"ES", 2025, "Maundy Thursday", false, "BOE list for 2025: not kept in Catalonia and Valencia"},
    {"ES-MD", 2025, "04-17 Maundy Thursday", true, "BOE list for 2025"},
    {"ES-CT", 2025, "Maundy Thursday", false, "BOE list for 2025"},
    {"ES-CE", 2025, "06-06 Eid al-Adha (Feast of the Sacrifice)", true, "decree of Ceuta for 2025 (BOCCE)"},
    {"ES-CE", 2026, "05-27 Eid al-Adha (Feast of the Sacrifice)", true, "decree of Ceuta for 2026"},
    {"ES-CE", 2024, "06-17 Eid al-Adha (Feast of the Sacrifice)", true, "decree of Ceuta for 2024"},
    {"ES-ML", 2022, "07-11 Eid al-Adha (Feast of the Sacrifice)", true, "Melilla's list for 2022 (BOME)"},
    {"ES-ML", 2023, "06-29 Eid al-Adha (Feast of the Sacrifice)", true, "Melilla's list for 2023"},
    {"ES-ML", 2026, "03-20 Eid al-Fitr (End of Ramadan)", true, "Melilla's list for 2026"},
    {"ES-AN", 2025, "Eid al-Adha", false, "kept in Ceuta and Melilla only"},
    {"ES-CE", 2024, "Ceuta Day", false, "decree of Ceuta for 2024: 2 September not a holiday"},
    {"ES-CE", 2026, "09-02 Ceuta Day", true, "decree of Ceuta for 2026"},
    {"ES-CE", 2025, "06-13 St Anthony's Day", true, "decree of Ceuta for 2025 (BOCCE)"},
    {"ES-CE", 2025, "08-05 Our Lady of Africa", true, "decree of Ceuta for 2025 (BOCCE)"},
    {"ES-ML", 2025, "09-08 Our Lady of Victory", true, "Melilla's list for 2025"},
    {"FR", 2025, "Good Friday", false, "Code du travail L3133-1"},
    {"FR-973", 2025, "Good Friday", false, "French Guiana's list: not kept"},
    {"US-LA", 2024, "03-29 Good Friday", true, "Louisiana Revised Statutes 1:55"},
    {"US-LA", 2024, "11-05 General Election Day", true, "Louisiana Revised Statutes 1:55"},
    {"US-LA", 2023, "General Election Day", false, "no November federal election in odd years"},
    {"US-AK", 2025, "Columbus Day", false, "Alaska Statutes 44.12.010"},
    {"US-HI", 2025, "Columbus Day", false, "Hawaii Revised Statutes 8-1"},
    {"US-HI", 2025, "General Election Day", false, "general elections in even years only"},
    {"US-VT", 2025, "10-13 Indigenous Peoples' Day", true, "Vermont Statutes, title 1, section 371"},
    {"US-UT", 2021, "Juneteenth", false, "Utah Code 63G-1-301: a state holiday from 2022"},
    {"US-UT", 2022, "06-19 Juneteenth National Independence Day", true, "Utah Code 63G-1-301"},
    {"US-DC", 2029, "01-20 Inauguration Day", true, "D.C. Code 1-612.02; 5 U.S.C. 6103(c)"},
    {"US", 2025, "Inauguration Day", false, "not a holiday outside the District and its surroundings"},
    {"AT-9", 2025, "St Leopold's Day", false, "Feiertagsruhegesetz 1957: no statutory holiday"},
    {"AT-2", 2025, "Plebiscite Day", false, "Feiertagsruhegesetz 1957: no statutory holiday"},
    {"DE-BE", 2027, "uprising of 17 June", false, "a one-off day of 2028"},
};

TEST_P(ShippedDay, IsListedWhereTheLawGivesIt)
{
    const PublishedDay &row = GetParam();
    SCOPED_TRACE(row.source);
    const auto result = shipped().holidays(QString::fromLatin1(row.region), row.year, QStringLiteral("en"));
    ASSERT_TRUE(result.ok()) << qPrintable(result.error);
    const QStringList items = listText(result.days).split(QStringLiteral("; "));
    const QString day = QString::fromUtf8(row.day);
    if (row.kept)
        EXPECT_TRUE(items.contains(day)) << qPrintable(items.join(QStringLiteral("; ")));
    else
        EXPECT_FALSE(items.join(QStringLiteral("; ")).contains(day)) << qPrintable(items.join(QStringLiteral("; ")));
}

INSTANTIATE_TEST_SUITE_P(Published, ShippedDay, testing::ValuesIn(PublishedDays), publishedDayName);

TEST(ShippedFiles, EveryCountryHasAFileAndATestedYear)
{
    const QStringList files = QDir(ShippedFolder).entryList({QStringLiteral("*.txt")}, QDir::Files);
    EXPECT_GE(files.size(), 20);
    for (const QString &file : files) {
        const QString country = file.left(2);
        const bool tested = worldCountryHasAPublishedYear(country)
                            || std::any_of(std::begin(PublishedYears), std::end(PublishedYears),
                                           [&](const PublishedYear &row) { return QString::fromLatin1(row.region).startsWith(country); });
        EXPECT_TRUE(tested) << qPrintable(file);
    }
}

TEST(ShippedFiles, EveryRegionComputesEveryYearFrom1900To2200)
{
    const auto regions = shipped().regions();
    ASSERT_GE(regions.size(), 150u);
    for (const auto &[code, name] : regions) {
        ASSERT_FALSE(name.isEmpty()) << qPrintable(code);
        for (int year = 1900; year <= 2200; ++year) {
            const auto result = shipped().holidays(code, year);
            ASSERT_TRUE(result.ok()) << qPrintable(code) << " " << year;
            const auto &days = result.days;
            for (size_t i = 0; i < days.size(); ++i) {
                ASSERT_EQ(int(days[i].date.year()), year) << qPrintable(code);
                ASSERT_FALSE(days[i].name.isEmpty()) << qPrintable(code);
                if (i > 0) {
                    ASSERT_LE(sys_days{days[i - 1].date}, sys_days{days[i].date}) << qPrintable(code) << " " << year;
                }
            }
        }
    }
}

TEST(ShippedFiles, TheFarYearsComputeWithoutFailure)
{
    for (const auto &[code, name] : shipped().regions())
        for (const int year : {1, 2, 1582, 1583, 2201, 9998, 9999})
            ASSERT_TRUE(shipped().holidays(code, year).ok()) << qPrintable(code) << " " << year;
}

TEST(ShippedFiles, NameTheirRegionsInEnglish)
{
    EXPECT_EQ(shipped().regionName(QStringLiteral("DE")), QStringLiteral("Germany"));
    EXPECT_EQ(shipped().regionName(QStringLiteral("DE-BY")), QStringLiteral("Bavaria"));
    EXPECT_EQ(shipped().regionName(QStringLiteral("GB-ENG")), QStringLiteral("England"));
    EXPECT_EQ(shipped().regionName(QStringLiteral("CA-ON")), QStringLiteral("Ontario"));
    EXPECT_EQ(shipped().regionName(QStringLiteral("AT-9")), QStringLiteral("Vienna"));
    EXPECT_EQ(shipped().regionName(QStringLiteral("CH-ZH")), QStringLiteral("Zurich"));
}

TEST(ShippedFiles, JapanKeepsCitizensHolidaysBetweenTwoHolidays)
{
    // Cabinet Office lists: 2009 and 2015 "Silver Week", 2019 around the enthronement.
    const struct
    {
        int year;
        unsigned month;
        unsigned day;
    } bridges[] = {{2009, 9, 22}, {2015, 9, 22}, {2019, 4, 30}, {2019, 5, 2}, {2026, 9, 22}, {1988, 5, 4}};
    for (const auto &bridge : bridges) {
        SCOPED_TRACE(bridge.year);
        const auto days = shipped().holidays(QStringLiteral("JP"), bridge.year).days;
        const year_month_day date{year{bridge.year}, month{bridge.month}, day{bridge.day}};
        EXPECT_TRUE(std::find(days.begin(), days.end(), HolidayDay{date, QStringLiteral("Citizens' Holiday")}) != days.end());
    }
}

// A year past the decrees a file holds is said to lack them, and days a file never lists are
// said in every year; the years the decrees are known for, and files without such lines, say
// nothing. A message is in the language of the messages, the page's language aside.
TEST(AnnouncedUntil, WarnsForTheYearsAfterTheLastDecree)
{
    const struct
    {
        const char *region;
        int year;
        const char *language;
        const char *warning;  // empty: none
    } rows[] = {
        {"RU", 2027, "en", "RU: the days off the government moves each year by decree are known to 2026 only; 2027 shows the days the law fixes"},
        {"RU", 2026, "en", ""},
        {"RU", 1990, "en", ""},
        {"AR", 2030, "en", "AR: the days the government sets each year by decree are known to 2026 only; 2030 shows the days the law fixes"},
        {"SK", 2027, "de", "SK: the days of rest the consolidation laws take away are known to 2026 only; 2027 shows the days the law fixes"},
        {"CN", 1990, "en", "CN: the days off the State Council joins to the holidays each year, and the weekends worked in exchange are not listed; 1990 shows the days the law fixes"},
        {"ES-MD", 2027, "es", "ES-MD: the days each community moves or swaps by its yearly decree are not listed; 2027 shows the days the law fixes"},
        {"SG", 2027, "ja", "SG: the days gazetted each year (Vesak Day, Deepavali) are known to 2026 only; 2027 shows the days the law fixes"},
        {"DE-BY", 2040, "en", ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.region) + " " + std::to_string(row.year));
        const HolidayList list = shipped().holidays(QString::fromLatin1(row.region), row.year, QLatin1String(row.language));
        ASSERT_TRUE(list.ok()) << qPrintable(list.error);
        EXPECT_EQ(list.warnings, *row.warning ? QStringList{QString::fromUtf8(row.warning)} : QStringList());
    }
}

TEST(AnnouncedUntil, AWrongLineIsRefusedWithItsLine)
{
    const struct
    {
        const char *name;
        const char *file;
        const char *says;  // "" for a file that is read
    } cases[] = {
        {"no_text", "country XX Exampleland\nsource test\nannounced-until 2026\nJan 1 = A\n", "XX.txt, line 3: write 'announced-until YEAR TEXT'"},
        {"no_year", "country XX Exampleland\nsource test\nannounced-until soon the decreed days\n", "XX.txt, line 3: 'soon' is not a year from 1 to 9999"},
        {"twice", "country XX Exampleland\nsource test\nannounced-until 2026 a\nJan 1 = A\nannounced-until 2027 b\n",
         "XX.txt, line 5: a file says once up to which year"},
        {"after_names", "country XX Exampleland\nsource test\nJan 1 = A\n\nnames de\nA = B\nannounced-until 2026 a\n",
         "XX.txt, line 7: the 'names' blocks end the file"},
        {"translated", "country XX Exampleland\nsource test\nannounced-until 2026 the decreed days\nJan 1 = A\n\nnames de\nthe decreed days = die verordneten Tage\n", ""},
        {"not_listed_empty", "country XX Exampleland\nsource test\nnot-listed\nJan 1 = A\n", "XX.txt, line 3: write 'not-listed TEXT'"},
        {"not_listed_twice", "country XX Exampleland\nsource test\nnot-listed a\nnot-listed b\nJan 1 = A\n",
         "XX.txt, line 4: a file says once which days it leaves out"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const HolidayLoadResult loaded = parseHolidayFile(QString::fromUtf8(c.file), QStringLiteral("XX.txt"));
        if (!*c.says) {
            ASSERT_TRUE(loaded.country) << qPrintable(loaded.error);
            EXPECT_EQ(loaded.country->announcedUntil().lastYear, 2026);
            EXPECT_EQ(loaded.country->localName(loaded.country->announcedUntil().what, QStringLiteral("de")), QStringLiteral("die verordneten Tage"));
            continue;
        }
        EXPECT_FALSE(loaded.country);
        EXPECT_TRUE(loaded.error.startsWith(QString::fromUtf8(c.says))) << qPrintable(loaded.error);
    }
}

} // namespace
