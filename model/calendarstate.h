#pragma once

#include "model/markrule.h"
#include "model/pagesettings.h"

#include <QDate>
#include <QString>

#include <array>
#include <memory>
#include <vector>

class Picture; // render/picture.h; the model only holds it

// A day of DayMarks that carries no mark category.
inline constexpr qint16 NoMark = 9;
// Mark categories 0..4; MarkCount never exceeds this.
inline constexpr qint16 MarkCategories = 5;

// The longest header, note or message text: far more than a line of the page shows, and a
// bound on what a runaway file can put into the page and the date-list.
inline constexpr int MaxTextLength = 500;

// Which chooser the main window is waiting on (intPendingDialog).
enum PendingDialog : int {
    PendingNone = 0,
    PendingPicture = 1,
    PendingControlFile = 2,
    PendingPrinter = 3,
};

// Everything one calendar is made from: the texts of the main window's controls, its
// window-level fields and the marking rules. Plain values, copied freely, so that a failed
// command can put back what it found.
struct CalendarState
{
    // Controls of the main window.
    QString txtYear;
    QString txtHeader;
    std::array<QString, 6> txtMessage;   // 0..4 notes, 5 the centred message
    QString txtCopies = QStringLiteral("1");
    bool chkFullPicture = false;          // "Picture Only At Top"
    std::shared_ptr<const Picture> picTemp;
    QString picturePath;                  // the file picTemp was loaded from, absolute

    // Window-level fields.
    bool binSelPic = false;
    bool binSelPrt = false;
    QString strYearFont;
    QString strHeaderFont;
    QString strAddressFont;
    QString strMessageFont;
    QString strCalendarFont;
    QString strSelectedFile;
    QString strListFile;
    bool binFileOK = false;
    // DayMarks[month - 1][day - 1]: NoMark or a category 0..4.
    std::array<std::array<qint16, 31>, 12> DayMarks{};
    std::array<QString, 6> textLines;     // the address block
    // MarkLegend[category] = {digit, label}.
    std::array<std::array<QString, 2>, 5> MarkLegend;
    // MarkColors[category] = {red, green, blue}, each 0..255.
    std::array<std::array<qint16, 3>, 5> MarkColors{};
    int intPendingDialog = PendingNone;
    qint16 MarkCount = 0;

    // The marking rules in the order that decides their categories. DayMarks, MarkLegend,
    // MarkCount, dayDetails and ruleResults follow from them and the year (refreshMarks).
    std::vector<MarkRule> rules;
    // dayDetails[month - 1][day - 1]: what the rule that marked the day calls it (a holiday's
    // own name), listed after the label in the date-list file; mostly empty. An age, " (40)",
    // starts with a blank.
    std::array<std::array<QString, 31>, 12> dayDetails;
    std::vector<RuleResult> ruleResults;
    // The control file this calendar was read from or last saved as; empty for a new one.
    QString documentFile;
    // Language, week layout, paper and colours of the page (LNG, WKS, WKN, PAP, PAL lines).
    PageSettings page;

    qint16 dayMark(int month, int day) const { return DayMarks.at(month - 1).at(day - 1); }
    void setDayMark(int month, int day, qint16 category) { DayMarks.at(month - 1).at(day - 1) = category; }
    const QString &dayDetail(int month, int day) const { return dayDetails.at(month - 1).at(day - 1); }
};

// The main window's Load step: every default in place. `today` decides the year shown.
CalendarState loadDefaults(QDate today);
// The year of the day 365 days after `today`, as four digits.
QString defaultYearText(QDate today);
