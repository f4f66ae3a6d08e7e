#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// The largest text file the program reads: 1 MiB. Anything bigger is not a control file.
inline constexpr qint64 MaxTextFileBytes = 1024 * 1024;

// The lines of a text file, or why it could not be read.
struct TextLines
{
    std::optional<QStringList> lines;  // empty when the file was refused
    QString error;                      // the reason, for a message; empty on success
    // Lines (numbered from 1) read as Windows-1252 in a file whose other lines hold UTF-8
    // letters; empty for a file wholly in one encoding.
    QList<int> windows1252Lines;

    bool ok() const { return lines.has_value(); }
};

// Bytes as text: UTF-8 when they are valid UTF-8 (a leading byte-order mark dropped),
// else Windows-1252, so files from older systems keep their accented letters.
QString decodeText(const QByteArray &bytes);

// Splits text into lines ending at CR LF, a lone LF or a lone CR. A final line ending does
// not start another line; "" gives no lines.
QStringList splitLines(const QString &text);

// Splits the bytes of a file into lines and decodes each line as decodeText does; refuses
// more than `maxBytes` bytes and any NUL byte (the mark of a binary file).
TextLines textLinesFromBytes(const QByteArray &bytes, qint64 maxBytes = MaxTextFileBytes);

// Reads a whole text file as textLinesFromBytes does. Only regular files are read: folders,
// devices, FIFOs and sockets are refused without being opened. The error names the reason
// ("No such file or directory", "it is larger than 1 MiB", ...), not the file.
TextLines readTextFile(const QString &path, qint64 maxBytes = MaxTextFileBytes);

// `text` without the blanks (U+0020 only) at either end. Tabs are text in the control-file
// format and on the page, so they stay.
QStringView trimBlanks(QStringView text);
