// SPDX-License-Identifier: MIT
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/game/gameobserver.h"
#include "core/game/gamestate.h"

// One decision of a game: the state the player decided on and what they did.
struct HistoryDecision {
    GameState before;
    PlayerMove move = PlayerMove::Roll;
    bool hinted = false; // the coach's hint was on show for this position
};

// What the coach makes of a game: score = expected + luck - givenAway.
struct HistorySkill {
    double expected = 0;  // expected final score of perfect play from the start
    double givenAway = 0; // sum of each decision's loss against the best choice
    double luck = 0;
};

// By dice thrown (index 1 to 6; [0] unused).
using DiceTally = std::array<int, kDice + 1>;

// One game of the history: enough to replay it exactly (every face drawn,
// in order, and every decision) and what the charts need without a replay.
struct HistoryGame {
    int64_t id = 0;       // the store's; 0 until stored
    std::string started;  // UTC, "2026-12-07T20:31:05Z"
    std::string finished; // UTC; the moment it was abandoned for an abandoned game
    std::string name;
    int32_t score = 0;
    int rounds = 0; // rounds reached: 10 for a finished game
    bool abandoned = false;
    int hints = 0; // decisions taken with the hint on show
    std::vector<int> faces;
    std::vector<HistoryDecision> decisions;
    std::optional<HistorySkill> skill; // empty when the coach was not there to judge
    DiceTally rolls{};  // rolls by dice thrown
    DiceTally busts{};  // those that scored nothing
};

// The current UTC time as stored in the history.
[[nodiscard]] std::string historyNow();
