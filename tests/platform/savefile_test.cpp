#include "platform/savefile.h"
#include "tests/support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The file type as the system reports it, following no links.
mode_t typeOf(const QString &path)
{
    struct stat info;
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? (info.st_mode & S_IFMT) : 0;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

TEST(SaveFile, WhatIsNotARegularFileIsRefusedAndLeftAsItWas)
{
    QTemporaryDir dir;
    const auto at = [&](const char *name) { return dir.filePath(QLatin1String(name)); };
    ASSERT_TRUE(QDir().mkdir(at("folder")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(at("fifo")).constData(), 0600), 0);
    QFile::link(QStringLiteral("/dev/null"), at("to_device"));
    QFile::link(at("fifo"), at("to_fifo"));
    QFile::link(at("to_fifo"), at("to_link_to_fifo"));
    QFile::link(at("loop_b"), at("loop_a"));
    QFile::link(at("loop_a"), at("loop_b"));

    struct Row
    {
        const char *name;
        QString path;
        QString reached;   // where the path leads, left as it was
        const char *reason;
    };
    const Row rows[] = {
        {"folder", at("folder"), at("folder"), "is a folder, not a regular file"},
        {"fifo", at("fifo"), at("fifo"), "is a FIFO (named pipe), not a regular file"},
        {"device", QStringLiteral("/dev/null"), QStringLiteral("/dev/null"), "/dev/null is a device, not a regular file"},
        {"link_to_device", at("to_device"), QStringLiteral("/dev/null"), "/dev/null is a device, not a regular file"},
        {"chain_to_fifo", at("to_link_to_fifo"), at("fifo"), "is a FIFO (named pipe), not a regular file"},
        {"links_in_a_circle", at("loop_a"), at("loop_a"), "too many symbolic links"},
    };
    const QStringList entries = QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const mode_t reached = typeOf(row.reached);
        const mode_t path = typeOf(row.path);
        SaveFile file(row.path);
        const std::optional<QString> problem = file.open();
        ASSERT_TRUE(problem.has_value());
        EXPECT_TRUE(problem->contains(QLatin1String(row.reason))) << problem->toStdString();
        // Every later step repeats the refusal and writes nothing.
        EXPECT_EQ(file.write("page"), problem);
        EXPECT_EQ(file.commit(), problem);
        EXPECT_EQ(typeOf(row.reached), reached);
        EXPECT_EQ(typeOf(row.path), path);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot), entries);
    EXPECT_EQ(typeOf(QStringLiteral("/dev/null")), mode_t(S_IFCHR));
}

TEST(SaveFile, ALinkToARegularFileIsWrittenThroughAndStaysALink)
{
    struct Row
    {
        const char *name;
        const char *links[2];   // "link" -> links[0], and links[0] -> links[1] when given
        bool targetExists;
    };
    const Row rows[] = {
        {"relative_link", {"data/target.txt", nullptr}, true},
        {"chain_of_two", {"middle", "data/target.txt"}, true},
        {"dangling_link_makes_its_target", {"data/target.txt", nullptr}, false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("data")));
        const QString target = dir.filePath(QStringLiteral("data/target.txt"));
        if (row.targetExists)
            writeTestFile(dir.path(), QStringLiteral("data/target.txt"), "old contents\n");
        const QString link = dir.filePath(QStringLiteral("link"));
        ASSERT_EQ(::symlink(row.links[0], QFile::encodeName(link).constData()), 0);
        if (row.links[1]) {
            ASSERT_EQ(::symlink(row.links[1], QFile::encodeName(dir.filePath(QLatin1String(row.links[0]))).constData()), 0);
        }

        EXPECT_EQ(writeFileAtomically(link, "new contents\n"), std::nullopt);
        EXPECT_EQ(typeOf(link), mode_t(S_IFLNK));
        EXPECT_EQ(contents(target), QByteArray("new contents\n"));
        EXPECT_EQ(QDir(dir.filePath(QStringLiteral("data"))).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("target.txt")});
    }
}

} // namespace
