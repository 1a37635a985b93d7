// SPDX-License-Identifier: MIT
#pragma once
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/game/gamestate.h"

// What a round's slot on the score card holds.
inline constexpr int32_t kSlotEmpty = -1; // not reached, or the round being played
inline constexpr int32_t kSlotLost = -2;  // the round ended with no score ("---")

// A game in progress, everything needed to go on with it exactly: the dice
// generator's state makes the next throws the ones the game would have had.
struct SavedGame {
    GameState state;                 // canPlay is false exactly when paused
    std::array<int32_t, kRounds> card{kSlotEmpty, kSlotEmpty, kSlotEmpty, kSlotEmpty, kSlotEmpty,
                                      kSlotEmpty, kSlotEmpty, kSlotEmpty, kSlotEmpty, kSlotEmpty};
    uint32_t faceState = 0;
    bool paused = false;             // the round is over, the next one not begun
};

// A saved game that is damaged, of another version or not ours at all.
class SavedGameError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Points a round can hold before the file is called damaged: far beyond
// any real round, and ten of them still fit in 32 bits.
inline constexpr int32_t kMaxSavedPoints = 100'000'000;
// A saved game is a few hundred bytes; anything much longer is not one.
inline constexpr std::size_t kMaxSavedGameBytes = 1024;

// The small text form of a saved game, one "key value" per line.
[[nodiscard]] std::string writeSavedGame(const SavedGame& game);
// Reads it back, checking every field and how they fit together; throws
// SavedGameError saying what is wrong.
[[nodiscard]] SavedGame readSavedGame(std::string_view text);
