// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/game/game.h"
#include "dieletters.h"
#include "fakegameseams.h"

namespace {

using Lines = std::vector<std::string>;
using Cues = std::vector<std::string>;

struct GameFixture : testing::Test {
    BoardModel board;
    RecordingTally tally;
    ScriptedFaces faces;
    Game game{board, tally, faces};

    void script(std::initializer_list<int32_t> f) { faces.script.insert(faces.script.end(), f); }
    std::string statuses() const { return ::statuses(game.state()); }
    // One letter a die: p in the pile, r in the rolling row, s set aside.
    std::string places() const
    {
        std::string out;
        for (DiePlace p : board.places)
            out += p == DiePlace::Pile ? 'p' : p == DiePlace::Row ? 'r' : 's';
        return out;
    }
    std::vector<int> shownFaces() const { return {board.faces.begin(), board.faces.end()}; }
    // The cues played from here on.
    Cues cuesSince(std::size_t mark) const { return Cues(board.cues.begin() + static_cast<long>(mark), board.cues.end()); }
    // Clicks the dice showing the given faces, one die per face listed.
    void selectFaces(std::vector<int> wanted)
    {
        for (int face : wanted)
            for (int i = 1; i <= kDice; ++i)
                if (game.state().die(i).value == face && game.state().die(i).status == DieStatus::InPlay) {
                    game.toggleDie(i);
                    break;
                }
    }
};

TEST_F(GameFixture, StartingAGameResetsTheBoardAndBeginsRoundOne)
{
    // Whatever an earlier game left showing goes.
    board.shown = {BoardPart::PostingPanel, BoardPart::NamePanel,   BoardPart::GameOverPanel,
                   BoardPart::NoScoreBadge, BoardPart::NotOnBoardBadge, BoardPart::BankedBadge,
                   BoardPart::BankedAmount};
    board.roundTexts.fill("999");
    board.timerRunning = true;
    board.places.fill(DiePlace::SetAside);

    game.start();
    EXPECT_EQ(board.shown, (std::set<BoardPart>{BoardPart::TurnMarker, BoardPart::RollButton}));
    EXPECT_EQ(board.cues, (Cues{"startgame", "turnnew"}));
    EXPECT_EQ(board.greeting, "Good Luck Ann");
    EXPECT_EQ(board.roundTexts[1], "0");
    for (int round = 2; round <= kRounds; ++round)
        EXPECT_EQ(board.roundTexts[static_cast<std::size_t>(round)], "") << round;
    EXPECT_EQ(board.total, "0");
    EXPECT_EQ(board.finalScore, "Your Score:0");
    EXPECT_EQ(board.turnRound, 1);
    EXPECT_EQ(places(), "pppppp");
    EXPECT_FALSE(board.timerRunning);
    EXPECT_EQ(tally.log, Lines{"increment 1"});
    EXPECT_TRUE(game.state().canPlay);
    EXPECT_TRUE(game.state().firstRoll);
    EXPECT_EQ(statuses(), "ffffff");
}

TEST_F(GameFixture, NothingReactsBeforeTheFirstGame)
{
    game.roll();
    game.toggleDie(1);
    game.bank();
    game.bankSlot(0);
    game.pauseElapsed();
    EXPECT_EQ(board.reports, 0);
    EXPECT_TRUE(tally.log.empty());
}

// The round of 1, 3, 3, 3, 4, 6 from first roll to the bank and the next round.
TEST_F(GameFixture, WholeRoundFromFirstRollToBank)
{
    game.start();

    script({1, 3, 3, 3, 4, 6});
    std::size_t mark = board.cues.size();
    game.roll();
    EXPECT_EQ(places(), "rrrrrr");
    EXPECT_EQ(shownFaces(), (std::vector<int>{1, 3, 3, 3, 4, 6}));
    EXPECT_EQ(cuesSince(mark), Cues(6, "dice"));
    EXPECT_EQ(statuses(), "uuuuuu");

    mark = board.cues.size();
    game.toggleDie(1);
    EXPECT_EQ(places(), "srrrrr");
    EXPECT_EQ(board.roundTexts[1], "100");
    EXPECT_EQ(board.total, "100");
    EXPECT_EQ(cuesSince(mark), Cues{"placedice"});
    game.toggleDie(2);
    game.toggleDie(3);
    game.toggleDie(4);
    EXPECT_EQ(board.roundTexts[1], "400");
    EXPECT_EQ(board.total, "400");
    EXPECT_EQ(statuses(), "sgggu" "u"); // the triple is marked by the preview

    script({5, 2});
    mark = board.cues.size();
    game.roll();
    EXPECT_EQ(places(), "ssssrr");
    EXPECT_EQ(shownFaces(), (std::vector<int>{1, 3, 3, 3, 5, 2}));
    EXPECT_EQ(board.roundTexts[1], "400");
    EXPECT_EQ(cuesSince(mark), Cues{"dice"});
    EXPECT_EQ(game.state().roundTotal, 400);
    EXPECT_EQ(statuses(), "ppppuu");

    game.toggleDie(5);
    EXPECT_EQ(board.roundTexts[1], "450");
    EXPECT_EQ(board.total, "450");

    game.bank();
    EXPECT_FALSE(board.isShown(BoardPart::RollButton));
    EXPECT_FALSE(board.isShown(BoardPart::NotOnBoardBadge));
    EXPECT_TRUE(board.isShown(BoardPart::BankedBadge));
    EXPECT_TRUE(board.isShown(BoardPart::BankedAmount));
    EXPECT_EQ(board.roundTexts[1], "450");
    EXPECT_EQ(board.total, "450");
    EXPECT_EQ(board.banked, "+450");
    EXPECT_EQ(board.cues.back(), "turnovergood");
    EXPECT_TRUE(board.timerRunning);
    EXPECT_EQ(board.timerMilliseconds, kPauseMs);
    EXPECT_EQ(tally.log.back(), "keepHighest 3 450");
    EXPECT_TRUE(game.state().onBoard);
    EXPECT_FALSE(game.state().canPlay);
    EXPECT_EQ(statuses(), "ffffff");

    game.pauseElapsed();
    EXPECT_FALSE(board.timerRunning);
    EXPECT_EQ(game.state().round, 2);
    EXPECT_EQ(board.turnRound, 2);
    EXPECT_EQ(places(), "pppppp");
    EXPECT_EQ(board.roundTexts[1], "450");
    EXPECT_EQ(board.roundTexts[2], "0");
    EXPECT_FALSE(board.isShown(BoardPart::BankedBadge));
}

TEST_F(GameFixture, FirstRollWithoutScoringDiceLosesTheRound)
{
    game.start();
    script({2, 3, 4, 6, 6, 2});
    game.roll();
    EXPECT_EQ(board.roundTexts[1], "---");
    EXPECT_EQ(board.total, "0");
    EXPECT_TRUE(board.isShown(BoardPart::NoScoreBadge));
    EXPECT_FALSE(board.isShown(BoardPart::RollButton));
    EXPECT_EQ(board.cues.back(), "belbix");
    EXPECT_TRUE(board.timerRunning);
    EXPECT_FALSE(game.state().canPlay);
    EXPECT_EQ(statuses(), "ffffff");
}

TEST_F(GameFixture, RollingAgainWithNothingWorthSelectedIsRefused)
{
    game.start();
    script({1, 3, 3, 4, 6, 2});
    game.roll();
    game.toggleDie(2); // a 3 alone scores nothing
    const auto before = game.state();
    game.roll();
    EXPECT_EQ(board.messages, Lines{"You must select dice before rolling again."});
    EXPECT_EQ(board.cues.back(), "invalid");
    EXPECT_EQ(places(), "rsrrrr");
    EXPECT_EQ(game.state().dice[1].status, before.dice[1].status);
    EXPECT_EQ(game.state().roundTotal, 0);
    EXPECT_TRUE(game.state().canPlay);
}

TEST_F(GameFixture, SelectedDieWorthNothingReturnsToTheRoll)
{
    game.start();
    script({1, 3, 4, 4, 6, 2});
    game.roll();
    game.toggleDie(1);
    game.toggleDie(2); // the 3 adds nothing but does not block the roll
    script({5, 5, 5, 5, 5});
    game.roll();
    EXPECT_EQ(game.state().roundTotal, 100);
    EXPECT_EQ(statuses(), "puuuuu");
    EXPECT_EQ(places(), "srrrrr");
    EXPECT_EQ(game.state().die(2).value, 5);
    EXPECT_EQ(board.face(2), 5);
}

TEST_F(GameFixture, UnselectingADieMovesItBackAndUpdatesTheTexts)
{
    game.start();
    script({1, 3, 3, 4, 6, 2});
    game.roll();
    game.toggleDie(1);
    game.toggleDie(1);
    EXPECT_EQ(places(), "rrrrrr");
    EXPECT_EQ(board.roundTexts[1], "0");
    EXPECT_EQ(board.total, "0");
    EXPECT_EQ(board.cues.back(), "unset");
    EXPECT_EQ(statuses(), "uuuuuu");
}

TEST_F(GameFixture, FrozenAndSetAsideDiceDoNotReact)
{
    game.start();
    long reports = board.reports;
    game.toggleDie(3); // frozen before the first roll
    EXPECT_EQ(board.reports, reports);
    script({1, 3, 3, 4, 6, 2, /*roll again*/ 2, 3, 4, 6, 6});
    game.roll();
    game.toggleDie(1);
    game.roll(); // 1 set aside; the rest score nothing: round lost
    reports = board.reports;
    game.toggleDie(1);
    EXPECT_EQ(board.reports, reports);
}

// Regression: a refused bank used to leave the evaluated triple set aside,
// dropping its points from the round.
TEST_F(GameFixture, BankBelow350BeforeTheFirstBankIsRefusedAndCostsNothing)
{
    game.start();
    script({1, 5, 2, 2, 2, 6});
    game.roll();
    selectFaces({2, 2, 2, 1});
    EXPECT_EQ(board.roundTexts[1], "300");
    game.bank();
    EXPECT_TRUE(board.isShown(BoardPart::NotOnBoardBadge));
    EXPECT_TRUE(board.isShown(BoardPart::RollButton));
    EXPECT_EQ(board.cues.back(), "notonboard");
    EXPECT_FALSE(board.timerRunning);
    EXPECT_TRUE(game.state().canPlay);
    EXPECT_FALSE(game.state().onBoard);
    EXPECT_EQ(tally.log, Lines{"increment 1"});
    int selected = 0;
    for (const Die& d : game.state().dice)
        selected += (d.status == DieStatus::Selected || d.status == DieStatus::Previewed) ? 1 : 0;
    EXPECT_EQ(selected, 4);

    game.toggleDie(3); // one of the triple can still be unselected ...
    EXPECT_EQ(board.roundTexts[1], "100");
    game.toggleDie(3); // ... and selected again
    selectFaces({5});
    EXPECT_EQ(board.roundTexts[1], "350");
    game.bank();
    EXPECT_EQ(board.roundTexts[1], "350");
    EXPECT_TRUE(game.state().onBoard);
    EXPECT_EQ(game.state().gameTotal, 350);
}

TEST_F(GameFixture, ThreeHundredCommittedPlusFiftySelectedGetsOnTheBoard)
{
    game.start();
    script({3, 3, 3, 2, 4, 6, /*roll again*/ 5, 2, 4});
    game.roll();
    selectFaces({3, 3, 3});
    game.roll();
    EXPECT_EQ(game.state().roundTotal, 300);
    game.bank(); // 300 alone is not enough
    EXPECT_FALSE(game.state().onBoard);
    selectFaces({5});
    game.bank();
    EXPECT_TRUE(game.state().onBoard);
    EXPECT_EQ(game.state().gameTotal, 350);
    EXPECT_EQ(board.roundTexts[1], "350");
}

TEST_F(GameFixture, BankingAtRoundStartOnceOnTheBoardBanksZero)
{
    game.start();
    game.bank();
    EXPECT_FALSE(game.state().onBoard);
    EXPECT_EQ(board.heard("notonboard"), 1);

    script({1, 1, 1, 2, 3, 4});
    game.roll();
    selectFaces({1, 1, 1});
    game.bank();
    EXPECT_EQ(game.state().gameTotal, 1000);
    game.pauseElapsed();

    game.bank();
    EXPECT_EQ(board.roundTexts[2], "0");
    EXPECT_EQ(board.total, "1000");
    EXPECT_EQ(board.banked, "+0");
    EXPECT_TRUE(board.isShown(BoardPart::BankedBadge));
    EXPECT_EQ(board.cues.back(), "turnoverbad");
    EXPECT_TRUE(board.timerRunning);
    EXPECT_EQ(tally.log.back(), "keepHighest 3 0");
}

TEST_F(GameFixture, LostRoundKeepsOnboardAndDropsCommittedPoints)
{
    game.start();
    script({1, 1, 1, 2, 3, 4});
    game.roll();
    selectFaces({1, 1, 1});
    game.bank();
    game.pauseElapsed();

    script({5, 2, 3, 4, 6, 6, /*roll again*/ 2, 3, 4, 6, 6});
    game.roll();
    selectFaces({5});
    game.roll();
    EXPECT_EQ(board.roundTexts[2], "---");
    EXPECT_EQ(board.total, "1000");
    EXPECT_EQ(game.state().roundTotal, 0);
    EXPECT_TRUE(game.state().onBoard);
    EXPECT_EQ(game.state().gameTotal, 1000);
}

TEST_F(GameFixture, AllSixScoredRollAgainKeepingThePoints)
{
    game.start();
    script({1, 1, 1, 5, 5, 5, /*all six again*/ 2, 3, 1, 4, 6, 6});
    game.roll();
    selectFaces({1, 1, 1, 5, 5, 5});
    EXPECT_EQ(places(), "ssssss");
    game.roll();
    EXPECT_EQ(game.state().roundTotal, 1500);
    EXPECT_EQ(statuses(), "uuuuuu");
    EXPECT_EQ(places(), "rrrrrr");
    EXPECT_EQ(shownFaces(), (std::vector<int>{2, 3, 1, 4, 6, 6}));
    EXPECT_EQ(board.roundTexts[1], "1500");
}

TEST_F(GameFixture, ClickingAnotherRoundsSlotDoesNothing)
{
    game.start();
    script({1, 1, 1, 2, 3, 4});
    game.roll();
    selectFaces({1, 1, 1});
    const long reports = board.reports;
    for (int round : {0, 2, 3, 10, 11, -1})
        game.bankSlot(round);
    EXPECT_EQ(board.reports, reports);
    game.bankSlot(1);
    EXPECT_EQ(game.state().gameTotal, 1000);
}

TEST_F(GameFixture, NewGameDuringThePauseCancelsIt)
{
    game.start();
    script({2, 3, 4, 6, 6, 2});
    game.roll(); // lost: pause running
    ASSERT_TRUE(board.timerRunning);
    game.start();
    EXPECT_FALSE(board.timerRunning);
    EXPECT_FALSE(game.pauseRunning());
    EXPECT_EQ(game.state().round, 1);
    EXPECT_TRUE(game.state().canPlay);
    const long reports = board.reports;
    game.pauseElapsed(); // a stale tick must not advance the new game
    EXPECT_EQ(board.reports, reports);
    EXPECT_EQ(game.state().round, 1);
}

TEST_F(GameFixture, TenRoundsEndOnlyAfterThePauseFollowingTheTenth)
{
    board.name = "Zed";
    game.start();
    for (int round = 1; round <= kRounds; ++round) {
        script({1, 1, 1, 2, 3, 4});
        game.roll();
        selectFaces({1, 1, 1});
        game.bank();
        EXPECT_FALSE(game.state().canPlay);
        if (round == kRounds) {
            EXPECT_FALSE(board.isShown(BoardPart::GameOverPanel)) << "game over before the pause";
        }
        game.pauseElapsed();
    }
    EXPECT_EQ(game.state().round, 11);
    EXPECT_EQ(game.state().gameTotal, 10000);
    EXPECT_FALSE(game.state().canPlay);
    EXPECT_EQ(board.finalScore, "Your Score:10000");
    EXPECT_TRUE(board.isShown(BoardPart::SendScoreButton));
    EXPECT_TRUE(board.isShown(BoardPart::GameOverPanel));
    EXPECT_EQ(board.inFront, BoardPart::GameOverPanel);
    EXPECT_FALSE(board.isShown(BoardPart::TurnMarker));
    EXPECT_FALSE(board.isShown(BoardPart::RollButton));
    EXPECT_EQ(board.cues.back(), "gameover");
    EXPECT_EQ(Lines(tally.log.end() - 3, tally.log.end()),
              (Lines{"enterGame 10000 Zed", "addTo 2 10000", "gameFinished"}));
    const long reports = board.reports;
    game.roll();
    game.bank();
    EXPECT_EQ(board.reports, reports);

    game.start();
    EXPECT_FALSE(board.isShown(BoardPart::GameOverPanel));
    EXPECT_EQ(game.state().round, 1);
}

TEST(DiceGenerator, KnownDrawsAtTheEdgesOfTheSeed)
{
    // Worked out independently with arbitrary-precision integers.
    const struct {
        uint32_t seed;
        std::vector<int> faces;
        uint32_t after;
    } cases[] = {
        {0x00000000u, {1, 1, 6, 2, 2, 5, 2, 1, 3, 3}, 0x6CF8F4BEu},
        {0xFFFFFFFFu, {6, 2, 4, 1, 6, 1, 3, 6, 2, 5}, 0xC4F329C5u}, // wraps at once
        {0x4D60AE66u, {6, 6, 2, 4}, 0x84FEFFA2u},                   // draws seed 0xFFFFFFFF
        {0x26B05733u, {1, 1, 1, 6}, 0xDC6DAC1Fu},                   // draws seed 0
        {0x15D09155u, {1, 3, 6, 3}, 0x77793921u},                   // 0x2AAAAAAA, the last seed of a one
        {0xEF203A22u, {2, 4, 5, 5}, 0xCEE7E59Eu},                   // 0x2AAAAAAB, the first of a two
    };
    for (const auto& c : cases) {
        DiceGenerator g(c.seed);
        std::vector<int> faces;
        for (std::size_t i = 0; i < c.faces.size(); ++i)
            faces.push_back(g.nextFace());
        EXPECT_EQ(faces, c.faces) << std::hex << c.seed;
        EXPECT_EQ(g.seed(), c.after) << std::hex << c.seed;
    }
}

TEST(DiceGenerator, KnownSequenceFromSeedOne)
{
    DiceGenerator g(1);
    std::vector<int> faces;
    for (int i = 0; i < 8; ++i)
        faces.push_back(g.nextFace());
    // Computed independently with arbitrary-precision integers.
    EXPECT_EQ(faces, (std::vector<int>{1, 6, 2, 2, 5, 2, 1, 3}));
}

TEST(DiceGenerator, FacesAreUniformEnough)
{
    DiceGenerator g(DiceGenerator::clockSeed());
    int counts[7] = {};
    for (int i = 0; i < 60000; ++i) {
        const int f = g.nextFace();
        ASSERT_GE(f, 1);
        ASSERT_LE(f, 6);
        ++counts[f];
    }
    for (int f = 1; f <= 6; ++f)
        EXPECT_NEAR(counts[f], 10000, 600) << "face " << f;
}

} // namespace
