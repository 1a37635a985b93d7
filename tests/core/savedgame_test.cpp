// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include <sys/stat.h>

#include "core/game/game.h"
#include "core/game/savedgamefile.h"
#include "dieletters.h"
#include "fakegameseams.h"
#include "settings/tempfolder.h"

namespace {

constexpr uint32_t kSeed = 20261207;

// A game played by a fixed rule that looks only at the state, so a game
// resumed from a file makes the same moves as the one that was left.
struct Player {
    BoardModel board;
    RecordingTally tally;
    DiceGenerator faces{kSeed};
    Game game{board, tally, faces};

    // One move; false once the game is over.
    bool step()
    {
        const GameState& s = game.state();
        if (!game.inProgress())
            return false;
        if (game.pauseRunning()) {
            game.pauseElapsed();
            return true;
        }
        if (s.firstRoll) {
            game.roll();
            return true;
        }
        int inPlay = 0;
        bool selected = false;
        for (const Die& d : s.dice) {
            inPlay += d.status == DieStatus::InPlay ? 1 : 0;
            selected = selected || d.status == DieStatus::Selected;
        }
        if (!selected) {
            for (int i = 1; i <= kDice; ++i)
                if (s.die(i).status == DieStatus::InPlay && (s.die(i).value == 1 || s.die(i).value == 5)) {
                    game.toggleDie(i);
                    return true;
                }
            // No single scores: a triple, or else three pairs, counts when all are taken.
            for (int i = 1; i <= kDice; ++i)
                game.toggleDie(i);
            return true;
        }
        if ((s.onBoard && inPlay < 3) || s.roundTotal >= kOnBoard)
            game.bank();
        else
            game.roll();
        return true;
    }
    // Plays n moves from the start of a game.
    void playTo(std::size_t moves)
    {
        game.start();
        for (std::size_t i = 0; i < moves && step(); ++i) {
        }
    }
    void finish()
    {
        for (int guard = 0; guard < 10000 && step(); ++guard) {
        }
    }
};

SavedGame throughText(const SavedGame& game) { return readSavedGame(writeSavedGame(game)); }

// A preview mark lasts only while one evaluation runs; it is a selection.
std::string decided(const GameState& state)
{
    std::string s = statuses(state);
    std::replace(s.begin(), s.end(), 'g', 's');
    return s;
}

TEST(SavedGame, AResumedGameGoesOnExactlyAsTheOneLeft)
{
    Player whole;
    whole.playTo(100000);
    ASSERT_EQ(whole.game.state().round, kRounds + 1) << "the rule plays a game to its end";
    std::size_t moves = 0;
    {
        Player count;
        count.game.start();
        while (count.step())
            ++moves;
    }
    bool sawPause = false, sawAside = false, sawLastRound = false, sawSelected = false;
    for (std::size_t at = 0; at < moves; ++at) {
        Player left;
        left.playTo(at);
        const auto saved = left.game.snapshot();
        ASSERT_TRUE(saved) << "move " << at;
        const std::string s = statuses(saved->state);
        sawPause = sawPause || saved->paused;
        sawAside = sawAside || s.find('p') != std::string::npos;
        sawSelected = sawSelected || s.find('s') != std::string::npos;
        sawLastRound = sawLastRound || saved->state.round == kRounds;

        const std::size_t leftReports = left.tally.log.size();
        Player resumed;
        resumed.faces.restoreState(0); // a new process with its own clock seed
        resumed.game.resume(throughText(*saved));
        if (left.game.pauseRunning())
            left.game.pauseElapsed(); // the resumed game's pause passed while it was closed
        EXPECT_EQ(decided(resumed.game.state()), decided(left.game.state())) << "move " << at;
        EXPECT_EQ(resumed.board.roundTexts, left.board.roundTexts) << "move " << at;
        EXPECT_EQ(resumed.board.total, left.board.total) << "move " << at;
        for (int i = 1; i <= kDice; ++i)
            if (left.game.state().die(i).status != DieStatus::Frozen) {
                EXPECT_EQ(resumed.board.face(i), left.board.face(i)) << "move " << at << " die " << i;
                EXPECT_EQ(resumed.board.place(i), left.board.place(i)) << "move " << at << " die " << i;
            }
        left.finish();
        resumed.finish();
        EXPECT_EQ(resumed.board.roundTexts, whole.board.roundTexts) << "move " << at;
        EXPECT_EQ(resumed.game.state().gameTotal, whole.game.state().gameTotal) << "move " << at;
        EXPECT_EQ(resumed.faces.seed(), whole.faces.seed()) << "the same dice came next, move " << at;
        EXPECT_EQ(std::vector<std::string>(left.tally.log.begin() + static_cast<long>(leftReports), left.tally.log.end()),
                  resumed.tally.log)
            << "the tally hears the rest of the game once, move " << at;
    }
    EXPECT_TRUE(sawPause && sawAside && sawLastRound && sawSelected) << "every kind of moment was tried";
}

TEST(SavedGame, EveryTruncationAndByteFlipFailsCleanlyOrReadsAConsistentGame)
{
    Player p;
    p.playTo(7);
    const std::string good = writeSavedGame(*p.game.snapshot());
    for (std::size_t n = 0; n < good.size(); ++n)
        EXPECT_THROW((void)readSavedGame(good.substr(0, n)), SavedGameError) << n;
    for (std::size_t i = 0; i < good.size(); ++i)
        for (const char c : {'\0', '0', '9', ' ', '\n', '-', 'x', 'p'}) {
            std::string bad = good;
            bad[i] = c;
            try {
                const SavedGame g = readSavedGame(bad);
                EXPECT_EQ(writeSavedGame(g), bad) << "whatever reads, reads exactly";
            } catch (const SavedGameError&) {
            }
        }
}

TEST(SavedGame, DamagedOrForeignFilesAreRefused)
{
    const std::string head = "pelbixsolo saved game 1\ngenerator 5\n";
    const std::string fine = head
        + "round 2\ntotal 400\nroundtotal 0\nonboard 1\nfirstroll 1\npaused 0\ndice 0f 0f 0f 0f 0f 0f\n"
          "card 400 - - - - - - - - -\n";
    ASSERT_NO_THROW((void)readSavedGame(fine));
    const auto with = [&](const std::string& from, const std::string& to) {
        std::string t = fine;
        t.replace(t.find(from), from.size(), to);
        return t;
    };
    const std::string cases[] = {
        with("saved game 1", "saved game 2"),              // another version
        with("round 2", "round 11"), with("round 2", "round 0"), with("round 2", "round -1"),
        with("total 400", "total 450"),                    // total against the card
        with("total 400", "total 0400"),                   // one spelling per number
        with("generator 5", "generator 4294967296"),
        with("card 400", "card 300"),                      // a first bank below 350
        with("card 400 -", "card 400 400"),                // a result for the round in play
        with("onboard 1", "onboard 0"), with("onboard 1", "onboard 2"),
        with("dice 0f 0f", "dice 0f"), with("0f\n", "0x\n"), with("0f\n", "3f\n"),
        with("firstroll 1", "firstroll 0"),                // rolled dice cannot be frozen
        fine + "extra\n", fine.substr(0, fine.size() - 1), // trailing junk, no final newline
        "\x89PNG\r\n\x1a\n", std::string(2000, '\n'),
    };
    for (const auto& c : cases)
        EXPECT_THROW((void)readSavedGame(c), SavedGameError) << c;

    // The history's game so far, after the card: all three lines or none.
    const std::string play = "started 2026-12-07T20:31:05Z\nfaces 1236\ndecisions r rh15 b2\n";
    ASSERT_EQ(writeSavedGame(readSavedGame(fine + play)), fine + play);
    const auto playWith = [&](const std::string& from, const std::string& to) {
        std::string t = play;
        t.replace(t.find(from), from.size(), to);
        return fine + t;
    };
    const std::string playCases[] = {
        fine + "started 2026-12-07T20:31:05Z\nfaces 1\n",          // no decisions line
        playWith("2026-12-07T", "2026-12-7T"), playWith("05Z", "05"),
        playWith("1236", "1276"), playWith("1236", "0"), playWith("1236", "12 3"),
        playWith("rh15", "rh51"), playWith("rh15", "rh11"), playWith("rh15", "hr15"),
        playWith("rh15", "rhh15"), playWith("rh15", "x"), playWith(" b2", "  b2"), playWith("b2", "b2 "),
        playWith("1236", std::string(kMaxSavedFaces + 1, '1')),
    };
    for (const auto& c : playCases)
        EXPECT_THROW((void)readSavedGame(c), SavedGameError) << c;
}

TEST(SavedGame, APlayTooLongToReadIsLeftOutNotWritten)
{
    SavedGame g = readSavedGame("pelbixsolo saved game 1\ngenerator 5\nround 1\ntotal 0\nroundtotal 0\nonboard 0\n"
                                "firstroll 1\npaused 0\ndice 0f 0f 0f 0f 0f 0f\ncard - - - - - - - - - -\n");
    g.play = SavedPlay{"2026-12-07T20:31:05Z", std::vector<int>(kMaxSavedFaces + 1, 3), {}};
    EXPECT_FALSE(readSavedGame(writeSavedGame(g)).play);
    g.play->faces.resize(kMaxSavedFaces);
    g.play->decisions.assign(kMaxSavedDecisions, {PlayerMove::Roll, true, 0x3F});
    EXPECT_EQ(readSavedGame(writeSavedGame(g)).play->decisions.size(), kMaxSavedDecisions) << "the largest play fits";
}

TEST(SavedGameFile, KeepsLoadsForgetsAndSetsADamagedFileAside)
{
    TempFolder folder;
    Player p;
    p.playTo(3);
    {
        SavedGameFile file(folder.path());
        ASSERT_TRUE(file.owned());
        file.keep(*p.game.snapshot());
        SavedGameFile other(folder.path());
        EXPECT_FALSE(other.owned()) << "a second copy never gets the same game";
        EXPECT_FALSE(other.load().game);
        const auto found = file.load();
        ASSERT_TRUE(found.game);
        EXPECT_EQ(writeSavedGame(*found.game), writeSavedGame(*p.game.snapshot()));
        file.forget();
        EXPECT_FALSE(std::filesystem::exists(file.path()));
        EXPECT_FALSE(file.load().game);
    }
    TempFolder::write(folder.file(SavedGameFile::kFileName), "not a game\n");
    SavedGameFile file(folder.path());
    const auto found = file.load();
    EXPECT_FALSE(found.game);
    EXPECT_NE(found.problem.english().find("set aside"), std::string::npos) << found.problem.english();
    EXPECT_FALSE(std::filesystem::exists(file.path()));
    EXPECT_EQ(TempFolder::read(folder.file(SavedGameFile::kDamagedName)), "not a game\n");

    // A pipe in the file's place would block the start for good.
    ASSERT_EQ(::mkfifo(file.path().c_str(), 0600), 0);
    EXPECT_FALSE(file.load().game);
    EXPECT_FALSE(std::filesystem::exists(file.path()));
}

TEST(SavedGameFile, TheGameIsKeptAfterEveryMoveAndGoneWhenItEnds)
{
    TempFolder folder;
    SavedGameFile file(folder.path());
    Player p;
    p.game.setKeeper(&file);
    p.game.start();
    while (p.step() && p.game.inProgress()) {
        ASSERT_EQ(TempFolder::read(file.path()), writeSavedGame(*p.game.snapshot()));
    }
    EXPECT_FALSE(std::filesystem::exists(file.path()));
}

TEST(SavedGameFile, AFailedSaveIsToldOnceAndKeepsTheGameGoing)
{
    TempFolder folder;
    SavedGameFile file(folder.path());
    std::vector<std::string> told;
    file.setProblemHandler([&](const PlayerText& what) { told.push_back(what.english()); });
    std::filesystem::create_directory(file.path()); // nothing can be renamed over it
    Player p;
    p.game.setKeeper(&file);
    p.playTo(5);
    EXPECT_EQ(told.size(), 1u);
    EXPECT_TRUE(p.game.inProgress());
}

} // namespace
