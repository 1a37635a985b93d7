// SPDX-License-Identifier: MIT
#include "core/game/solver.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <map>
#include <stdexcept>
#include <string>
#include <tuple>

#include "core/game/facecountwalk.h"
#include "core/game/scoring.h"

namespace {

using facecountwalk::arrangements;
using facecountwalk::at;
using facecountwalk::eachCounts;
using facecountwalk::eachSubset;

// The game state right after a roll: the rolled dice in play (the selected
// ones selected) and the rest of the six set aside by earlier rolls.
GameState rolledState(const FaceCounts& roll, const FaceCounts& selected)
{
    GameState state;
    int next = 0;
    for (int face = 1; face <= 6; ++face) {
        for (int i = 0; i < roll[at(face)]; ++i) {
            const DieStatus st = i < selected[at(face)] ? DieStatus::Selected : DieStatus::InPlay;
            state.dice[at(next++)] = Die{face, st};
        }
    }
    for (; next < kDice; ++next)
        state.dice[at(next)] = Die{0, DieStatus::SetAside};
    return state;
}



// A roll that sets every rolled die aside frees all six for the next roll.
int diceLeft(int rolled, int kept) { return rolled == kept ? kDice : rolled - kept; }

constexpr double kNever = -std::numeric_limits<double>::infinity();

} // namespace

int diceIn(const FaceCounts& counts)
{
    int n = 0;
    for (int face = 1; face <= 6; ++face)
        n += counts[at(face)];
    return n;
}

SelectionScore scoreSelection(const FaceCounts& roll, const FaceCounts& selected)
{
    SelectionScore score;
    GameState committed = rolledState(roll, selected);
    GameState banked = committed;
    score.rollPoints = commitPoints(committed);
    score.bankPoints = bankPoints(banked);
    // The dice the commit set aside are the selected ones now marked so; the
    // selected dice it left alone go back into the roll.
    const GameState before = rolledState(roll, selected);
    for (std::size_t i = 0; i < before.dice.size(); ++i)
        if (before.dice[i].status == DieStatus::Selected && committed.dice[i].status == DieStatus::SetAside)
            ++score.kept[at(before.dice[i].value)];
    return score;
}

bool rollScores(const FaceCounts& roll)
{
    GameState state = rolledState(roll, FaceCounts{});
    return pointsInRoll(state) != 0;
}

Solver::Solver(int32_t committedCap)
    : m_cap(committedCap), m_steps(committedCap / kStep)
{
    if (committedCap < kOnBoard || committedCap % kStep != 0)
        throw std::invalid_argument("committed cap must be a multiple of 50 from 350 up");
    enumerateRolls();

    m_onboard.onBoard = true;
    m_onboard.bust = 0;
    solveRound(m_onboard);
    m_roundValue = tableValue(m_onboard, kDice, 0);

    // Before the first bank a lost round leaves the player off the board for
    // one round less; a bank puts the rest of the game on the board.
    double later = 0; // expected points of the rounds after this one, off the board
    for (int left = 1; left <= kRounds; ++left) {
        RoundTable& t = m_offboard[at(left)];
        const double onboardLater = (left - 1) * m_roundValue;
        t.onBoard = false;
        t.bust = later - onboardLater;
        solveRound(t);
        m_offboardStart[at(left)] = onboardLater + tableValue(t, kDice, 0);
        later = m_offboardStart[at(left)];
    }
}

void Solver::enumerateRolls()
{
    for (int n = 1; n <= kDice; ++n) {
        std::map<std::tuple<bool, int32_t, std::array<int32_t, kDice + 1>>, double> merged;
        const double outcomes = [n] {
            double all = 1;
            for (int i = 0; i < n; ++i)
                all *= 6;
            return all;
        }();
        FaceCounts roll{};
        eachCounts(roll, 1, n, [&](const FaceCounts& r) {
            Outcome o;
            o.scores = rollScores(r);
            if (o.scores) {
                FaceCounts sub{};
                eachSubset(r, sub, 1, [&](const FaceCounts& selected) {
                    const SelectionScore s = scoreSelection(r, selected);
                    o.bestBank = std::max(o.bestBank, s.bankPoints);
                    if (s.rollPoints > 0) {
                        int32_t& best = o.bestRoll[at(diceLeft(n, diceIn(s.kept)))];
                        best = std::max(best, s.rollPoints);
                    }
                });
            }
            merged[{o.scores, o.bestBank, o.bestRoll}] += arrangements(n, r) / outcomes;
        });
        auto& list = m_outcomes[at(n)];
        list.clear();
        m_bankNext[at(n)] = 0;
        for (const auto& [key, p] : merged) {
            Outcome o;
            std::tie(o.scores, o.bestBank, o.bestRoll) = key;
            o.probability = p;
            if (!o.scores) {
                m_bust[at(n)] = p;
                continue;
            }
            m_bankNext[at(n)] += p * o.bestBank;
            list.push_back(o);
        }
    }
}

