// SPDX-License-Identifier: MIT
#pragma once
#include <cstdint>

#include "core/game/gamestate.h"

// The rule book: what the dice of a game state are worth in each evaluation
// mode. Categories that score mark the dice they used (see the mode table in
// scoring.cpp) so that no die counts twice within one evaluation.
int32_t straightPoints(GameState& state, ScoreMode evalMode);
int32_t threePairsPoints(GameState& state, ScoreMode evalMode);
int32_t ofAKindPoints(GameState& state, ScoreMode evalMode, int n);
int32_t onesAndFivesPoints(GameState& state, ScoreMode evalMode);

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
int32_t pointsInRoll(GameState& state);  // only zero or non-zero matters
int32_t previewPoints(GameState& state); // what the selection shows
int32_t commitPoints(GameState& state);  // commit before rolling again
int32_t bankPoints(GameState& state);    // value when banking
