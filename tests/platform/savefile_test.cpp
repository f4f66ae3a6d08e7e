#include "platform/savefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <functional>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The file type as the system reports it, following no links.
mode_t typeOf(const QString &path)
{
    struct stat info;
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? (info.st_mode & S_IFMT) : 0;
}

void makeSocket(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    ASSERT_LT(size_t(name.size()), sizeof address.sun_path);
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);
    ::close(fd);
}

TEST(SaveFile, WhatIsNotARegularFileIsRefusedAndLeftAsItWas)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto at = [&](const char *name) { return dir.filePath(QLatin1String(name)); };
    ASSERT_TRUE(QDir().mkdir(at("folder")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(at("fifo")).constData(), 0600), 0);
    makeSocket(at("socket"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), at("to_device")));
    ASSERT_TRUE(QFile::link(at("fifo"), at("to_fifo")));
    ASSERT_TRUE(QFile::link(at("to_fifo"), at("to_link_to_fifo")));
    ASSERT_TRUE(QFile::link(at("folder"), at("to_folder")));
    ASSERT_TRUE(QFile::link(at("loop_b"), at("loop_a")));
    ASSERT_TRUE(QFile::link(at("loop_a"), at("loop_b")));

    struct Row
    {
        const char *name;
        QString path;
        QString reached;       // what the path leads to, left untouched
        const char *reason;
    };
    const Row rows[] = {
        {"folder", at("folder"), at("folder"), "is a folder, not a regular file"},
        {"fifo", at("fifo"), at("fifo"), "is a FIFO (named pipe), not a regular file"},
        {"socket", at("socket"), at("socket"), "is a socket, not a regular file"},
        {"device", QStringLiteral("/dev/null"), QStringLiteral("/dev/null"), "/dev/null is a device, not a regular file"},
        {"link_to_device", at("to_device"), QStringLiteral("/dev/null"), "/dev/null is a device, not a regular file"},
        {"chain_to_fifo", at("to_link_to_fifo"), at("fifo"), "is a FIFO (named pipe), not a regular file"},
        {"link_to_folder", at("to_folder"), at("folder"), "is a folder, not a regular file"},
        {"links_in_a_circle", at("loop_a"), at("loop_a"), "too many symbolic links"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const mode_t before = typeOf(row.reached);
        const mode_t linkBefore = typeOf(row.path);
        const QStringList entries = QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        SaveFile file(row.path);
        const std::optional<QString> problem = file.open();
        ASSERT_TRUE(problem.has_value());
        EXPECT_TRUE(problem->contains(QLatin1String(row.reason))) << problem->toStdString();
        // Every later step repeats the refusal and writes nothing.
        EXPECT_EQ(file.write("page"), problem);
        EXPECT_EQ(file.commit(), problem);
        EXPECT_EQ(typeOf(row.reached), before);
        EXPECT_EQ(typeOf(row.path), linkBefore);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot), entries);
    }
    EXPECT_TRUE(QFileInfo(at("folder")).isDir());
    EXPECT_EQ(typeOf(at("fifo")), mode_t(S_IFIFO));
    EXPECT_EQ(typeOf(QStringLiteral("/dev/null")), mode_t(S_IFCHR));
}

TEST(SaveFile, ALinkToARegularFileIsWrittenThroughAndStaysALink)
{
    struct Row
    {
        const char *name;
        std::function<void(const QTemporaryDir &)> make;   // makes "link" leading to "data/target.txt"
        bool targetExists;
    };
    const Row rows[] = {
        {"relative_link", [](const QTemporaryDir &d) { QFile::link(QStringLiteral("data/target.txt"), d.filePath("link")); }, true},
        {"absolute_link", [](const QTemporaryDir &d) { QFile::link(d.filePath("data/target.txt"), d.filePath("link")); }, true},
        {"chain_of_two",
         [](const QTemporaryDir &d) {
             QFile::link(d.filePath("data/target.txt"), d.filePath("middle"));
             QFile::link(QStringLiteral("middle"), d.filePath("link"));
         },
         true},
        {"dangling_link_makes_its_target", [](const QTemporaryDir &d) { QFile::link(d.filePath("data/target.txt"), d.filePath("link")); },
         false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("data")));
        const QString target = dir.filePath(QStringLiteral("data/target.txt"));
        if (row.targetExists) {
            writeBytes(target, "old contents\n");
            ASSERT_TRUE(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        }
        row.make(dir);
        const QString link = dir.filePath(QStringLiteral("link"));
        const QString linkTarget = QFile::symLinkTarget(link);

        EXPECT_EQ(writeFileAtomically(link, "new contents\n"), std::nullopt);
        EXPECT_TRUE(QFileInfo(link).isSymLink());
        EXPECT_EQ(QFile::symLinkTarget(link), linkTarget);
        EXPECT_EQ(contents(target), QByteArray("new contents\n"));
        // The replaced file keeps its permissions (owner, group and others' bits).
        constexpr QFile::Permissions modeBits = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                                QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther |
                                                QFile::ExeOther;
        if (row.targetExists) {
            EXPECT_EQ(QFile::permissions(target) & modeBits, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        }
        EXPECT_EQ(QDir(dir.filePath(QStringLiteral("data"))).entryList(QDir::Files), QStringList{QStringLiteral("target.txt")});
    }
}

TEST(SaveFile, UncommittedOrFailedWritesLeaveTheOldFileAndNoTemporaryFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.txt"));
    writeBytes(path, "old\r\n");
    {
        SaveFile file(path);
        ASSERT_EQ(file.open(), std::nullopt);
        ASSERT_EQ(file.write("half a"), std::nullopt);
    }   // dropped before the commit
    EXPECT_EQ(contents(path), QByteArray("old\r\n"));

    SaveFile missingFolder(dir.filePath(QStringLiteral("no such folder/list.txt")));
    EXPECT_EQ(missingFolder.open(), QStringLiteral("the folder does not exist"));

    SaveFile file(path);
    ASSERT_EQ(file.open(), std::nullopt);
    ASSERT_EQ(file.write("new\r\n"), std::nullopt);
    EXPECT_EQ(contents(path), QByteArray("old\r\n"));   // nothing shows before the commit
    ASSERT_EQ(file.commit(), std::nullopt);
    EXPECT_EQ(contents(path), QByteArray("new\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("list.txt")});
}

} // namespace
