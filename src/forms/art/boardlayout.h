// SPDX-License-Identifier: MIT
#pragma once
#include <array>
#include <cstddef>

#include "core/game/gamestate.h"

// A control's place (left, top in pixels inside the panel that holds it)
// and size. Plain numbers, so the windows and the painted pictures read one
// set; the round flow never sees them, it speaks of rounds and die places.
struct Spot {
    int left;
    int top;
};

struct Extent {
    int width;
    int height;
};

struct Box {
    int left;
    int top;
    int width;
    int height;

    [[nodiscard]] constexpr Spot spot() const { return {left, top}; }
    [[nodiscard]] constexpr Extent extent() const { return {width, height}; }
};

// Where everything on the board stands. Places are inside the inner board
// panel unless a comment says otherwise.
namespace boardlayout {

// The outer board panel, at the top left of the window's client area, and
// the inner one inside it that carries the game's controls.
inline constexpr Box kBoard{0, 0, 766, 472};
inline constexpr Box kInnerBoard{15, 33, 737, 424};
// The client area keeps this much room right of and below the board.
inline constexpr int kClientMargin = 5;
// The greeting, inside the outer board.
inline constexpr Spot kGreeting{14, 14};

inline constexpr Box kScoreCard{24, 5, 201, 362};
inline constexpr Box kTotal{69, 317, 113, 27};

// The round slots, over the card's rows (round 1 first).
inline constexpr int kSlotLeft = 44;
inline constexpr Extent kSlotSize{154, 21};
inline constexpr std::array<int, kRounds> kSlotTops{54, 80, 106, 132, 158, 185, 211, 237, 263, 289};
[[nodiscard]] constexpr Box slot(int round)
{
    return {kSlotLeft, kSlotTops[static_cast<std::size_t>(round - 1)], kSlotSize.width, kSlotSize.height};
}

// The highlight bar over the current round's row.
inline constexpr int kTurnMarkerLeft = 63;
inline constexpr Extent kTurnMarkerSize{157, 23};
[[nodiscard]] constexpr int turnMarkerTop(int round) { return round * 26 + 27; }

// The dice. Each die (1 to 6) owns a column: the rolling row and, above it,
// the set-aside slot with its hatched square.
inline constexpr Extent kDieSize{69, 70};
[[nodiscard]] constexpr int columnLeft(int die) { return 160 + 79 * die; }
inline constexpr int kRowTop = 138;
inline constexpr int kSetAsideTop = 66;
inline constexpr int kHatchTop = 67;
inline constexpr Extent kHatchSize{67, 68};
// A hatched square stands one pixel right of its column's dice.
[[nodiscard]] constexpr Box hatch(int die) { return {columnLeft(die) + 1, kHatchTop, kHatchSize.width, kHatchSize.height}; }
// Where the dice gather at the start of a round, and where they stand
// before the first game.
inline constexpr std::array<Spot, kDice> kPile{{{390, 146}, {366, 210}, {446, 147}, {350, 186}, {414, 195}, {462, 210}}};
inline constexpr std::array<Spot, kDice> kFirstPlaces{
    {{239, 138}, {317, 138}, {396, 139}, {474, 138}, {553, 139}, {631, 138}}};

// Picture buttons; all but the roll button share one size.
inline constexpr Extent kButtonSize{138, 33};
inline constexpr Box kRollButton{368, 288, 165, 33};
inline constexpr Spot kStartButton{576, 368};

// The three round-end badges share one place; the banked amount lies on
// the last of them.
inline constexpr Box kBadge{374, 214, 150, 67};
inline constexpr Box kBankedAmount{412, 248, 77, 21};

inline constexpr Box kLogo{25, 369, 198, 52};

// The panels laid over the board.
inline constexpr Box kClearedPanel{307, 17, 329, 233};
inline constexpr Box kNamePanel{307, 40, 329, 161};
inline constexpr Box kUpdatePanel{308, 40, 329, 161};

} // namespace boardlayout
