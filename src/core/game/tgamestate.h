// SPDX-License-Identifier: MIT
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

// Die status letters: one character each, as the whole game spells them.
namespace status {
inline constexpr char kInPlay = 'u';   // rolled, lying in the rolling row
inline constexpr char kSelected = 's'; // picked from the current roll
inline constexpr char kPreviewed = 'g'; // selected and used by a preview evaluation
inline constexpr char kSetAside = 'p'; // counted and committed for this round
inline constexpr char kFrozen = 'f';   // not rolled yet, or the round is over
} // namespace status

// Evaluation modes of the scoring rules.
namespace mode {
inline constexpr char kCheck = 'c';   // does the roll hold anything that scores?
inline constexpr char kPreview = 'g'; // what is the selection worth?
inline constexpr char kUpdate = 'u';  // commit the selection before rolling again
inline constexpr char kFinal = 'f';   // what does the selection bank for?
} // namespace mode

struct Tdie {
    int32_t value = 0; // face 1 to 6; 0 until the round's first roll
    char status = status::kFrozen;
};

inline constexpr int kDice = 6;
inline constexpr int kRounds = 10;
inline constexpr int kOnBoard = 350;
inline constexpr int kPauseMs = 2000;

// The one game state of the program. Dice are numbered 1 to 6 as on the
// board; die(i) hides the array's zero base.
struct Tgamestate {
    std::array<Tdie, kDice> dice{};
    int32_t roundtotal = 0;
    int32_t roundnum = 0;
    bool firstroll = false;
    bool canplay = false;
    bool onboard = false;
    int32_t gametotal = 0;

    Tdie& die(int i) { return dice[static_cast<std::size_t>(i - 1)]; }
    [[nodiscard]] const Tdie& die(int i) const { return dice[static_cast<std::size_t>(i - 1)]; }
};
