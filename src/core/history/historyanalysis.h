// SPDX-License-Identifier: MIT
#pragma once
#include <atomic>
#include <optional>
#include <string>
#include <vector>

#include "core/game/gamerecord.h"
#include "core/game/savedgame.h"
#include "core/game/solver.h"
#include "core/history/historygame.h"

// A recorded game played again through the game's own round flow, fed the
// recorded faces: it reproduces the score only if every decision was
// possible where it was recorded.
struct Replay {
    bool exact = false;
    std::string problem; // why not, when not
    bool finished = false;
    int32_t score = 0;
    DiceTally rolls{};
    DiceTally busts{};
};
[[nodiscard]] Replay replayGame(const HistoryGame& game);

// The game a saved game has played so far, rebuilt from its play (none
// read: no decision yet) by playing it again: empty unless it leads
// exactly to the saved position, so a resumed game is never recorded wrong.
[[nodiscard]] std::optional<HistoryGame> rebuildGame(const SavedGame& saved);
// The play a saved game carries for the history's game so far.
[[nodiscard]] SavedPlay savedPlayOf(const HistoryGame& game);

[[nodiscard]] std::vector<RecordedMove> recordedMoves(const HistoryGame& game);
// The coach's verdict on a finished game (exact solver values); only for a
// game whose replay is exact, whose every state the rules can reach.
[[nodiscard]] HistorySkill judgeGame(const Solver& solver, const HistoryGame& game);
// Fills what a stored game carries besides its decisions: rolls and busts
// (and the score of an abandoned game) from a replay, and the skill of a
// finished game when a solver is at hand.
void completeGame(HistoryGame& game, const Solver* solver);

// The chance of each final score (index: score / 50) of a game played by
// the solver's policy from the start. Exact up to the solver's cap on
// committed points. Seconds of work: empty when stop turns true meanwhile.
[[nodiscard]] std::vector<double> perfectPlayDistribution(const Solver& solver,
                                                          const std::atomic<bool>* stop = nullptr);

// The history in a few figures: games by kind, and the means over the
// finished games the coach judged.
struct HistorySummary {
    int games = 0;
    int finished = 0;
    int abandoned = 0;
    int coached = 0; // finished games in which a hint was shown
    int judged = 0;  // finished games with a verdict; the means are over these
    double meanScore = 0;
    double meanGivenAway = 0;
    double meanLuck = 0;
};
[[nodiscard]] HistorySummary summarizeHistory(const std::vector<HistoryGame>& games);

// What the statistics charts show, from finished games, oldest first.
struct HistoryCharts {
    static constexpr int kAverageOf = 10;
    static constexpr int32_t kBinWidth = 500;

    std::vector<int32_t> scores;
    std::vector<double> scoreAverage; // moving average of up to kAverageOf games
    std::vector<double> givenAway;    // games the coach judged
    std::vector<double> luck;
    std::vector<double> luckMean;     // running mean
    // Score bins [i * kBinWidth, (i + 1) * kBinWidth): the player's games,
    // and how many of that many games perfect play would expect there.
    std::vector<int> scoreBins;
    std::vector<double> perfectBins;
    DiceTally rolls{};
    DiceTally busts{};
    std::array<double, kDice + 1> bustOdds{}; // exact chance by dice thrown
};
// perfect is perfectPlayDistribution's result (empty: no perfect bins).
[[nodiscard]] HistoryCharts chartHistory(const std::vector<HistoryGame>& games, const Solver& solver,
                                         const std::vector<double>& perfect);
