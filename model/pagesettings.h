#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The sheet the page is printed on. AsPrinter is the page as it has always printed: composed
// for a Letter sheet and put unscaled at the printable area's origin of whatever paper the
// device holds. Any other paper scales the page to fit that paper's printable area.
enum class Paper { AsPrinter, Letter, Legal, A4, A3, A5 };

// The colours of the five mark categories. Classic: MarkColors, each marked number reversed
// out of its box. Safe: five tints a colour-blind reader or a greyscale print tells apart,
// the number black on its tint. Patterns: the safe tints, each with its own hatching.
enum class Palette { Classic, Safe, Patterns };

// How the page is laid out for its readers. The defaults give the page as it always was.
struct PageSettings
{
    // A locale name ("de_DE", "ru", "he_IL") for the month names and the weekday column
    // heads; empty: month names in the desktop's language, column heads "SMTWTFS".
    QString language;
    // The weekday of the first column: 1 Sunday .. 7 Saturday; 0 the one the language starts
    // its weeks on.
    int weekStart = 1;
    bool weekNumbers = false;   // ISO 8601 week numbers left of the week rows
    Paper paper = Paper::AsPrinter;
    Palette palette = Palette::Classic;
    // The month the page starts with, 1..12: from it in the calendar's year to the month
    // before it in the next (a school year August to July). 1 is the calendar year.
    int firstMonth = 1;
    bool moonPhases = false;    // new moon, quarters and full moon drawn in the day boxes

    bool operator==(const PageSettings &) const = default;
};

// The word a control file names a paper by: "printer" (as the printer has it), "Letter",
// "Legal", "A4", "A3", "A5".
QString paperKey(Paper paper);
// The paper a word names, compared without regard to case; nothing for another word.
std::optional<Paper> paperFromKey(QStringView key);

// The word a control file names a palette by: "classic", "safe", "patterns".
QString paletteKey(Palette palette);
// The palette a word names, compared without regard to case; nothing for another word.
std::optional<Palette> paletteFromKey(QStringView key);
