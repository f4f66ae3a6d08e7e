#pragma once

#include <QChar>
#include <QString>
#include <QByteArrayView>

#include <array>

// Windows-1252, the "ANSI" code page of Western Windows, shared by the text-file reader and
// the metafile player (which links QtGui alone, so this stays header-only).
//
// The code page differs from Latin-1 only in 0x80..0x9F. Five of those bytes (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) are left undefined; they decode to the C1 controls of the same value
// (U+0081 ...). That is what Windows itself does (MultiByteToWideChar with code page 1252,
// which is how GDI turns a metafile's ANSI text into characters) and what the WHATWG
// encoding standard, and so every browser, does. The alternative, U+FFFD, would lose the
// byte and make a file read in two places disagree; a C1 control keeps it and shows nothing.
namespace Windows1252 {

inline constexpr std::array<char16_t, 32> High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The character of one byte (0..255).
constexpr char16_t toUnicode(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? High[byte - 0x80] : char16_t(byte);
}

// Every byte as one character.
inline QString decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes)
        *out++ = QChar(toUnicode(static_cast<unsigned char>(c)));
    return text;
}

} // namespace Windows1252
