#include "pictures/pictureacceptance.h"
#include "pictures/pictureloader.h"

#include "tests/support/recordingmessages.h"
#include "render/picture.h"
#include "platform/usererror.h"
#include "tests/support/recordingpagesurface.h"
#include "tests/support/samples.h"
#include "tests/support/testfiles.h"
#include "tests/support/fixedpicture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

const QString wrongType = QStringLiteral("Select a .gif, .bmp, .wmf OR .jpg file.\nTry again . . .");

// A folder holding a real picture under each of the names a test tries.
class AcceptPictureTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    // The sample's bytes under `name`, or its first `bytes` bytes when given.
    QString copySample(const QString &sample, const QString &name, qsizetype bytes = -1)
    {
        const QByteArray content = readTestFile(samplePath(QStringLiteral("pictures/") + sample));
        return writeTestFile(m_dir.path(), name, bytes < 0 ? content : content.left(bytes));
    }
    QTemporaryDir m_dir;
    RecordingMessageService m_messages;
};

TEST_F(AcceptPictureTest, NameIsCheckedByItsLastThreeCharactersCaseSensitively)
{
    const struct
    {
        const char *name;
        bool accepted;
    } cases[] = {
        {"hopper.jpg", true},
        {"hopper.JPG", false},
        {"hopper.Jpg", false},
        {"hopper.jpeg", false},
        {"hopper.jpg ", false},
        {"hopper.gif", true},
        {"hopper.bmp", true},
        {"hopper.wmf", true},
        {"hopper.png", false},
        {"hopperjpg", true}, // only the last three characters count
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        CalendarState state;
        state.strSelectedFile = copySample(QStringLiteral("jpg/pillow-hopper.jpg"), QLatin1String(c.name));
        m_messages.clear();
        AcceptPicture(state, m_messages);
        EXPECT_EQ(state.binFileOK, c.accepted);
        EXPECT_EQ(state.binSelPic, c.accepted);
        EXPECT_EQ(bool(state.picTemp), c.accepted);
        if (c.accepted) {
            EXPECT_TRUE(m_messages.messages().isEmpty());
        } else {
            ASSERT_EQ(m_messages.messages().size(), 1);
            EXPECT_EQ(m_messages.messages().first().text, wrongType);
            EXPECT_EQ(m_messages.messages().first().title, applicationTitle());
        }
    }
}

TEST_F(AcceptPictureTest, ShortNameDoesNothing)
{
    for (const QString &name : {QString(), QStringLiteral("x")}) {
        CalendarState state;
        state.strSelectedFile = name;
        AcceptPicture(state, m_messages);
        EXPECT_FALSE(state.binSelPic);
        EXPECT_FALSE(state.picTemp);
    }
    EXPECT_TRUE(m_messages.messages().isEmpty());
}

TEST_F(AcceptPictureTest, UnreadableFileKeepsTheOldPictureQuietly)
{
    CalendarState state;
    state.strSelectedFile = copySample(QStringLiteral("wmf/pillow-drawing.wmf"), QStringLiteral("first.wmf"));
    AcceptPicture(state, m_messages);
    ASSERT_TRUE(state.binSelPic);
    const std::shared_ptr<const Picture> first = state.picTemp;

    const QString fifo = m_dir.filePath(QStringLiteral("pipe.jpg"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QStringList unreadable = {copySample(QStringLiteral("jpg/pillow-hopper.jpg"), QStringLiteral("half.jpg"), 3206),
                                    copySample(QStringLiteral("wmf/pillow-drawing.wmf"), QStringLiteral("empty.wmf"), 0),
                                    m_dir.filePath(QStringLiteral("missing.gif")), fifo};
    for (const QString &path : unreadable) {
        SCOPED_TRACE(path.toStdString());
        state.strSelectedFile = path;
        const PictureReport report = AcceptPicture(state, m_messages);
        EXPECT_TRUE(state.binFileOK) << "the name is accepted";
        EXPECT_TRUE(state.binSelPic);
        EXPECT_EQ(state.picTemp, first);
        // The loader's own reason is what the caller is told.
        QString error;
        EXPECT_EQ(loadPicture(path, &error), nullptr);
        EXPECT_EQ(report.problem, std::optional<QString>(error));
    }
    EXPECT_TRUE(m_messages.messages().isEmpty());

    // A picture drawn despite damage brings the decoder's warnings with it.
    state.strSelectedFile = copySample(QStringLiteral("broken/pillow-junk_jpeg_header.jpg"), QStringLiteral("junk.jpg"));
    QStringList warnings;
    ASSERT_NE(loadPicture(state.strSelectedFile, nullptr, &warnings), nullptr);
    const PictureReport report = AcceptPicture(state, m_messages);
    EXPECT_FALSE(report.problem);
    EXPECT_NE(state.picTemp, first);
    ASSERT_FALSE(warnings.isEmpty());
    EXPECT_EQ(report.warnings, warnings);
}

TEST_F(AcceptPictureTest, RefusedNameKeepsPictureAndFlag)
{
    CalendarState state;
    state.strSelectedFile = copySample(QStringLiteral("gif/pillow-hopper.gif"), QStringLiteral("a.gif"));
    AcceptPicture(state, m_messages);
    const std::shared_ptr<const Picture> first = state.picTemp;
    state.strSelectedFile = copySample(QStringLiteral("gif/pillow-hopper.gif"), QStringLiteral("a.GIF"));
    AcceptPicture(state, m_messages);
    EXPECT_FALSE(state.binFileOK);
    EXPECT_TRUE(state.binSelPic);
    EXPECT_EQ(state.picTemp, first);
    EXPECT_EQ(m_messages.texts(), QStringList{wrongType});
}

} // namespace
