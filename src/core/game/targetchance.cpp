// SPDX-License-Identifier: MIT
#include "core/game/targetchance.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <map>
#include <tuple>

#include "core/game/facecountwalk.h"
#include "core/game/solver.h"

namespace {
constexpr int32_t kStep = Solver::kStep;
constexpr int kOnBoardSteps = kOnBoard / kStep;

using facecountwalk::arrangements;
using facecountwalk::at;
using facecountwalk::eachCounts;
using facecountwalk::eachSubset;

// A roll as far as a player aiming at a total cares: the most it can bank,
// and the most it can commit for each number of dice left to roll. More
// points never hurt such a player, so the best of each kind is enough.
struct Reach {
    bool operator<(const Reach& other) const { return std::tie(bank, roll) < std::tie(other.bank, other.roll); }
    int bank = 0;                    // steps
    std::array<int, kDice + 1> roll{}; // steps by dice left; 0 = no such choice
};

struct RollsOf {
    double bust = 0;
    std::vector<std::pair<Reach, double>> reaches; // merged, with their chance
};



RollsOf rollsOf(int dice)
{
    double all = 1;
    for (int i = 0; i < dice; ++i)
        all *= 6;
    std::map<Reach, double> merged;
    RollsOf result;
    FaceCounts roll{};
    eachCounts(roll, 1, dice, [&](const FaceCounts& r) {
        const double chance = arrangements(dice, r) / all;
        if (!rollScores(r)) {
            result.bust += chance;
            return;
        }
        Reach reach;
        FaceCounts selected{};
        eachSubset(r, selected, 1, [&](const FaceCounts& s) {
            const SelectionScore score = scoreSelection(r, s);
            reach.bank = std::max(reach.bank, score.bankPoints / kStep);
            if (score.rollPoints <= 0)
                return;
            const int kept = diceIn(score.kept);
            const int left = kept == dice ? kDice : dice - kept;
            reach.roll[at(left)] = std::max(reach.roll[at(left)], score.rollPoints / kStep);
        });
        merged[reach] += chance;
    });
    result.reaches.assign(merged.begin(), merged.end());
    return result;
}
} // namespace

std::vector<double> bestChancesToReach(int32_t maxTotal)
{
    const int steps = std::max(0, maxTotal / kStep);
    std::array<RollsOf, kDice + 1> rolls;
    for (int n = 1; n <= kDice; ++n)
        rolls[at(n)] = rollsOf(n);

    // [missing steps] for the rounds after the current one, on and off the board.
    std::vector<double> onLater(at(steps + 1), 0.0);
    std::vector<double> offLater(at(steps + 1), 0.0);
    onLater[0] = offLater[0] = 1.0;
    std::vector<double> onNow(onLater.size());
    std::vector<double> offNow(offLater.size());
    // [n][committed steps]: the chance when about to roll n dice.
    std::array<std::vector<double>, kDice + 1> within;

    for (int round = 1; round <= kRounds; ++round) {
        for (const bool onboard : {true, false}) {
            std::vector<double>& now = onboard ? onNow : offNow;
            const std::vector<double>& bustLater = onboard ? onLater : offLater;
            for (int need = 0; need <= steps; ++need) {
                const double bust = bustLater[at(need)];
                // Committing this much wins on the next bank.
                const int full = std::max(need, onboard ? 0 : kOnBoardSteps);
                auto bankValue = [&](int total) {
                    if (!onboard && total < kOnBoardSteps)
                        return -1.0; // the bank is refused
                    return onLater[at(std::max(0, need - total))];
                };
                for (int n = 1; n <= kDice; ++n) {
                    within[at(n)].assign(at(full + 1), 0.0);
                    within[at(n)][at(full)] = (1.0 - rolls[at(n)].bust) + rolls[at(n)].bust * bust;
                }
                for (int c = full - 1; c >= 0; --c) {
                    for (int n = 1; n <= kDice; ++n) {
                        const RollsOf& r = rolls[at(n)];
                        double value = r.bust * bust;
                        for (const auto& [reach, chance] : r.reaches) {
                            double best = bankValue(c + reach.bank);
                            for (int left = 1; left <= kDice; ++left)
                                if (reach.roll[at(left)] > 0)
                                    best = std::max(best, within[at(left)][at(std::min(full, c + reach.roll[at(left)]))]);
                            value += chance * std::max(best, 0.0); // a scoring roll always leaves a choice
                        }
                        within[at(n)][at(c)] = value;
                    }
                }
                now[at(need)] = need == 0 ? 1.0 : within[kDice][0];
            }
        }
        onLater.swap(onNow);
        offLater.swap(offNow);
    }
    return offLater;
}
