// SPDX-License-Identifier: MIT
#pragma once
#include <cstdint>

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

} // namespace colours
