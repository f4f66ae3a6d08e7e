#include "page/markcolour.h"

#include "platform/usererror.h"

#include <QCoreApplication>

#include <cmath>

namespace {

// A mark outside the legend, in the user's language.
struct MarkColourWords
{
    Q_DECLARE_TR_FUNCTIONS(MarkColour)
};

// Tints of five colours of Okabe and Ito's colour-universal-design palette (M. Okabe and
// K. Ito, "Color Universal Design (CUD): How to make figures and presentations that are
// friendly to colorblind people", 2008; the palette B. Wong's "Color blindness", Nature
// Methods 8:441, 2011, made widely known): yellow, sky blue, bluish green, vermillion and
// blue, each mixed with white in sRGB to CIE L* 92.5, 82, 71.5, 61 and 50.5. The even steps of
// lightness keep the five apart in a greyscale print (at least 10 apart in L*); the hues
// keep them at least 17 apart in CIE76 Delta E under protanopia, deuteranopia and tritanopia
// as Machado, Oliveira and Fernandes (2009) simulate them at severity 1.0; the darkest still
// gives black numbers a contrast of 4.8:1. tests/page/markcolour_test.cpp checks all of it.
constexpr std::array<QRgb, 5> SafeTints = {
    0xfff5ee85,  // yellow, L* 92.5
    0xff9dd4f2,  // sky blue, L* 82
    0xff5bc1a5,  // bluish green, L* 71.5
    0xffdc7a2c,  // vermillion, L* 61
    0xff177fb9,  // blue, L* 50.5
};

// One hatching per category, each told apart from the others by its direction.
constexpr std::array<FillPattern, 5> Hatchings = {
    FillPattern::Horizontal, FillPattern::ForwardDiagonal, FillPattern::Vertical,
    FillPattern::BackwardDiagonal, FillPattern::CrossDiagonal,
};

void checkCategory(int category)
{
    if (category < 0 || category >= MarkCategories)
        throw UserError(MarkColourWords::tr("Mark category %1 is outside 0 to 4").arg(category));
}

} // namespace

QRgb markColour(const CalendarState &state, int category)
{
    checkCategory(category);
    if (state.page.palette != Palette::Classic)
        return SafeTints[size_t(category)];
    const auto &rgb = state.MarkColors[size_t(category)];
    return qRgb(qBound(0, int(rgb[0]), 255), qBound(0, int(rgb[1]), 255), qBound(0, int(rgb[2]), 255));
}

FillPattern markPattern(const CalendarState &state, int category)
{
    checkCategory(category);
    return state.page.palette == Palette::Patterns ? Hatchings[size_t(category)] : FillPattern::Solid;
}

namespace {

// WCAG 2 relative luminance of an sRGB colour.
double luminance(QRgb colour)
{
    const auto linear = [](int component) {
        const double c = component / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) + 0.0722 * linear(qBlue(colour));
}

} // namespace

double contrastRatio(QRgb a, QRgb b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool blackNumberOnMark(const CalendarState &state, int category)
{
    const QRgb box = markColour(state, category);
    if (state.page.palette != Palette::Classic)
        return true;
    // White on pale green or peach all but vanishes; black on them reads well.
    return contrastRatio(box, qRgb(0, 0, 0)) > contrastRatio(box, qRgb(255, 255, 255));
}
