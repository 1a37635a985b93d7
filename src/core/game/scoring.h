// SPDX-License-Identifier: MIT
#pragma once
#include <cstdint>

#include "core/game/tgamestate.h"

// The rule book: what the dice of a game state are worth in each evaluation
// mode. Categories that score mark the dice they used (see the mode table in
// scoring.cpp) so that no die counts twice within one evaluation.
int32_t checkforstraight(Tgamestate& state, char evalMode);
int32_t checkforpairs(Tgamestate& state, char evalMode);
int32_t checkforkind(Tgamestate& state, char evalMode, int n);
int32_t checkfor15(Tgamestate& state, char evalMode);

// What each category is worth.
namespace points {
inline constexpr int32_t kStraight = 1500;   // 1-2-3-4-5-6
inline constexpr int32_t kThreePairs = 750;
// n of a kind is worth (n - 2) steps: of 1000 for ones, of 100 times the
// face for the others.
inline constexpr int32_t kOnesKindStep = 1000;
inline constexpr int32_t kFaceKindStep = 100;
inline constexpr int32_t kSingleOne = 100;
inline constexpr int32_t kSingleFive = 50;
} // namespace points

// Combined evaluations, one per mode.
int32_t checkscore(Tgamestate& state);   // "c": only zero or non-zero matters
int32_t gettempscore(Tgamestate& state); // "g": preview of the selection
int32_t updatescore(Tgamestate& state);  // "u": commit before rolling again
int32_t finalscore(Tgamestate& state);   // "f": value when banking
