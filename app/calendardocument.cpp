#include "app/calendardocument.h"

#include "control/controlwriter.h"

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
