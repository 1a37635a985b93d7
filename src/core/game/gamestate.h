// SPDX-License-Identifier: MIT
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

// Where a die stands in the round, as far as the rules are concerned.
enum class DieStatus {
    InPlay,    // rolled, lying in the rolling row
    Selected,  // picked from the current roll
    Previewed, // selected and used by a preview evaluation
    SetAside,  // counted and committed for this round
    Frozen,    // not rolled yet, or the round is over
};

// What an evaluation of the rules is for; it decides which dice count and
// how the categories that score mark the dice they used.
enum class ScoreMode {
    Check,   // does the roll hold anything that scores?
    Preview, // what is the selection worth?
    Commit,  // commit the selection before rolling again
    Bank,    // what does the selection bank for?
};

struct Die {
    int32_t value = 0; // face 1 to 6; 0 until the round's first roll
    DieStatus status = DieStatus::Frozen;
};

inline constexpr int kDice = 6;
inline constexpr int kRounds = 10;
inline constexpr int kOnBoard = 350;
inline constexpr int kPauseMs = 2000;

// The one game state of the program. Dice are numbered 1 to 6 as on the
// board; die(i) hides the array's zero base.
struct GameState {
    std::array<Die, kDice> dice{};
    int32_t roundTotal = 0; // points committed in this round so far
    int32_t round = 0;      // 1 to 10 while playing; 11 once the game is over
    bool firstRoll = false;
    bool canPlay = false;
    bool onBoard = false;
    int32_t gameTotal = 0;

    Die& die(int i) { return dice[static_cast<std::size_t>(i - 1)]; }
    [[nodiscard]] const Die& die(int i) const { return dice[static_cast<std::size_t>(i - 1)]; }
};
