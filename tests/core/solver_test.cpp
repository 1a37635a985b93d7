// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <tuple>

#include "core/game/game.h"
#include "core/game/solver.h"
#include "core/game/nullboard.h"

namespace {

const Solver& solver()
{
    static const Solver s;
    return s;
}

FaceCounts counts(std::initializer_list<int> faces)
{
    FaceCounts c{};
    for (int f : faces)
        ++c[static_cast<std::size_t>(f)];
    return c;
}

// Counts the refusals a policy ran into; the rest of the board does not matter here.
class RefusalCounter final : public NullBoard {
public:
    void showMessage(const std::string&) override { ++messages; }
    int messages = 0;
};

// Plays whole games through the real round flow, clicking what the policy
// picks, so a policy built on a wrong picture of the rules shows up as a
// mean that misses the value the solver claims for it.
class PolicyPlayer {
public:
    explicit PolicyPlayer(uint32_t seed) : m_faces(seed), m_game(m_board, m_tally, m_faces) {}

    int32_t playGame()
    {
        m_game.start();
        while (m_game.state().round <= kRounds) {
            while (m_game.state().canPlay)
                move();
            m_game.pauseElapsed();
        }
        EXPECT_EQ(m_board.messages, 0) << "the policy tried to roll with nothing selected";
        return m_game.state().gameTotal;
    }

private:
    void move()
    {
        const GameState& st = m_game.state();
        if (st.firstRoll) {
            m_game.roll();
            return;
        }
        FaceCounts roll{};
        for (const Die& d : st.dice)
            if (d.status == DieStatus::InPlay)
                ++roll[static_cast<std::size_t>(d.value)];
        const Situation s{st.roundTotal, st.onBoard, st.onBoard ? 1 : kRounds + 1 - st.round};
        const Choice& c = best(s, roll);
        FaceCounts wanted = c.selected;
        for (int i = 1; i <= kDice; ++i) {
            int& left = wanted[static_cast<std::size_t>(st.die(i).value)];
            if (st.die(i).status == DieStatus::InPlay && left > 0) {
                --left;
                m_game.toggleDie(i);
            }
        }
        if (c.bank)
            m_game.bank();
        else
            m_game.roll();
    }

    // The policy does not change between on-board rounds, so one cache
    // entry per committed total and roll serves them all.
    const Choice& best(const Situation& s, const FaceCounts& roll)
    {
        const auto key = std::make_tuple(s.onBoard, s.roundsLeft, s.committed, roll);
        auto it = m_cache.find(key);
        if (it == m_cache.end())
            it = m_cache.emplace(key, solver().choices(s, roll).front()).first;
        return it->second;
    }

    RefusalCounter m_board;
    NullTally m_tally;
    DiceGenerator m_faces;
    Game m_game;
    static inline std::map<std::tuple<bool, int, int32_t, FaceCounts>, Choice> m_cache;
};

TEST(Solver, SimulatedGamesAverageTheExpectedScore)
{
    constexpr int kGames = 100000;
    PolicyPlayer player(20261207);
    double sum = 0;
    double squares = 0;
    for (int g = 0; g < kGames; ++g) {
        const double score = player.playGame();
        sum += score;
        squares += score * score;
    }
    const double mean = sum / kGames;
    const double standardError = std::sqrt((squares / kGames - mean * mean) / kGames);
    EXPECT_NEAR(mean, solver().expectedGame(), 3 * standardError)
        << "mean " << mean << ", standard error " << standardError;
}

TEST(Solver, ValuesNeverDropAsCommittedPointsRise)
{
    for (int left = 0; left <= kRounds; ++left) {
        const bool onboard = left == 0;
        for (int dice = 1; dice <= kDice; ++dice) {
            double previous = -1e9;
            for (int32_t t = 0; t <= solver().cap() + 1000; t += Solver::kStep) {
                const double v = solver().rollValue(Situation{t, onboard, onboard ? 1 : left}, dice);
                ASSERT_GE(v, previous) << dice << " dice, committed " << t << ", rounds left " << left;
                previous = v;
            }
        }
    }
}

TEST(Solver, TheCapOnCommittedPointsChangesNothing)
{
    const Solver wide(2 * Solver::kDefaultCap);
    EXPECT_DOUBLE_EQ(wide.expectedGame(), solver().expectedGame());
    for (int dice = 1; dice <= kDice; ++dice) {
        EXPECT_EQ(wide.threshold(dice, true), solver().threshold(dice, true)) << dice;
        EXPECT_EQ(wide.threshold(dice, false), solver().threshold(dice, false)) << dice;
        for (int32_t t = 0; t < solver().cap() + 2000; t += Solver::kStep)
            for (int left = 1; left <= kRounds; ++left) {
                const Situation s{t, false, left};
                ASSERT_NEAR(wide.rollValue(s, dice), solver().rollValue(s, dice), 1e-9) << dice << " dice at " << t;
            }
    }
}

TEST(Solver, HandCheckedDecisions)
{
    const struct {
        const char* what;
        Situation s;
        FaceCounts roll;
        bool bank;
        int diceToRoll;
        FaceCounts kept;
    } cases[] = {
        {"one die left with a large total banks", {2000, true, 5}, counts({2, 5}), true, 0, counts({5})},
        {"a 1 with two dice left and 300 banks", {300, true, 5}, counts({1, 2, 3}), true, 0, counts({1})},
        {"six ones roll all six again", {0, true, 5}, counts({1, 1, 1, 1, 1, 1}), false, 6, counts({1, 1, 1, 1, 1, 1})},
        {"a straight off the board rolls on", {0, false, 10}, counts({1, 2, 3, 4, 5, 6}), false, 6,
         counts({1, 2, 3, 4, 5, 6})},
        {"the last die scoring frees all six", {300, false, 10}, counts({5}), false, 6, counts({5})},
        {"a lone five off the board must roll five", {0, false, 10}, counts({2, 3, 4, 5, 6, 6}), false, 5,
         counts({5})},
        {"three pairs beat the ones and fives in them", {0, true, 3}, counts({1, 1, 5, 5, 3, 3}), false, 6,
         counts({1, 1, 3, 3, 5, 5})},
    };
    for (const auto& c : cases) {
        const auto list = solver().choices(c.s, c.roll);
        ASSERT_FALSE(list.empty()) << c.what;
        EXPECT_EQ(list.front().bank, c.bank) << c.what;
        EXPECT_EQ(list.front().diceToRoll, c.diceToRoll) << c.what;
        EXPECT_EQ(list.front().kept, c.kept) << c.what;
    }
}

TEST(Solver, ChoicesFollowTheRulesOfTheRoll)
{
    // Off the board below 350 no bank is offered.
    for (const Choice& c : solver().choices({0, false, 10}, counts({1, 2, 3, 4, 6, 6})))
        EXPECT_FALSE(c.bank);
    // A 2 selected with the 1 scores nothing and goes back into the roll.
    const auto list = solver().choices({0, true, 10}, counts({1, 2, 3, 4, 6, 6}));
    for (const Choice& c : list)
        EXPECT_TRUE(c.bank || c.diceToRoll == 5) << c.diceToRoll;
    EXPECT_TRUE(solver().choices({0, true, 10}, counts({2, 3, 4, 6, 6, 2})).empty());
    // Banking with nothing kept is a choice on the board, never the best.
    EXPECT_TRUE(list.back().bank);
    EXPECT_EQ(list.back().points, 0);
}

} // namespace
