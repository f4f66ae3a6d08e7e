// Reading a country file from disk: the checks on the file before its lines are parsed.

#include "calendar/holidays/holidayfile.h"

#include "platform/regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

// Why a holiday file cannot be read, in the user's language.
struct HolidayLoadWords
{
    Q_DECLARE_TR_FUNCTIONS(Holidays)
};

// The largest holiday file read: 1 MiB, some hundred times the largest shipped one.
constexpr qint64 MaxHolidayFileBytes = 1024 * 1024;

// The 1-based line of `bytes` that holds the byte at `index`.
int lineAt(const QByteArray &bytes, qsizetype index)
{
    return int(QByteArrayView(bytes).first(index).count('\n')) + 1;
}

// The 1-based line of the first byte sequence that is not UTF-8, or 0 when all are. A line
// feed is never part of a longer UTF-8 sequence, so each line can be decoded on its own.
int firstLineNotUtf8(const QByteArray &bytes)
{
    int line = 1;
    for (qsizetype start = 0; start <= bytes.size(); ++line) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        // Decoding happens when the result becomes a QString, not before.
        const QString text = utf8.decode(QByteArrayView(bytes).sliced(start, end - start));
        if (utf8.hasError())
            return line;
        start = end + 1;
    }
    return 0;
}

} // namespace

HolidayLoadResult loadHolidayFile(const QString &path)
{
    const QString shown = QDir::toNativeSeparators(path);
    const auto refuse = [&](const QString &reason) {
        return HolidayLoadResult{nullptr, QStringLiteral("%1: %2").arg(shown, reason)};
    };
    const auto refuseAt = [&](int line, const QString &reason) {
        return HolidayLoadResult{nullptr, HolidayLoadWords::tr("%1, line %2: %3").arg(shown).arg(line).arg(reason)};
    };
    using Problem = RegularFileBytes::Problem;
    const RegularFileBytes file = readRegularFile(path, MaxHolidayFileBytes);
    switch (file.problem) {
    case Problem::None: break;
    case Problem::Missing: {
        // A copied link whose target was moved: the name is there, so "no such file" would
        // send the user looking in the wrong place.
        const QFileInfo link(path);
        if (link.isSymLink())
            return refuse(HolidayLoadWords::tr("it is a symbolic link to %1, which does not exist")
                              .arg(QDir::toNativeSeparators(link.symLinkTarget())));
        return refuse(HolidayLoadWords::tr("no such file"));
    }
    case Problem::LinkLoop: return refuse(HolidayLoadWords::tr("it leads through too many symbolic links"));
    case Problem::Folder:
    case Problem::NotRegular: return refuse(HolidayLoadWords::tr("it is not a regular file"));
    case Problem::TooLarge: return refuse(HolidayLoadWords::tr("it is larger than 1 MiB, too large for a holiday file"));
    case Problem::CannotOpen:
    case Problem::CannotRead: return refuse(file.reason);
    }
    if (const qsizetype nul = file.bytes.indexOf('\0'); nul >= 0)
        return refuseAt(lineAt(file.bytes, nul), HolidayLoadWords::tr("it holds NUL bytes, so it is not a text file"));
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(file.bytes);
    if (utf8.hasError())
        return refuseAt(qMax(1, firstLineNotUtf8(file.bytes)),
                        HolidayLoadWords::tr("it is not UTF-8 text"));
    return parseHolidayFile(text, shown, QFileInfo(path).completeBaseName());
}
