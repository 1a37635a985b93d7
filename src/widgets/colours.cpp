// SPDX-License-Identifier: MIT
#include "widgets/colours.h"

#include <algorithm>
#include <cmath>

namespace colours {
namespace {

Look g_look = Look::Olive;

double linear(std::uint8_t channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// Pale and warm: khaki, cream and yellow, the colours the olive look sets
// titles and invitations apart with.
bool isWarmAndPale(Rgb c) { return isLight(c) && c.blue + 24 < std::min(c.red, c.green); }

} // namespace

bool isLight(Rgb colour) { return luminance(colour) >= kLightFrom; }

const LookColours& coloursOf(Look look)
{
    return look == Look::HighContrast ? kHighContrastLook : kOliveLook;
}

Look activeLook() { return g_look; }
void setActiveLook(Look look) { g_look = look; }

double luminance(Rgb colour)
{
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) + 0.0722 * linear(colour.blue);
}

double contrast(double first, double second)
{
    const auto [dark, light] = std::minmax(first, second);
    return (light + 0.05) / (dark + 0.05);
}

double contrast(Rgb first, Rgb second) { return contrast(luminance(first), luminance(second)); }

Rgb shown(Rgb designed)
{
    if (g_look == Look::Olive)
        return designed;
    const LookColours& look = coloursOf(g_look);
    if (designed == kHatch)
        return look.hatch;
    if (designed == kInvitation)
        return look.accentText;
    return isLight(designed) ? kWhite : kBlack;
}

Rgb textOn(Rgb ground, Rgb designed)
{
    if (g_look == Look::Olive)
        return designed;
    const LookColours& look = coloursOf(g_look);
    if (contrast(ground, look.darkText) >= contrast(ground, look.lightText))
        return look.darkText;
    return isWarmAndPale(designed) ? look.accentText : look.lightText;
}

Rgb markOn(Rgb ground)
{
    const LookColours& look = coloursOf(g_look);
    return contrast(look.darkMark, ground) >= contrast(look.lightMark, ground) ? look.darkMark : look.lightMark;
}

Rgb markOver(const std::vector<double>& groundLuminances)
{
    constexpr double kEnough = 3.0;
    const LookColours& look = coloursOf(g_look);
    const double dark = luminance(look.darkMark);
    const double light = luminance(look.lightMark);
    double darkScore = 0;
    double lightScore = 0;
    for (const double l : groundLuminances) {
        darkScore += contrast(dark, l) >= kEnough ? 1 : 0;
        lightScore += contrast(light, l) >= kEnough ? 1 : 0;
    }
    if (darkScore != lightScore)
        return darkScore > lightScore ? look.darkMark : look.lightMark;
    double sum = 0;
    for (const double l : groundLuminances)
        sum += l;
    const double mean = groundLuminances.empty() ? 0 : sum / static_cast<double>(groundLuminances.size());
    return contrast(dark, mean) >= contrast(light, mean) ? look.darkMark : look.lightMark;
}

} // namespace colours
