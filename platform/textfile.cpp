#include "platform/textfile.h"

#include "platform/windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

QString tooLarge(qint64 maxBytes)
{
    if (maxBytes % (1024 * 1024) == 0)
        return QStringLiteral("it is larger than %1 MiB, too large for a text file").arg(maxBytes / (1024 * 1024));
    return QStringLiteral("it is larger than %1 bytes, too large for a text file").arg(maxBytes);
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
        return {std::nullopt, tooLarge(maxBytes)};
    if (bytes.contains('\0'))
        return {std::nullopt, QStringLiteral("it holds NUL bytes, so it is not a text file")};
    return {splitLines(decodeText(bytes)), QString()};
}

TextLines readTextFile(const QString &path, qint64 maxBytes)
{
    const QFileInfo info(path);
    if (info.isDir())
        return {std::nullopt, QStringLiteral("it is a folder, not a file")};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, file.errorString()};
    if (file.size() > maxBytes)
        return {std::nullopt, tooLarge(maxBytes)};
    // Read one byte more than allowed: devices and pipes report no size.
    const QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt, file.errorString()};
    return textLinesFromBytes(bytes, maxBytes);
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
