// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/game/game.h"
#include "fakegameseams.h"

namespace {

// Thousands of games driven by random clicks. After every click the round
// flow must still hold its invariants, whatever order the clicks came in.
TEST(GameProperty, RandomClicksNeverBreakTheInvariants)
{
    std::mt19937 rng(20261207);
    BoardModel board;
    RecordingTally tally;
    ScriptedFaces faces;
    faces.fallback.setSeed(77);
    Game game(board, tally, faces);

    long banks = 0;
    long refusals = 0;
    long gamesEnded = 0;
    int32_t bankedThisGame = 0;
    bool bankedOnceThisGame = false;

    for (int step = 0; step < 400000; ++step) {
        const GameState before = game.state();
        const std::string slotBefore = before.round >= 1 && before.round <= kRounds ? board.roundTexts[static_cast<std::size_t>(before.round)] : "";
        const long boardReports = board.reports;
        const std::size_t notOnBoardCues = static_cast<std::size_t>(board.heard("notonboard"));
        const size_t tallyLines = tally.log.size();

        const int pick = static_cast<int>(rng() % 100);
        bool playClick = true;
        if (pick < 2) {
            game.start();
            playClick = false;
            bankedThisGame = 0;
            bankedOnceThisGame = false;
        } else if (pick < 30) {
            game.roll();
        } else if (pick < 70) {
            game.toggleDie(static_cast<int>(rng() % 8)); // includes dice 0 and 7
        } else if (pick < 80) {
            game.bank();
        } else if (pick < 86) {
            game.bankSlot(static_cast<int>(rng() % 12));
        } else {
            game.pauseElapsed();
            playClick = false;
        }

        const GameState& s = game.state();
        ASSERT_GE(s.round, 0);
        ASSERT_LE(s.round, 11);

        if (playClick && !before.canPlay) {
            ASSERT_EQ(board.reports, boardReports) << "reacted while not playable, step " << step;
            ASSERT_EQ(tally.log.size(), tallyLines);
        }

        for (size_t i = tallyLines; i < tally.log.size(); ++i) {
            const std::string& line = tally.log[i];
            if (const std::string highest = "keepHighest 3 "; line.rfind(highest, 0) == 0) {
                const int32_t banked = std::stoi(line.substr(highest.size()));
                ASSERT_EQ(std::to_string(banked), slotBefore) << "banked other than the shown value, step " << step;
                ASSERT_GE(banked, 0);
                ASSERT_EQ(banked % 50, 0);
                if (!bankedOnceThisGame) {
                    ASSERT_GE(banked, kOnBoard) << "first bank below the threshold, step " << step;
                }
                bankedOnceThisGame = true;
                bankedThisGame += banked;
                ++banks;
            }
            if (const std::string total = "addTo 2 "; line.rfind(total, 0) == 0) {
                ASSERT_EQ(std::stoi(line.substr(total.size())), bankedThisGame);
                ++gamesEnded;
            }
        }
        if (static_cast<std::size_t>(board.heard("notonboard")) > notOnBoardCues && before.canPlay &&
            tally.log.size() == tallyLines && s.canPlay && !s.onBoard)
            ++refusals;
        ASSERT_EQ(s.gameTotal, bankedThisGame) << "step " << step;

        if (board.cues.size() > 4096)
            board.cues.clear();
        if (tally.log.size() > 4096)
            tally.log.clear();
    }
    // The walk must actually have exercised the flow.
    EXPECT_GT(banks, 1000);
    EXPECT_GT(refusals, 100);
    EXPECT_GT(gamesEnded, 10);
}

} // namespace
