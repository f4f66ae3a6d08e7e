#include "platform/textfile.h"

#include "platform/regularfile.h"
#include "platform/windows1252.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>

#include <algorithm>

namespace {

// Why a file is no text file, in the user's language.
struct TextFileWords
{
    Q_DECLARE_TR_FUNCTIONS(TextFile)
};

QString tooLarge(qint64 maxBytes)
{
    if (maxBytes % (1024 * 1024) == 0)
        return TextFileWords::tr("it is larger than %1 MiB, too large for a text file").arg(maxBytes / (1024 * 1024));
    return TextFileWords::tr("it is larger than %1 bytes, too large for a text file").arg(maxBytes);
}

} // namespace

QString decodeText(const QByteArray &bytes)
{
    // Stateless, so that a sequence cut off at the end also counts as invalid.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return Windows1252::decode(bytes);
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

TextLines textLinesFromBytes(const QByteArray &bytes, qint64 maxBytes)
{
    if (bytes.size() > maxBytes)
        return {std::nullopt, tooLarge(maxBytes), {}};
    if (bytes.contains('\0'))
        return {std::nullopt, TextFileWords::tr("it holds NUL bytes, so it is not a text file"), {}};

    // Line by line: one stray byte in an otherwise UTF-8 file must not turn every accented
    // letter of the other lines into two wrong ones. CR and LF are never part of a UTF-8
    // sequence, so the bytes can be split before they are decoded.
    QStringList lines;
    QList<int> windows1252;
    bool utf8Letters = false;
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    auto addLine = [&](qsizetype end) {
        QByteArrayView line(bytes.constData() + start, end - start);
        if (lines.isEmpty() && line.startsWith("\xef\xbb\xbf"))
            line = line.sliced(3);
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        QString text = utf8.decode(line);
        if (utf8.hasError()) {
            text = Windows1252::decode(line);
            windows1252.append(int(lines.size()) + 1);
        } else if (std::any_of(line.begin(), line.end(), [](char c) { return (c & 0x80) != 0; })) {
            utf8Letters = true;
        }
        lines.append(text);
    };
    for (qsizetype i = 0; i < n; ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n')
            continue;
        addLine(i);
        if (c == '\r' && i + 1 < n && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        addLine(n);
    // A file made wholly in Windows-1252 is an older file, read as such without a word.
    if (!utf8Letters)
        windows1252.clear();
    return {lines, QString(), windows1252};
}

TextLines readTextFile(const QString &path, qint64 maxBytes)
{
    using Problem = RegularFileBytes::Problem;
    const RegularFileBytes file = readRegularFile(path, maxBytes);
    switch (file.problem) {
    case Problem::None: return textLinesFromBytes(file.bytes, maxBytes);
    case Problem::Folder: return {std::nullopt, TextFileWords::tr("it is a folder, not a file"), {}};
    case Problem::NotRegular: return {std::nullopt, TextFileWords::tr("it is not a regular file"), {}};
    case Problem::TooLarge: return {std::nullopt, tooLarge(maxBytes), {}};
    case Problem::LinkLoop: return {std::nullopt, TextFileWords::tr("it leads through too many symbolic links"), {}};
    case Problem::Missing:
    case Problem::CannotOpen:
    case Problem::CannotRead: break;
    }
    return {std::nullopt, file.reason, {}};
}

QStringView trimBlanks(QStringView text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}
