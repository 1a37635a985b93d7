// SPDX-License-Identifier: MIT
#pragma once
#include <cstdint>
#include <vector>

// A colour as red, green and blue, free of any window library so that the
// controls, the windows and the painted pictures (and the tools that draw
// them) share one value. The rules never need a colour.
struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;

    friend constexpr bool operator==(Rgb, Rgb) = default;
};

// The game's own colours. Every window, panel, text and picture that shows
// one of them takes it from here, whatever the desktop's theme says.
namespace colours {

inline constexpr Rgb kOlive{0x66, 0x73, 0x2B};        // the board and every window's background
inline constexpr Rgb kKhaki{0xCE, 0xCD, 0x9F};        // the total, the fields, the select buttons
inline constexpr Rgb kHatch{0x81, 0x80, 0x41};        // the set-aside slots' cross hatch
inline constexpr Rgb kHelpButtonText{0x4A, 0x54, 0x2C}; // the help window's page buttons
inline constexpr Rgb kInvitation{0xFF, 0xFF, 0xC6};   // the multiplayer window's invitation
inline constexpr Rgb kHighScoreFrame{0x40, 0x24, 0xAE}; // around the high-score list
inline constexpr Rgb kHintOutline{0xFF, 0xE6, 0x00};  // around the dice the coach would keep

// The Statistics window's charts, drawn on white: every line and bar stands
// out from it at 3:1 or better.
inline constexpr Rgb kChartAxis{0x6E, 0x6E, 0x6E};
inline constexpr Rgb kChartGames{0x8A, 0x8A, 0x8A};
inline constexpr Rgb kChartTrend{0x00, 0x5A, 0xAA};
inline constexpr Rgb kChartReference{0xB4, 0x50, 0x00};

inline constexpr Rgb kBlack{0x00, 0x00, 0x00};
inline constexpr Rgb kWhite{0xFF, 0xFF, 0xFF};

// The two ways the game can look. Olive is the game's own; High Contrast
// keeps every place and size and paints only black, white and a yellow
// accent, so every text reads at 7:1 or better.
enum class Look { Olive, HighContrast };

// What a look paints beyond the olive colours above.
struct LookColours {
    Rgb lightText;   // plain text on a dark ground
    Rgb accentText;  // titles and invitations on a dark ground (khaki, pale yellow in the olive look)
    Rgb darkText;    // text on a light ground
    Rgb hatch;       // the set-aside slots' cross hatch
    Rgb lightMark;   // the focus ring on a dark ground
    Rgb darkMark;    // the focus ring on a light ground
};

inline constexpr LookColours kOliveLook{kWhite, kKhaki, kBlack, kHatch, kWhite, kBlack};
inline constexpr LookColours kHighContrastLook{kWhite, {0xFF, 0xFF, 0x00}, kBlack, {0xA0, 0xA0, 0xA0},
                                               {0xFF, 0xFF, 0x00}, kBlack};

[[nodiscard]] const LookColours& coloursOf(Look look);

// The look every control paints in. Process-wide; set on the GUI thread.
[[nodiscard]] Look activeLook();
void setActiveLook(Look look);

// WCAG relative luminance (0 black to 1 white) and the contrast ratio of two
// colours (1 to 21), the measures the looks are held to.
[[nodiscard]] double luminance(Rgb colour);
[[nodiscard]] double contrast(Rgb first, Rgb second);
[[nodiscard]] double contrast(double firstLuminance, double secondLuminance);

// Above this luminance a designed colour counts as a light one; it splits
// the olive look's grounds (olive 0.15, the hatch 0.20) from its fields
// (khaki 0.59, cream, the gold marker).
inline constexpr double kLightFrom = 0.3;

// Whether the look counts a colour as light (khaki, cream, gold) rather than
// dark (olive, the hatch).
[[nodiscard]] bool isLight(Rgb colour);

// A colour the windows were built with, as the active look paints it as a
// ground, a frame or a figure: unchanged in the olive look; black or white
// (the hatch grey, the invitation yellow) in High Contrast.
[[nodiscard]] Rgb shown(Rgb designed);

// Text designed as `designed` on the (already shown) `ground`. The olive
// look keeps the designed colour; High Contrast gives the look's text
// colour for that ground, the accent where the olive look sets text apart by a
// pale warm colour.
[[nodiscard]] Rgb textOn(Rgb ground, Rgb designed);

// The focus ring's colour on a plain ground: of the look's two ring
// colours, the one that stands out more.
[[nodiscard]] Rgb markOn(Rgb ground);
// The same over a picture, given the luminance of each pixel the ring
// covers: the colour that reaches 3:1 on more of them, a frame line or a
// corner of the picture being outvoted by the ground around it.
[[nodiscard]] Rgb markOver(const std::vector<double>& groundLuminances);

} // namespace colours
