#include "devices/paper.h"

#include <gtest/gtest.h>

namespace {

TEST(NearestPageSize, TakesTheSameSizeOrTheClosestOne)
{
    const QPageSize a3(QPageSize::A3), a4(QPageSize::A4), a5(QPageSize::A5), letter(QPageSize::Letter),
        legal(QPageSize::Legal), tabloid(QPageSize::Tabloid);
    // Listed under another name or id, the same sheet is still the same.
    const QPageSize customA4(QSizeF(210, 297), QPageSize::Millimeter, QStringLiteral("Custom A4"));
    EXPECT_TRUE(nearestPageSize(a4, {letter, customA4}).isEquivalentTo(a4));
    // An office printer without A3 gets Tabloid (11 x 17 in), the nearest to 297 x 420 mm.
    EXPECT_EQ(nearestPageSize(a3, {a4, letter, legal, tabloid}).id(), QPageSize::Tabloid);
    // An American printer with Letter and Legal only, asked for A4: Letter is 17 + 50 pt off,
    // Legal 17 + 166.
    EXPECT_EQ(nearestPageSize(a4, {legal, letter}).id(), QPageSize::Letter);
    // A5 listed on its side still counts as A5.
    const QPageSize a5Landscape(QSizeF(210, 148), QPageSize::Millimeter, QStringLiteral("A5 sideways"));
    EXPECT_EQ(nearestPageSize(a5, {a4, a5Landscape}).name(), QStringLiteral("A5 sideways"));
    // Nothing known of the printer's sizes: ask for the one wanted.
    EXPECT_EQ(nearestPageSize(a5, {}).id(), QPageSize::A5);
}

TEST(ColourSupportOf, ReadsTheQueuesColourModes)
{
    EXPECT_EQ(colourSupportOf({QPrinter::GrayScale, QPrinter::Color}), ColourSupport::Colour);
    EXPECT_EQ(colourSupportOf({QPrinter::Color}), ColourSupport::Colour);
    EXPECT_EQ(colourSupportOf({QPrinter::GrayScale}), ColourSupport::BlackAndWhite);
    EXPECT_EQ(colourSupportOf({}), ColourSupport::Unknown);
}

} // namespace