double Solver::bestAfter(const RoundTable& t, const Outcome& o, int32_t committed) const
{
    double best = kNever;
    if (t.onBoard || committed + o.bestBank >= kOnBoard)
        best = committed + o.bestBank;
    for (int left = 1; left <= kDice; ++left) {
        if (o.bestRoll[at(left)] == 0)
            continue;
        const double roll = tableValue(t, left, committed + o.bestRoll[at(left)]);
        if (roll > best) // strictly: a tie banks
            best = roll;
    }
    return best;
}

void Solver::solveRound(RoundTable& t) const
{
    t.values.assign(at(kDice * m_steps), 0.0);
    for (int k = m_steps - 1; k >= 0; --k) {
        const int32_t committed = k * kStep;
        for (int n = 1; n <= kDice; ++n) {
            double v = m_bust[at(n)] * t.bust;
            for (const Outcome& o : m_outcomes[at(n)])
                v += o.probability * bestAfter(t, o, committed);
            t.values[at((n - 1) * m_steps + k)] = v;
        }
    }
}

double Solver::tableValue(const RoundTable& t, int dice, int32_t committed) const
{
    const int k = committed / kStep;
    if (k < m_steps)
        return t.values[at((dice - 1) * m_steps + k)];
    // Past the cap the plan is to bank after the next roll.
    return (1 - m_bust[at(dice)]) * committed + m_bankNext[at(dice)] + m_bust[at(dice)] * t.bust;
}

const Solver::RoundTable& Solver::table(const Situation& s) const
{
    if (s.roundsLeft < 1 || s.roundsLeft > kRounds)
        throw std::invalid_argument("rounds left must be from 1 to " + std::to_string(kRounds));
    if (s.committed < 0 || s.committed % kStep != 0)
        throw std::invalid_argument("committed points must be a multiple of 50, not negative");
    return s.onBoard ? m_onboard : m_offboard[at(s.roundsLeft)];
}

double Solver::offboardValue(int roundsLeft) const { return m_offboardStart[at(roundsLeft)]; }

double Solver::laterRounds(const Situation& s) const { return (s.roundsLeft - 1) * m_roundValue; }

double Solver::rollValue(const Situation& s, int dice) const
{
    if (dice < 1 || dice > kDice)
        throw std::invalid_argument("dice to roll must be from 1 to 6");
    return tableValue(table(s), dice, s.committed) + laterRounds(s);
}

double Solver::bustChance(int dice) const { return m_bust.at(at(dice)); }

namespace {

void sortBestFirst(std::vector<Choice>& list)
{
    std::stable_sort(list.begin(), list.end(), [](const Choice& a, const Choice& b) {
        if (a.value != b.value)
            return a.value > b.value;
        return a.bank && !b.bank;
    });
}

} // namespace

std::vector<Choice> Solver::choices(const Situation& s, const FaceCounts& roll) const
{
    const RoundTable& t = table(s);
    const int n = diceIn(roll);
    if (n < 1 || n > kDice || roll[0] != 0)
        throw std::invalid_argument("a roll is 1 to 6 dice showing 1 to 6");
    std::vector<Choice> list;
    if (!rollScores(roll))
        return list;
    const double later = laterRounds(s);
    auto add = [&](const Choice& c) {
        for (Choice& seen : list) {
            if (seen.bank == c.bank && seen.kept == c.kept) {
                if (diceIn(c.selected) < diceIn(seen.selected))
                    seen.selected = c.selected;
                return;
            }
        }
        list.push_back(c);
    };
    FaceCounts sub{};
    eachSubset(roll, sub, 1, [&](const FaceCounts& selected) {
        const SelectionScore score = scoreSelection(roll, selected);
        Choice c;
        c.kept = score.kept;
        c.selected = selected;
        if (s.onBoard || s.committed + score.bankPoints >= kOnBoard) {
            c.bank = true;
            c.points = score.bankPoints;
            c.value = s.committed + score.bankPoints + later;
            add(c);
        }
        if (score.rollPoints > 0) {
            c.bank = false;
            c.points = score.rollPoints;
            c.diceToRoll = diceLeft(n, diceIn(score.kept));
            c.value = tableValue(t, c.diceToRoll, s.committed + score.rollPoints) + later;
            add(c);
        }
    });
    sortBestFirst(list);
    return list;
}

std::vector<Choice> Solver::openingChoices(const Situation& s) const
{
    const RoundTable& t = table(s);
    std::vector<Choice> list;
    Choice roll;
    roll.diceToRoll = kDice;
    roll.value = tableValue(t, kDice, s.committed) + laterRounds(s);
    list.push_back(roll);
    if (s.onBoard || s.committed >= kOnBoard) {
        Choice bank;
        bank.bank = true;
        bank.value = s.committed + laterRounds(s);
        list.push_back(bank);
    }
    sortBestFirst(list);
    return list;
}

int32_t Solver::threshold(int dice, bool onboard, int roundsLeft) const
{
    const RoundTable& t = table(Situation{0, onboard, roundsLeft});
    for (int k = 1; k < m_steps; ++k) {
        const int32_t committed = k * kStep;
        if (!onboard && committed < kOnBoard)
            continue;
        if (committed >= tableValue(t, dice, committed))
            return committed;
    }
    return 0;
}
