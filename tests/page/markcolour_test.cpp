#include "page/markcolour.h"

#include "platform/usererror.h"

#include <QDate>

#include <gtest/gtest.h>

#include <array>
#include <algorithm>
#include <cmath>
#include <set>

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;
using Vector = std::array<double, 3>;

// Colour-vision deficiency simulation matrices of G. M. Machado, M. M. Oliveira and
// L. A. F. Fernandes, "A Physiologically-based Model for Simulation of Color Vision
// Deficiency", IEEE TVCG 15(6), 2009, severity 1.0, as published on the authors' page;
// they act on linear RGB.
constexpr Matrix Protanopia = {{{0.152286, 1.052583, -0.204868},
                                {0.114503, 0.786281, 0.099216},
                                {-0.003882, -0.048116, 1.051998}}};
constexpr Matrix Deuteranopia = {{{0.367322, 0.860646, -0.227968},
                                  {0.280085, 0.672501, 0.047413},
                                  {-0.011820, 0.042940, 0.968881}}};
constexpr Matrix Tritanopia = {{{1.255528, -0.076749, -0.178779},
                                {-0.078411, 0.930809, 0.147602},
                                {0.004733, 0.691367, 0.303900}}};

// sRGB (IEC 61966-2-1) component 0..255 to linear light 0..1.
double linear(int component)
{
    const double c = component / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

Vector linearRgb(QRgb colour)
{
    return {linear(qRed(colour)), linear(qGreen(colour)), linear(qBlue(colour))};
}

Vector simulate(const Matrix &m, const Vector &rgb)
{
    Vector out{};
    for (size_t i = 0; i < 3; ++i)
        out[i] = std::clamp(m[i][0] * rgb[0] + m[i][1] * rgb[1] + m[i][2] * rgb[2], 0.0, 1.0);
    return out;
}

// CIE 1976 L*a*b* of linear sRGB, D65 white.
Vector lab(const Vector &rgb)
{
    const double x = 0.4124 * rgb[0] + 0.3576 * rgb[1] + 0.1805 * rgb[2];
    const double y = 0.2126 * rgb[0] + 0.7152 * rgb[1] + 0.0722 * rgb[2];
    const double z = 0.0193 * rgb[0] + 0.1192 * rgb[1] + 0.9505 * rgb[2];
    auto f = [](double t) { return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116; };
    const double fx = f(x / 0.95047), fy = f(y), fz = f(z / 1.08883);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

double deltaE76(const Vector &a, const Vector &b)
{
    return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
}

// WCAG 2 contrast ratio of a colour against black.
double contrastWithBlack(QRgb colour)
{
    const Vector rgb = linearRgb(colour);
    const double luminance = 0.2126 * rgb[0] + 0.7152 * rgb[1] + 0.0722 * rgb[2];
    return (luminance + 0.05) / 0.05;
}

CalendarState withPalette(Palette palette)
{
    CalendarState state = loadDefaults(QDate(2026, 6, 1));
    state.page.palette = palette;
    return state;
}

TEST(SafePalette, EveryPairStaysTenApartForEveryKindOfVisionAndInGrey)
{
    const std::pair<const char *, const Matrix *> visions[] = {
        {"protanopia", &Protanopia}, {"deuteranopia", &Deuteranopia}, {"tritanopia", &Tritanopia}, {"greyscale", nullptr}};
    const CalendarState state = withPalette(Palette::Safe);
    for (const auto &[name, matrix] : visions) {
        std::array<Vector, 5> seen{};
        for (size_t c = 0; c < 5; ++c) {
            const Vector rgb = linearRgb(markColour(state, int(c)));
            // Greyscale keeps the lightness alone.
            seen[c] = matrix ? lab(simulate(*matrix, rgb)) : Vector{lab(rgb)[0], 0, 0};
        }
        for (size_t a = 0; a < 5; ++a)
            for (size_t b = a + 1; b < 5; ++b)
                EXPECT_GE(deltaE76(seen[a], seen[b]), 10.0) << name << ": categories " << a << " and " << b;
    }
}

TEST(SafePalette, BlackNumbersKeepAContrastOfFourAndAHalf)
{
    for (const Palette palette : {Palette::Safe, Palette::Patterns})
        for (int c = 0; c < 5; ++c)
            EXPECT_GE(contrastWithBlack(markColour(withPalette(palette), c)), 4.5) << c;
}

// Each day number prints black or white, whichever stands out more from its box, and reads at
// 4.5:1 at least on every colour of the classic set (white on pale green was 1.3:1).
TEST(ClassicPalette, EachNumberTakesTheColourThatStandsOutMore)
{
    const CalendarState classic = withPalette(Palette::Classic);
    const bool expectedBlack[5] = {true, true, true, false, true};  // brown alone keeps white
    for (int c = 0; c < 5; ++c) {
        SCOPED_TRACE(c);
        const double black = contrastWithBlack(markColour(classic, c));
        const double white = 1.05 / (black * 0.05);  // (1 + 0.05) / (L + 0.05)
        const bool chosenBlack = blackNumberOnMark(classic, c);
        EXPECT_EQ(chosenBlack, expectedBlack[c]);
        EXPECT_GE(chosenBlack ? black : white, std::max(black, white));
        EXPECT_GE(chosenBlack ? black : white, 4.5);
        EXPECT_NEAR(contrastRatio(markColour(classic, c), qRgb(0, 0, 0)), black, 1e-9);
    }
}

TEST(MarkColour, ClassicIsMarkColorsAndPatternsHatchEachCategoryItsOwnWay)
{
    const CalendarState classic = withPalette(Palette::Classic);
    const CalendarState patterns = withPalette(Palette::Patterns);
    std::set<FillPattern> hatchings;
    for (int c = 0; c < 5; ++c) {
        const auto &rgb = classic.MarkColors[size_t(c)];
        EXPECT_EQ(markColour(classic, c), qRgb(rgb[0], rgb[1], rgb[2]));
        EXPECT_EQ(markPattern(classic, c), FillPattern::Solid);
        EXPECT_EQ(markPattern(withPalette(Palette::Safe), c), FillPattern::Solid);
        EXPECT_EQ(markColour(patterns, c), markColour(withPalette(Palette::Safe), c));
        hatchings.insert(markPattern(patterns, c));
    }
    EXPECT_EQ(hatchings.size(), 5u);
    EXPECT_FALSE(hatchings.contains(FillPattern::Solid));
    EXPECT_THROW(markColour(patterns, 5), UserError);
    EXPECT_THROW(markPattern(patterns, -1), UserError);
}

} // namespace
