#pragma once

#include "model/calendarstate.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <functional>
#include <optional>

class MessageService;
struct MarkSources;

// Whether a calendar has changes its control file does not hold: the text it would be saved
// as, compared with that text when the calendar was started, read or saved. A change typed
// back to what it was is no change.
class SavedText
{
public:
    // The calendar as it stands is the saved one.
    void markSaved(const CalendarState &state);
    bool isModified(const CalendarState &state) const;

private:
    QByteArray m_text;
};

// The calendar's file name as the title and the questions name it: "club.txt", or "Untitled"
// for a calendar that has no file yet.
QString documentName(const CalendarState &state);

// The window title: "club.txt* - Print Yearly Calenader" ("*" while modified), and just
// "Print Yearly Calenader" for a new calendar with no changes.
QString documentWindowTitle(const CalendarState &state, bool modified);

// One calendar through its life in the window: started with the defaults, read from a
// control file (alone, or added to the rules it has), changed by commands, saved. It knows
// which file it belongs to and whether it holds changes that file does not.
class CalendarDocument
{
public:
    // How a control file joins the calendar.
    enum class OpenMode {
        Replace,  // the file is the calendar from now on
        AddRules, // its rules join these; the result is a new calendar of no file
    };

    // A new calendar with the defaults of `today`.
    explicit CalendarDocument(QDate today);

    const CalendarState &state() const { return m_state; }
    // For the window's commands, which change the calendar through apply().
    CalendarState &state() { return m_state; }

    // Starts again with the defaults, as a calendar with no changes and no file.
    void newCalendar();
    bool isModified() const { return m_saved.isModified(m_state); }
    // "club.txt", or "Untitled".
    QString name() const { return documentName(m_state); }
    QString windowTitle() const { return documentWindowTitle(m_state, isModified()); }

    // Runs the command `name`. A UserError or any other exception part-way puts the
    // calendar back as it was before and comes back as the words for the user, naming the
    // command; nothing when it succeeded.
    std::optional<QString> apply(const QString &name, const std::function<void()> &change);

    // Reads the control file `file` (ReadControlFile, which reports its problems through
    // `messages`). True when it was read; a file refused by its name or type leaves the
    // calendar as it was. Throws what the reader throws.
    bool open(const QString &file, OpenMode mode, MessageService &messages, const MarkSources &sources);
    // Writes the calendar to `path` (SaveControlFile) and makes it the calendar's file;
    // throws a UserError when it cannot, the calendar still modified.
    void save(const QString &path);

private:
    QDate m_today;
    CalendarState m_state;
    SavedText m_saved;
};
