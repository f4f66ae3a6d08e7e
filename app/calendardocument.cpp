#include "app/calendardocument.h"

#include "control/controlfile.h"
#include "control/controlwriter.h"
#include "platform/usererror.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
// Asked at every use: the words follow the translation installed when the title is made.
QString caption()
{
    return QCoreApplication::translate("frmLunaria", "Print Yearly Calenader");
}
}

void SavedText::markSaved(const CalendarState &state)
{
    m_text = controlFileText(state, state.documentFile);
}

bool SavedText::isModified(const CalendarState &state) const
{
    return controlFileText(state, state.documentFile) != m_text;
}

QString documentName(const CalendarState &state)
{
    return state.documentFile.isEmpty() ? QCoreApplication::translate("frmLunaria", "Untitled") : QFileInfo(state.documentFile).fileName();
}

QString documentWindowTitle(const CalendarState &state, bool modified)
{
    if (state.documentFile.isEmpty() && !modified)
        return caption();
    return QStringLiteral("%1%2 - %3").arg(documentName(state), modified ? QStringLiteral("*") : QString(), caption());
}

CalendarDocument::CalendarDocument(QDate today) : m_today(today)
{
    newCalendar();
}

void CalendarDocument::newCalendar()
{
    m_state = loadDefaults(m_today);
    m_saved.markSaved(m_state);
}

std::optional<QString> CalendarDocument::apply(const QString &name, const std::function<void()> &change)
{
    const CalendarState before = m_state;
    QString reason;
    try {
        change();
        return std::nullopt;
    } catch (const UserError &error) {
        reason = QCoreApplication::translate("frmLunaria", "%1 could not be completed:\n%2").arg(name, error.reason());
    } catch (const std::exception &error) {
        // Only a UserError carries words for the user; anything else is a fault of the
        // program, said plainly here and in detail on standard error.
        qWarning("Internal error in %s: %s", qUtf8Printable(name), error.what());
        reason = QCoreApplication::translate("frmLunaria", "Internal error in %1; your settings are unchanged.").arg(name);
    }
    m_state = before;
    return reason;
}

bool CalendarDocument::open(const QString &file, OpenMode mode, MessageService &messages, const MarkSources &sources)
{
    // Read into a copy: a file that cannot be read leaves the calendar as it was.
    CalendarState read = mode == OpenMode::AddRules ? m_state : loadDefaults(m_today);
    read.strSelectedFile = file;
    const ControlFileResult result = ReadControlFile(read, messages, sources);
    m_state.binFileOK = read.binFileOK;
    if (!result.read)
        return false;
    m_state = std::move(read);
    if (mode == OpenMode::AddRules) {
        // Neither file holds the result; printing lists its days where a new calendar's go.
        m_state.documentFile.clear();
        m_state.strListFile = loadDefaults(m_today).strListFile;
    } else {
        m_saved.markSaved(m_state);
    }
    return true;
}

void CalendarDocument::save(const QString &path)
{
    SaveControlFile(m_state, path);
    m_saved.markSaved(m_state);
}
