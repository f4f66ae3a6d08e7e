#include "platform/textfile.h"

#include "platform/windows1252.h"
#include "tests/support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

TEST(DecodeText, validUtf8IsUtf8)
{
    EXPECT_EQ(decodeText(QByteArray("Caf\xc3\xa9 M\xc3\xbcller \xe2\x82\xac")), QStringLiteral(u"Café Müller €"));
}

TEST(DecodeText, byteOrderMarkIsDropped)
{
    EXPECT_EQ(decodeText(QByteArray("\xef\xbb\xbfYER 2004")), QStringLiteral("YER 2004"));
}

TEST(DecodeText, invalidUtf8IsWindows1252)
{
    struct Row
    {
        const char *name;
        QByteArray bytes;
        QString text;
    };
    const Row rows[] = {
        {"latin_letters", QByteArray("Caf\xe9 M\xfcller"), QStringLiteral(u"Café Müller")},
        {"euro_and_quotes", QByteArray("\x80 \x93hi\x94 \x85"), QStringLiteral(u"€ “hi” …")},
        {"undefined_bytes_kept", QByteArray("a\x81\x8d\x8f\x90\x9d"), QStringLiteral(u"a\u0081\u008d\u008f\u0090\u009d")},
        {"one_bad_byte_decides", QByteArray("\xc3\xa9 \xe9"), QStringLiteral(u"Ã© é")},
        {"cut_sequence_at_end", QByteArray("ab\xc3"), QStringLiteral(u"abÃ")},
        {"overlong_nul", QByteArray("\xc0\x80"), QStringLiteral(u"À€")},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(decodeText(row.bytes), row.text);
    }
}

// The one Windows-1252 table (text files and metafile text) against Qt's own converter, which
// maps the five bytes the code page leaves undefined to the C1 controls, as Windows does.
TEST(DecodeText, windows1252TableAgreesWithQtsConverterOnEveryByte)
{
    QStringDecoder qt("windows-1252");
    ASSERT_TRUE(qt.isValid());
    for (int byte = 0; byte < 256; ++byte) {
        SCOPED_TRACE(byte);
        const char c = char(byte);
        qt.resetState();
        const QString expected = qt.decode(QByteArrayView(&c, 1));
        ASSERT_EQ(expected.size(), 1);
        EXPECT_EQ(Windows1252::toUnicode(static_cast<unsigned char>(byte)), expected.at(0).unicode());
    }
}

