#include "control/controlwriter.h"

#include "control/controlfile.h"
#include "control/rulelines.h"
#include "platform/savefile.h"
#include "platform/usererror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// Why a control file cannot be saved, in the user's language.
struct ControlWriterWords
{
    Q_DECLARE_TR_FUNCTIONS(ControlWriter)
};

// One line; blanks at the end of a value would be trimmed by the reader anyway.
void addLine(QString &text, const char *key, const QString &value)
{
    QString line = QLatin1String(key);
    if (!value.isEmpty())
        line += QLatin1Char(' ') + value;
    text += line + QStringLiteral("\r\n");
}

} // namespace

QByteArray controlFileText(const CalendarState &state, const QString &controlPath)
{
    const QString folder = QFileInfo(controlPath).absolutePath();
    QString text;
    addLine(text, "YER", state.txtYear.trimmed());
    addLine(text, "HDR", state.txtHeader.trimmed());
    addLine(text, "MSG", state.txtMessage[5].trimmed());
    // Every box up to the last one that holds more than the blank a fresh box holds. A note
    // that starts with a blank ends the address block on the page but keeps its box (and
    // the first two boxes head the date-list file), so it is written as NOB.
    int notes = state.textLines[5].isEmpty() ? 5 : 6;
    while (notes > 0 && notes <= 5 && state.txtMessage[notes - 1] == QLatin1String(" "))
        --notes;
    for (int i = 0; i < notes; ++i) {
        const QString &note = i < 5 ? state.txtMessage[i] : state.textLines[5];
        if (note.startsWith(QLatin1Char(' ')))
            text += QStringLiteral("NOB ") + note.mid(1) + QStringLiteral("\r\n");
        else
            addLine(text, "NOT", note);
    }
    if (state.binSelPic && !state.picturePath.isEmpty())
        addLine(text, "PIC", pathForFolder(state.picturePath, folder));
    addLine(text, "TOP", state.chkFullPicture ? QStringLiteral("1") : QStringLiteral("0"));
    for (QString CalendarState::*field : {&CalendarState::strYearFont, &CalendarState::strHeaderFont,
                                          &CalendarState::strAddressFont, &CalendarState::strMessageFont,
                                          &CalendarState::strCalendarFont})
        addLine(text, "FNT", fontRoleKey(field) + QLatin1Char(' ') + (state.*field).trimmed());
    addLine(text, "LNG", state.page.language);
    addLine(text, "WKS", QString::number(state.page.weekStart));
    addLine(text, "WKN", state.page.weekNumbers ? QStringLiteral("1") : QStringLiteral("0"));
    addLine(text, "PAP", paperKey(state.page.paper));
    addLine(text, "PAL", paletteKey(state.page.palette));
    addLine(text, "FRM", QString::number(state.page.firstMonth));
    addLine(text, "MOO", state.page.moonPhases ? QStringLiteral("1") : QStringLiteral("0"));
    for (const MarkRule &rule : state.rules)
        addLine(text, ruleKey(rule.kind).toLatin1().constData(), ruleValue(rule, folder));
    return text.toUtf8();
}

void SaveControlFile(CalendarState &state, const QString &path)
{
    if (!isControlFileName(path) || !path.endsWith(QLatin1String(".txt")))
        throw UserError(ControlWriterWords::tr("\"%1\" cannot be saved as a control file: its name must end in \".txt\" "
                                               "(lower case), as control files are read . . .")
                            .arg(QDir::toNativeSeparators(path)));
    const QString target = QFileInfo(path).absoluteFilePath();
    const QByteArray bytes = controlFileText(state, target);
    if (const std::optional<QString> problem = writeFileAtomically(target, bytes))
        throw UserError(ControlWriterWords::tr("The control file \"%1\" cannot be saved (%2) . . .")
                            .arg(QDir::toNativeSeparators(target), *problem));
    state.documentFile = target;
    state.strListFile = dateListFileName(target);
}
