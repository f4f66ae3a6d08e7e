// What readRegularFile says of each kind of path that holds no readable file.

#include "platform/regularfile.h"
#include "tests/support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>

namespace {

TEST(RegularFile, TellsEachKindOfPathApart)
{
    using Problem = RegularFileBytes::Problem;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto at = [&dir](const char *name) { return dir.filePath(QString::fromLatin1(name)); };
    writeTestFile(dir.path(), QStringLiteral("ten.txt"), "0123456789");
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    ASSERT_TRUE(QFile::link(at("ping"), at("pong")));
    ASSERT_TRUE(QFile::link(at("pong"), at("ping")));
    ASSERT_TRUE(QFile::link(at("nothing"), at("dangling")));
    ASSERT_TRUE(QFile::link(at("ten.txt"), at("link.txt")));
    const struct
    {
        const char *path;
        qint64 maxBytes;
        Problem problem;
    } rows[] = {
        {"ten.txt", 10, Problem::None},
        {"link.txt", 10, Problem::None},
        {"ten.txt", 9, Problem::TooLarge},
        {"missing.txt", 10, Problem::Missing},
        {"dangling", 10, Problem::Missing},
        {"ten.txt/below", 10, Problem::Missing},
        // QFileInfo calls it missing too: the user would look for a file that is there.
        {"ping", 10, Problem::LinkLoop},
        {"folder", 10, Problem::Folder},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.path);
        const RegularFileBytes read = readRegularFile(at(row.path), row.maxBytes);
        EXPECT_EQ(read.problem, row.problem);
        EXPECT_EQ(read.bytes, read.ok() ? QByteArray("0123456789") : QByteArray());
        if (row.problem == Problem::LinkLoop) {
            EXPECT_EQ(read.reason, qt_error_string(ELOOP));
        }
    }
}

} // namespace
