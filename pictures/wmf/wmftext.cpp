#include "pictures/wmf/wmftext.h"

#include "platform/windows1252.h"

#include <QStringDecoder>

#include <array>

namespace {

// Symbol font 0x20..0x7E and 0xA0..0xFE.
constexpr std::array<char16_t, 95> symbolLow = {
    0x0020, 0x0021, 0x2200, 0x0023, 0x2203, 0x0025, 0x0026, 0x220B, 0x0028, 0x0029, 0x2217,
    0x002B, 0x002C, 0x2212, 0x002E, 0x002F, 0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035,
    0x0036, 0x0037, 0x0038, 0x0039, 0x003A, 0x003B, 0x003C, 0x003D, 0x003E, 0x003F, 0x2245,
    0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393, 0x0397, 0x0399, 0x03D1, 0x039A,
    0x039B, 0x039C, 0x039D, 0x039F, 0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5, 0x03C2,
    0x03A9, 0x039E, 0x03A8, 0x0396, 0x005B, 0x2234, 0x005D, 0x22A5, 0x005F, 0x203E, 0x03B1,
    0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3, 0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB,
    0x03BC, 0x03BD, 0x03BF, 0x03C0, 0x03B8, 0x03C1, 0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9,
    0x03BE, 0x03C8, 0x03B6, 0x007B, 0x007C, 0x007D, 0x223C};

constexpr std::array<char16_t, 95> symbolHigh = {
    0x20AC, 0x03D2, 0x2032, 0x2264, 0x2044, 0x221E, 0x0192, 0x2663, 0x2666, 0x2665, 0x2660,
    0x2194, 0x2190, 0x2191, 0x2192, 0x2193, 0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7, 0x221D,
    0x2202, 0x2022, 0x00F7, 0x2260, 0x2261, 0x2248, 0x2026, 0x23D0, 0x23AF, 0x21B5, 0x2135,
    0x2111, 0x211C, 0x2118, 0x2297, 0x2295, 0x2205, 0x2229, 0x222A, 0x2283, 0x2287, 0x2284,
    0x2282, 0x2286, 0x2208, 0x2209, 0x2220, 0x2207, 0x00AE, 0x00A9, 0x2122, 0x220F, 0x221A,
    0x22C5, 0x00AC, 0x2227, 0x2228, 0x21D4, 0x21D0, 0x21D1, 0x21D2, 0x21D3, 0x25CA, 0x2329,
    0x00AE, 0x00A9, 0x2122, 0x2211, 0x239B, 0x239C, 0x239D, 0x23A1, 0x23A2, 0x23A3, 0x23A7,
    0x23A8, 0x23A9, 0x23AA, 0xFFFD, 0x232A, 0x222B, 0x2320, 0x23AE, 0x2321, 0x239E, 0x239F,
    0x23A0, 0x23A4, 0x23A5, 0x23A6, 0x23AB, 0x23AC, 0x23AD};

// Names Qt's converters may know a GDI character set by, and whether it is double-byte.
struct CharsetCodec
{
    int charset;
    const char *name;
    bool doubleByte;
};

constexpr std::array<CharsetCodec, 14> codecs = {{
    {WmfCharset::ShiftJis, "Shift_JIS", true},
    {WmfCharset::Hangul, "windows-949", true},
    {WmfCharset::Gb2312, "GBK", true},
    {WmfCharset::Big5, "Big5", true},
    {161, "windows-1253", false},
    {162, "windows-1254", false},
    {163, "windows-1258", false},
    {177, "windows-1255", false},
    {178, "windows-1256", false},
    {186, "windows-1257", false},
    {204, "windows-1251", false},
    {222, "windows-874", false},
    {238, "windows-1250", false},
    {WmfCharset::Oem, "IBM437", false},
}};

bool isLeadByte(int charset, quint8 byte)
{
    if (charset == WmfCharset::ShiftJis)
        return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    return byte >= 0x81 && byte <= 0xFE;
}

} // namespace

char16_t symbolToUnicode(quint8 code)
{
    if (code >= 0x20 && code <= 0x7E)
        return symbolLow[code - 0x20];
    if (code >= 0xA0 && code <= 0xFE)
        return symbolHigh[code - 0xA0];
    return char16_t(code);
}

QList<WmfTextUnit> decodeWmfText(QByteArrayView bytes, int charset)
{
    QList<WmfTextUnit> units;
    units.reserve(bytes.size());
    if (charset == WmfCharset::Symbol) {
        for (char byte : bytes)
            units.append({QString(QChar(symbolToUnicode(quint8(byte)))), 1});
        return units;
    }
    if (charset == WmfCharset::Raw) {
        for (char byte : bytes)
            units.append({QString(QChar(quint8(byte))), 1});
        return units;
    }
    const CharsetCodec *codec = nullptr;
    for (const CharsetCodec &candidate : codecs) {
        if (candidate.charset == charset)
            codec = &candidate;
    }
    if (codec) {
        QStringDecoder decoder(codec->name);
        if (decoder.isValid()) {
            for (qsizetype i = 0; i < bytes.size();) {
                const int length = codec->doubleByte && isLeadByte(charset, quint8(bytes[i])) && i + 1 < bytes.size() ? 2 : 1;
                decoder.resetState();
                QString text = decoder.decode(bytes.sliced(i, length));
                if (text.isEmpty())
                    text = QString(QChar(0xFFFD));
                units.append({text, length});
                i += length;
            }
            return units;
        }
    }
    for (char byte : bytes)
        units.append({QString(QChar(Windows1252::toUnicode(quint8(byte)))), 1});
    return units;
}

QString decodeWmfString(QByteArrayView bytes, int charset)
{
    QString text;
    for (const WmfTextUnit &unit : decodeWmfText(bytes, charset))
        text += unit.text;
    return text;
}
