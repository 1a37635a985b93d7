// SPDX-License-Identifier: MIT
#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "core/game/gamestate.h"

// Dice by face: index 1 to 6 holds how many dice show that face; [0] unused.
using FaceCounts = std::array<int, 7>;

// Where a player stands in a game, as far as the value of the rest of it goes.
struct Situation {
    int32_t committed = 0;  // points committed this round by rolling again
    bool onBoard = false;   // a round has been banked in this game
    int roundsLeft = kRounds; // this round included, 1 to kRounds
};

// One thing a player can do after a roll: set aside the dice that score
// (kept) and bank, or roll the rest.
struct Choice {
    FaceCounts kept{};     // the dice that score and are set aside
    FaceCounts selected{}; // a selection that does it (may hold dice that return to the roll)
    bool bank = false;
    int diceToRoll = 0;    // the next roll's dice; 0 when banking
    int32_t points = 0;    // what the kept dice add to the round
    double value = 0;      // expected points from this round to the game's end, committed included
};

// The policy that maximises the expected final score of a game, found by
// dynamic programming over the round (dice to roll, points committed): one
// table for any round on the board, one for each round before the first
// bank. Every roll and selection is scored by the game's own rules in
// scoring.h. From the cap on, committed points are valued as if the player
// banks after the next roll, which is what optimal play does that high
// (the six-dice threshold lies well below the default cap).
class Solver {
public:
    static constexpr int32_t kStep = 50; // every score is a multiple of it
    static constexpr int32_t kDefaultCap = 30000;

    explicit Solver(int32_t committedCap = kDefaultCap);

    // Expected final score of a whole game under optimal play.
    [[nodiscard]] double expectedGame() const { return offboardValue(kRounds); }
    // Expected score of one round played optimally once on the board.
    [[nodiscard]] double roundValue() const { return m_roundValue; }
    // Expected points of the rounds after the current one.
    [[nodiscard]] double laterRounds(const Situation& s) const;

    // Value of rolling `dice` dice now and playing on optimally.
    [[nodiscard]] double rollValue(const Situation& s, int dice) const;
    // Every distinct choice after `roll` (the faces of the dice just rolled),
    // best first; ties go to banking. Empty when the roll scores nothing.
    [[nodiscard]] std::vector<Choice> choices(const Situation& s, const FaceCounts& roll) const;
    // Before a round's first roll: rolling six dice and, once on the board,
    // banking nothing; best first.
    [[nodiscard]] std::vector<Choice> openingChoices(const Situation& s) const;

    // The smallest committed total, the selection just kept included, at
    // which banking beats rolling `dice` dice; 0 when none below the cap.
    [[nodiscard]] int32_t threshold(int dice, bool onboard, int roundsLeft = kRounds) const;
    // Chance that a roll of `dice` dice scores nothing.
    [[nodiscard]] double bustChance(int dice) const;

    [[nodiscard]] int32_t cap() const { return m_cap; }

private:
    // What the rules allow after one distinct roll, reduced to what matters
    // for value: the best bank and, per number of dice left, the best roll.
    struct Outcome {
        double probability = 0;
        bool scores = false;
        int32_t bestBank = 0;
        std::array<int32_t, kDice + 1> bestRoll{}; // by dice left to roll; 0 = no such choice
    };
    // One round's policy: values of rolling n dice with k steps committed.
    struct RoundTable {
        bool onBoard = true;
        double bust = 0; // value of a round lost, against a bank of 0
        std::vector<double> values; // [(n - 1) * m_steps + k]
    };

    void enumerateRolls();
    void solveRound(RoundTable& table) const;
    [[nodiscard]] double tableValue(const RoundTable& t, int dice, int32_t committed) const;
    [[nodiscard]] double bestAfter(const RoundTable& t, const Outcome& o, int32_t committed) const;
    [[nodiscard]] const RoundTable& table(const Situation& s) const;
    [[nodiscard]] double offboardValue(int roundsLeft) const;

    int32_t m_cap;
    int m_steps;
    std::array<std::vector<Outcome>, kDice + 1> m_outcomes; // merged, by dice rolled
    std::array<double, kDice + 1> m_bust{};
    std::array<double, kDice + 1> m_bankNext{}; // sum of p * best bank over scoring rolls
    RoundTable m_onboard;
    std::array<RoundTable, kRounds + 1> m_offboard; // by rounds left
    std::array<double, kRounds + 1> m_offboardStart{};
    double m_roundValue = 0;
};

// Scores one selection from a roll by the game's rules: the points committed
// by rolling on, what banking it is worth, and the dice it sets aside.
struct SelectionScore {
    int32_t rollPoints = 0;
    int32_t bankPoints = 0;
    FaceCounts kept{};
};
[[nodiscard]] SelectionScore scoreSelection(const FaceCounts& roll, const FaceCounts& selected);
// Whether a roll holds anything that scores.
[[nodiscard]] bool rollScores(const FaceCounts& roll);
[[nodiscard]] int diceIn(const FaceCounts& counts);
