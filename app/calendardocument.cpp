#include "app/calendardocument.h"

#include "control/controlwriter.h"

#include <QFileInfo>

namespace {
const QString Caption = QStringLiteral("Print Yearly Calenader");
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
    return state.documentFile.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(state.documentFile).fileName();
}

QString documentWindowTitle(const CalendarState &state, bool modified)
{
    if (state.documentFile.isEmpty() && !modified)
        return Caption;
    return QStringLiteral("%1%2 - %3").arg(documentName(state), modified ? QStringLiteral("*") : QString(), Caption);
}
