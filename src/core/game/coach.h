// SPDX-License-Identifier: MIT
#pragma once
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/game/gamerecord.h"
#include "core/game/solver.h"

// Values here are expected final scores of the game: what is banked so far
// plus what the choice is worth from this round on.

// What perfect play would do from a game state, and what it is worth.
struct Hint {
    bool opening = false; // before the round's first roll: roll or bank
    Choice best;
    std::optional<Choice> runnerUp;
    int rollDice = 0;       // dice the best choice that rolls would throw; 0 when none
    double bustChance = 0;  // chance that such a roll scores nothing
    std::array<bool, kDice> setAside{}; // by die (0 = die 1): the dice the best choice keeps
};
// Empty when no round is in play.
[[nodiscard]] std::optional<Hint> hintFor(const Solver& solver, const GameState& state);

// A move beside the best choice in its place.
struct JudgedMove {
    int round = 0;
    int32_t committed = 0;
    bool opening = false;
    FaceCounts roll{}; // the dice the player chose from; none before a round's first roll
    Choice played;
    Choice best;
    double loss = 0; // expected points given away against the best choice
};
[[nodiscard]] std::optional<JudgedMove> judgeMove(const Solver& solver, const RecordedMove& move);

struct GameReview {
    std::vector<JudgedMove> moves;
    std::vector<std::size_t> costliest; // up to three moves that lost points, costliest first
    int32_t score = 0;
    double perfect = 0; // expected final score of a game played perfectly
    double totalLoss = 0;
};
[[nodiscard]] GameReview reviewGame(const Solver& solver, const std::vector<RecordedMove>& moves, int32_t score);

// A choice in words: "Roll 5 dice, keep 1", "Bank, keep 1, 1, 5", "Bank".
[[nodiscard]] std::string choiceText(const Choice& c);
// Dice faces in words, lowest first: "1, 1, 5"; "-" for none.
[[nodiscard]] std::string facesText(const FaceCounts& faces);
