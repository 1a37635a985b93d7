// SPDX-License-Identifier: MIT
#pragma once
#include <QColor>
#include <cstdint>

#include "widgets/colours.h"

class QPalette;

// A colour as stored in layouts and properties: red in the low byte, green in
// the next, blue in the third. A value with the top bit set names a system
// colour by its index in the low byte; it follows the widget's palette.
using StoredColor = std::uint32_t;

constexpr StoredColor kSystemColorFlag = 0x80000000u;

constexpr StoredColor rgbColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return StoredColor{red} | (StoredColor{green} << 8) | (StoredColor{blue} << 16);
}

// The game's own colours in both forms the windows use.
constexpr StoredColor rgbColor(Rgb color)
{
    return rgbColor(color.red, color.green, color.blue);
}

inline QColor qcolor(Rgb color)
{
    return {color.red, color.green, color.blue};
}

// The colour part of a Qt colour (alpha is dropped).
inline Rgb rgbOf(const QColor& color)
{
    return {static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
            static_cast<std::uint8_t>(color.blue())};
}

constexpr bool isSystemColor(StoredColor color)
{
    return (color & kSystemColorFlag) != 0;
}

constexpr StoredColor clBlack = rgbColor(0x00, 0x00, 0x00);
constexpr StoredColor clGray = rgbColor(0x80, 0x80, 0x80);
constexpr StoredColor clWhite = rgbColor(0xFF, 0xFF, 0xFF);

constexpr StoredColor clScrollBar = kSystemColorFlag | 0;
constexpr StoredColor clBackground = kSystemColorFlag | 1;
constexpr StoredColor clActiveCaption = kSystemColorFlag | 2;
constexpr StoredColor clInactiveCaption = kSystemColorFlag | 3;
constexpr StoredColor clMenu = kSystemColorFlag | 4;
constexpr StoredColor clWindow = kSystemColorFlag | 5;
constexpr StoredColor clWindowFrame = kSystemColorFlag | 6;
constexpr StoredColor clMenuText = kSystemColorFlag | 7;
constexpr StoredColor clWindowText = kSystemColorFlag | 8;
constexpr StoredColor clCaptionText = kSystemColorFlag | 9;
constexpr StoredColor clActiveBorder = kSystemColorFlag | 10;
constexpr StoredColor clInactiveBorder = kSystemColorFlag | 11;
constexpr StoredColor clAppWorkSpace = kSystemColorFlag | 12;
constexpr StoredColor clHighlight = kSystemColorFlag | 13;
constexpr StoredColor clHighlightText = kSystemColorFlag | 14;
constexpr StoredColor clBtnFace = kSystemColorFlag | 15;
constexpr StoredColor clBtnShadow = kSystemColorFlag | 16;
constexpr StoredColor clGrayText = kSystemColorFlag | 17;
constexpr StoredColor clBtnText = kSystemColorFlag | 18;
constexpr StoredColor clInactiveCaptionText = kSystemColorFlag | 19;
constexpr StoredColor clBtnHighlight = kSystemColorFlag | 20;
constexpr StoredColor cl3DDkShadow = kSystemColorFlag | 21;
constexpr StoredColor cl3DLight = kSystemColorFlag | 22;
constexpr StoredColor clInfoText = kSystemColorFlag | 23;
constexpr StoredColor clInfoBk = kSystemColorFlag | 24;

// The one conversion to a drawable colour. System colours are looked up in
// the palette's active group (gray text in its disabled group); an unknown
// system index gives black.
[[nodiscard]] QColor toQColor(StoredColor color, const QPalette& palette);

// A stored colour as the active look paints it as a ground or a frame (see
// colours::shown); palettes keep the designed colour, painting asks here.
[[nodiscard]] QColor toShownColor(StoredColor color, const QPalette& palette);

// The stored form of an opaque colour (alpha is dropped).
[[nodiscard]] StoredColor fromQColor(const QColor& color);
