#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

// One character of a metafile string with the number of bytes it took in the file, so that
// per-byte advance arrays (ExtTextOut's dx) can be summed per character.
struct WmfTextUnit
{
    QString text;
    int bytes = 1;
};

// GDI font character sets the metafile player treats specially.
namespace WmfCharset {
// Raw (not a GDI value): bytes shown as they are, for symbol fonts other than Symbol itself.
enum : int { Raw = -1, Ansi = 0, Default = 1, Symbol = 2, ShiftJis = 128, Hangul = 129, Gb2312 = 134, Big5 = 136, Oem = 255 };
}

// Decodes `bytes` written in the GDI character set `charset` (Symbol text is mapped to the
// Unicode characters the Symbol font's glyphs show, Raw bytes are taken as Latin-1). Double-byte sets are decoded where Qt's converters
// support them; otherwise each byte is read as Windows-1252.
QList<WmfTextUnit> decodeWmfText(QByteArrayView bytes, int charset);

// The same, joined into one string.
QString decodeWmfString(QByteArrayView bytes, int charset);

// The Unicode character the Symbol font shows for `code` (0..255).
char16_t symbolToUnicode(quint8 code);