TEST(SplitLines, everyLineEnd)
{
    struct Row
    {
        const char *name;
        QString text;
        QStringList lines;
    };
    const Row rows[] = {
        {"crlf", QStringLiteral("a\r\nb\r\n"), {QStringLiteral("a"), QStringLiteral("b")}},
        {"lf", QStringLiteral("a\nb"), {QStringLiteral("a"), QStringLiteral("b")}},
        {"cr", QStringLiteral("a\rb\r"), {QStringLiteral("a"), QStringLiteral("b")}},
        {"mixed", QStringLiteral("a\r\nb\nc\rd"), {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")}},
        {"empty_lines_kept", QStringLiteral("a\n\nb"), {QStringLiteral("a"), QString(), QStringLiteral("b")}},
        {"cr_cr_lf", QStringLiteral("a\r\r\nb"), {QStringLiteral("a"), QString(), QStringLiteral("b")}},
        {"lf_cr_is_two", QStringLiteral("a\n\rb"), {QStringLiteral("a"), QString(), QStringLiteral("b")}},
        {"only_newline", QStringLiteral("\n"), {QString()}},
        {"nothing", QString(), {}},
        {"no_final_end", QStringLiteral("abc"), {QStringLiteral("abc")}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(splitLines(row.text), row.lines);
    }
}

TEST(TextLinesFromBytes, refusesNulAndOversize)
{
    EXPECT_FALSE(textLinesFromBytes(QByteArray("HDR a\0b", 7)).ok());
    EXPECT_TRUE(textLinesFromBytes(QByteArray(10, 'x'), 10).ok());
    const TextLines big = textLinesFromBytes(QByteArray(11, 'x'), 10);
    EXPECT_FALSE(big.ok());
    EXPECT_FALSE(big.error.isEmpty());
}

TEST(ReadTextFile, readsDecodedLines)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const TextLines text = readTextFile(writeTestFile(dir.path(), QStringLiteral("a.txt"), "HDR Caf\xe9\r\nNOT x\n"));
    ASSERT_TRUE(text.ok()) << text.error.toStdString();
    EXPECT_EQ(*text.lines, QStringList({QStringLiteral(u"HDR Café"), QStringLiteral("NOT x")}));
    EXPECT_TRUE(text.error.isEmpty());
}

TEST(ReadTextFile, oneMebibyteIsTheLimit)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_TRUE(readTextFile(writeTestFile(dir.path(), QStringLiteral("limit.txt"), QByteArray(MaxTextFileBytes, 'a'))).ok());
    const TextLines over = readTextFile(writeTestFile(dir.path(), QStringLiteral("over.txt"), QByteArray(MaxTextFileBytes + 1, 'a')));
    EXPECT_FALSE(over.ok());
    EXPECT_TRUE(over.error.contains(QStringLiteral("1 MiB"))) << over.error.toStdString();
}

TEST(ReadTextFile, refusalsGiveAReason)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const TextLines missing = readTextFile(dir.filePath(QStringLiteral("missing.txt")));
    EXPECT_FALSE(missing.ok());
    EXPECT_EQ(missing.error, QStringLiteral("No such file or directory"));

    const TextLines folder = readTextFile(dir.path());
    EXPECT_FALSE(folder.ok());
    EXPECT_TRUE(folder.error.contains(QStringLiteral("folder")));

    const TextLines binary = readTextFile(writeTestFile(dir.path(), QStringLiteral("bin.txt"), QByteArray("YER 2004\0\0", 10)));
    EXPECT_FALSE(binary.ok());
    EXPECT_TRUE(binary.error.contains(QStringLiteral("NUL")));
}

TEST(ReadTextFile, onlyRegularFilesAreOpened)
{
    // A device never ends and a FIFO blocks the open until a writer comes: both are refused
    // unopened, also through a link.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray fifo = QFile::encodeName(dir.filePath(QStringLiteral("fifo.txt")));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    const QString link = dir.filePath(QStringLiteral("zero.txt"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), link));
    for (const QString &path : {QFile::decodeName(fifo), QStringLiteral("/dev/zero"), link}) {
        SCOPED_TRACE(path.toStdString());
        const TextLines text = readTextFile(path);
        EXPECT_FALSE(text.ok());
        EXPECT_EQ(text.error, QStringLiteral("it is not a regular file"));
    }
}

TEST(TextLinesFromBytes, aStrayByteMakesOnlyItsLineWindows1252)
{
    const TextLines mixed = textLinesFromBytes("HDR Caf\xc3\xa9\r\nMSG Gr\xfc\xdf\r\nNOT \xc3\xa0 bient\xc3\xb4t\r\n");
    ASSERT_TRUE(mixed.ok());
    EXPECT_EQ(*mixed.lines, QStringList({QStringLiteral(u"HDR Café"), QStringLiteral(u"MSG Grüß"), QStringLiteral(u"NOT à bientôt")}));
    EXPECT_EQ(mixed.windows1252Lines, QList<int>{2});

    // Wholly Windows-1252 (or plain ASCII beside it) is an older file, not a mistake.
    const TextLines older = textLinesFromBytes("HDR plain\nMSG Gr\xfc\xdf\n");
    ASSERT_TRUE(older.ok());
    EXPECT_EQ(older.lines->at(1), QStringLiteral(u"MSG Grüß"));
    EXPECT_TRUE(older.windows1252Lines.isEmpty());
}

} // namespace
