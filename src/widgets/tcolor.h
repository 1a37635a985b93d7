// SPDX-License-Identifier: MIT
#pragma once
#include <QColor>
#include <cstdint>

#include "widgets/colours.h"

class QPalette;

// A colour as stored in layouts and properties: red in the low byte, green in
// the next, blue in the third. A value with the top bit set names a system
// colour by its index in the low byte; it follows the widget's palette.
using TColor = std::uint32_t;

constexpr TColor kSystemColorFlag = 0x80000000u;

constexpr TColor rgbColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return TColor{red} | (TColor{green} << 8) | (TColor{blue} << 16);
}

// The game's own colours in both forms the windows use.
constexpr TColor rgbColor(Rgb color)
{
    return rgbColor(color.red, color.green, color.blue);
}

inline QColor qcolor(Rgb color)
{
    return {color.red, color.green, color.blue};
}

constexpr bool isSystemColor(TColor color)
{
    return (color & kSystemColorFlag) != 0;
}

constexpr TColor clBlack = rgbColor(0x00, 0x00, 0x00);
constexpr TColor clGray = rgbColor(0x80, 0x80, 0x80);
constexpr TColor clWhite = rgbColor(0xFF, 0xFF, 0xFF);

constexpr TColor clScrollBar = kSystemColorFlag | 0;
constexpr TColor clBackground = kSystemColorFlag | 1;
constexpr TColor clActiveCaption = kSystemColorFlag | 2;
constexpr TColor clInactiveCaption = kSystemColorFlag | 3;
constexpr TColor clMenu = kSystemColorFlag | 4;
constexpr TColor clWindow = kSystemColorFlag | 5;
constexpr TColor clWindowFrame = kSystemColorFlag | 6;
constexpr TColor clMenuText = kSystemColorFlag | 7;
constexpr TColor clWindowText = kSystemColorFlag | 8;
constexpr TColor clCaptionText = kSystemColorFlag | 9;
constexpr TColor clActiveBorder = kSystemColorFlag | 10;
constexpr TColor clInactiveBorder = kSystemColorFlag | 11;
constexpr TColor clAppWorkSpace = kSystemColorFlag | 12;
constexpr TColor clHighlight = kSystemColorFlag | 13;
constexpr TColor clHighlightText = kSystemColorFlag | 14;
constexpr TColor clBtnFace = kSystemColorFlag | 15;
constexpr TColor clBtnShadow = kSystemColorFlag | 16;
constexpr TColor clGrayText = kSystemColorFlag | 17;
constexpr TColor clBtnText = kSystemColorFlag | 18;
constexpr TColor clInactiveCaptionText = kSystemColorFlag | 19;
constexpr TColor clBtnHighlight = kSystemColorFlag | 20;
constexpr TColor cl3DDkShadow = kSystemColorFlag | 21;
constexpr TColor cl3DLight = kSystemColorFlag | 22;
constexpr TColor clInfoText = kSystemColorFlag | 23;
constexpr TColor clInfoBk = kSystemColorFlag | 24;

// The one conversion to a drawable colour. System colours are looked up in
// the palette's active group (gray text in its disabled group); an unknown
// system index gives black.
[[nodiscard]] QColor toQColor(TColor color, const QPalette& palette);

// The stored form of an opaque colour (alpha is dropped).
[[nodiscard]] TColor fromQColor(const QColor& color);
