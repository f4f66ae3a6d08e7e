#include "print/pictureacceptance.h"

#include "platform/messages.h"
#include "platform/picture.h"
#include "platform/usererror.h"
#include "tests/support/recordingpagesurface.h"
#include "tests/support/samples.h"
#include "tests/support/fixedpicture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString wrongType = QStringLiteral("Select a .gif, .bmp, .wmf OR .jpg file.\nTry again . . .");

// A folder holding a real picture under each of the names a test tries.
class AcceptPictureTest : public testing::Test
{
protected:
    void SetUp() override
    {
        LUNARIA_REQUIRE_SAMPLES();
        ASSERT_TRUE(m_dir.isValid());
    }
    QString copySample(const QString &sample, const QString &name)
    {
        const QString path = m_dir.filePath(name);
        QFile::remove(path);
        EXPECT_TRUE(QFile::copy(samplePath(QStringLiteral("pictures/") + sample), path));
        return path;
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

    for (const char *broken : {"broken/TRUNCATED-pillow-hopper.half.jpg", "broken/MADE-empty.wmf"}) {
        SCOPED_TRACE(broken);
        const QString name = QFileInfo(QLatin1String(broken)).fileName();
        state.strSelectedFile = copySample(QLatin1String(broken), name);
        AcceptPicture(state, m_messages);
        EXPECT_TRUE(state.binFileOK);
        EXPECT_TRUE(state.binSelPic);
        EXPECT_EQ(state.picTemp, first);
    }
    state.strSelectedFile = m_dir.filePath(QStringLiteral("missing.gif"));
    AcceptPicture(state, m_messages);
    EXPECT_EQ(state.picTemp, first);
    EXPECT_TRUE(m_messages.messages().isEmpty());
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

struct PlacementCase
{
    const char *name;
    QSize natural;
    int PicSize;
    qint16 leftM;
    qint16 topM;
    std::vector<double> expected; // x, y, width, height
};

const PlacementCase placementCases[] = {
    {"wide_in_header_frame", {200, 100}, 0, 7700, 200, {7700, 975, 3900, 1950}},
    {"tall_in_header_frame", {100, 200}, 0, 7700, 200, {8775, 200, 1750, 3500}},
    {"wide_across_the_top", {4000, 2000}, 1, 300, 200, {2880, 200, 6000, 3000}},
    {"exact_aspect_header_frame", {390, 350}, 0, 7700, 200, {7700, 200, 3900, 3500}},
    {"exact_aspect_top_frame", {11160, 3000}, 1, 300, 200, {300, 200, 11160, 3000}},
    {"any_nonzero_picsize_is_the_top_frame", {4000, 2000}, -3, 300, 200, {2880, 200, 6000, 3000}},
    // (3900 - 3899.5...) / 2: the centring rounds half to even.
    {"centre_rounds_half_to_even", {3895, 3500}, 0, 0, 0, {2, 0, 3895, 3500}},
    {"centre_rounds_half_to_even_up", {3893, 3500}, 0, 0, 0, {4, 0, 3893, 3500}},
};

class PlaceGraphicTest : public testing::TestWithParam<PlacementCase>
{
};

TEST_P(PlaceGraphicTest, FitsAndCentresWithoutDistortion)
{
    const PlacementCase &c = GetParam();
    CalendarState state;
    state.picTemp = std::make_shared<FixedPicture>(c.natural);
    state.binSelPic = true;
    RecordingPageSurface surface;
    PlaceGraphic(state, surface, c.leftM, c.topM, c.PicSize);
    const auto ops = surface.ops(QStringLiteral("picture"));
    ASSERT_EQ(ops.size(), 1u);
    ASSERT_EQ(ops[0].args.size(), 4u);
    for (size_t i = 0; i < 4; ++i)
        EXPECT_NEAR(ops[0].args[i], c.expected[i], 1e-9) << "argument " << i;
}

INSTANTIATE_TEST_SUITE_P(Frames, PlaceGraphicTest, testing::ValuesIn(placementCases),
                         [](const testing::TestParamInfo<PlacementCase> &info) { return std::string(info.param.name); });

TEST(PlaceGraphic, NoPictureOrNoAreaDrawsNothing)
{
    RecordingPageSurface surface;
    CalendarState state;
    PlaceGraphic(state, surface, 7700, 200, 0);
    state.picTemp = std::make_shared<FixedPicture>(QSize(0, 100));
    PlaceGraphic(state, surface, 7700, 200, 0);
    EXPECT_TRUE(surface.ops().empty());
}

TEST(PlaceGraphic, CornerOutsideSixteenBitsIsAFailure)
{
    RecordingPageSurface surface;
    CalendarState state;
    state.picTemp = std::make_shared<FixedPicture>(QSize(100, 200));
    // 32700 + (3900 - 1750) / 2 leaves the 16-bit range.
    EXPECT_THROW(PlaceGraphic(state, surface, 32700, 200, 0), UserError);
    EXPECT_TRUE(surface.ops().empty());
}

} // namespace
