// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/fakegameseams.h"
#include "core/game/coach.h"
#include "core/game/game.h"

namespace {

const Solver& solver()
{
    static const Solver s;
    return s;
}

struct CoachedGame {
    BoardModel board;
    RecordingTally tally;
    ScriptedFaces faces;
    GameRecord record;
    Game game{board, tally, faces};

    CoachedGame() { game.setObserver(&record); }
    void script(std::initializer_list<int32_t> f) { faces.script.insert(faces.script.end(), f); }
    void scriptNothingScores() { script({2, 3, 4, 6, 6, 2}); }
    void select(std::initializer_list<int> dice)
    {
        for (int d : dice)
            game.toggleDie(d);
    }
};

TEST(hintFor, PointsAtTheDiceToKeepAndWeighsTheRunnerUp)
{
    CoachedGame g;
    g.game.start();
    const auto opening = hintFor(solver(), g.game.state());
    ASSERT_TRUE(opening);
    EXPECT_TRUE(opening->opening);
    EXPECT_FALSE(opening->best.bank);
    EXPECT_FALSE(opening->runnerUp) << "off the board nothing can be banked before a roll";
    EXPECT_DOUBLE_EQ(opening->best.value, solver().expectedGame());

    g.script({5, 1, 2, 1, 3, 4});
    g.game.roll();
    g.select({4}); // the second 1 is already selected: the hint points at it
    const auto hint = hintFor(solver(), g.game.state());
    ASSERT_TRUE(hint);
    EXPECT_FALSE(hint->opening);
    EXPECT_FALSE(hint->best.bank);
    EXPECT_EQ(hint->best.diceToRoll, 5);
    EXPECT_EQ(hint->rollDice, 5);
    EXPECT_DOUBLE_EQ(hint->bustChance, solver().bustChance(5));
    EXPECT_EQ(hint->setAside, (std::array<bool, kDice>{false, false, false, true, false, false}));
    ASSERT_TRUE(hint->runnerUp);
    EXPECT_LT(hint->runnerUp->value, hint->best.value);
}

TEST(hintFor, NothingWhileNoRoundIsInPlay)
{
    CoachedGame g;
    EXPECT_FALSE(hintFor(solver(), g.game.state()));
    g.game.start();
    g.scriptNothingScores();
    g.game.roll(); // lost round: the pause
    EXPECT_FALSE(hintFor(solver(), g.game.state()));
}

TEST(reviewGame, ChargesEachMoveWhatItGaveAway)
{
    CoachedGame g;
    g.game.start();
    // Round 1: keep 1, 1 and 5 and roll three dice, which score nothing.
    g.script({1, 1, 5, 2, 3, 4});
    g.game.roll();
    g.select({1, 2, 3});
    g.script({2, 3, 4});
    g.game.roll();
    g.game.pauseElapsed();
    // Round 2: a straight banked at once, when rolling six again is better.
    g.script({1, 2, 3, 4, 5, 6});
    g.game.roll();
    g.select({1, 2, 3, 4, 5, 6});
    g.game.bank();
    g.game.pauseElapsed();
    for (int round = 3; round <= kRounds; ++round) {
        g.scriptNothingScores();
        g.game.roll();
        g.game.pauseElapsed();
    }
    ASSERT_TRUE(g.record.hasFinishedGame());
    const GameReview r = reviewGame(solver(), g.record.lastGame(), g.record.lastScore());
    EXPECT_EQ(r.score, 1500);
    EXPECT_DOUBLE_EQ(r.perfect, solver().expectedGame());
    ASSERT_EQ(r.moves.size(), 12u); // ten first rolls, one roll again, one bank
    ASSERT_EQ(r.costliest.size(), 2u);

    const JudgedMove& bank = r.moves[r.costliest[0]];
    EXPECT_EQ(bank.round, 2);
    EXPECT_TRUE(bank.played.bank);
    EXPECT_FALSE(bank.best.bank);
    EXPECT_EQ(bank.best.diceToRoll, 6);
    const JudgedMove& roll = r.moves[r.costliest[1]];
    EXPECT_EQ(roll.round, 1);
    EXPECT_EQ(roll.played.diceToRoll, 3);
    EXPECT_EQ(roll.best.diceToRoll, 5);
    EXPECT_NEAR(r.totalLoss, bank.loss + roll.loss, 1e-9) << "first rolls cost nothing";
    EXPECT_GT(roll.loss, 0);
}

} // namespace
