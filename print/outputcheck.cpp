#include "print/outputcheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// Why an output is refused, in the user's language.
struct OutputCheckWords
{
    Q_DECLARE_TR_FUNCTIONS(OutputCheck)
};

// The one name a file goes by, whatever links lead to it; for a file that does not exist,
// its cleaned absolute path (no input can have that name then).
QString identity(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

} // namespace

QStringList calendarInputs(const CalendarState &state)
{
    QStringList inputs;
    if (!state.documentFile.isEmpty())
        inputs << state.documentFile;
    if (!state.picturePath.isEmpty())
        inputs << state.picturePath;
    for (const MarkRule &rule : state.rules)
        if (rule.kind == RuleKind::ICalendar)
            inputs << rule.source;
    return inputs;
}

std::optional<QString> overwritesInput(const CalendarState &state, const QString &output)
{
    if (output.isEmpty())
        return std::nullopt;
    const QString target = identity(output);
    for (const QString &input : calendarInputs(state)) {
        if (identity(input) != target)
            continue;
        return OutputCheckWords::tr("%1 is a file this calendar reads (%2), and writing to it would replace it. "
                                    "Nothing was written; choose another name . . .")
            .arg(QDir::toNativeSeparators(output), QDir::toNativeSeparators(input));
    }
    return std::nullopt;
}
