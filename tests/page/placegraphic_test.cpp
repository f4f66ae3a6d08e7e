#include "page/placegraphic.h"

#include "platform/usererror.h"
#include "tests/support/fixedpicture.h"
#include "tests/support/recordingpagesurface.h"

#include <gtest/gtest.h>

namespace {

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
    {"wide_across_the_top", {4000, 2000}, 1, 380, 200, {2880, 200, 6000, 3000}},
    {"exact_aspect_header_frame", {390, 350}, 0, 7700, 200, {7700, 200, 3900, 3500}},
    {"exact_aspect_top_frame", {11000, 3000}, 1, 380, 200, {380, 200, 11000, 3000}},
    // A panorama is as wide as the innermost frame line (380 to 11380), no wider.
    {"panorama_within_the_inner_frame", {22000, 3000}, 1, 380, 200, {380, 950, 11000, 1500}},
    {"any_nonzero_picsize_is_the_top_frame", {4000, 2000}, -3, 380, 200, {2880, 200, 6000, 3000}},
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
