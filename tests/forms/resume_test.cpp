// SPDX-License-Identifier: MIT
#include <QProcess>

#include <fstream>

#include "core/game/savedgamefile.h"
#include "core/history/historyrecorder.h"
#include "forms/programwindows.h"
#include "formsfixture.h"
#include "support/eventwait.h"

namespace {

constexpr const char* kResume = "Resume the game in progress?";

class ResumeTest : public FormsFixture {
protected:
    // The game's own generator, so the saved game carries its state.
    MainWindowSeams realFaces()
    {
        MainWindowSeams s = seams();
        s.faces = nullptr;
        return s;
    }
    std::filesystem::path data() const { return programFolder().dataFolder().toStdString(); }
    [[nodiscard]] bool asked() const
    {
        for (const auto& box : dialogs.shown)
            if (box.text == kResume)
                return true;
        return false;
    }
    // Shows the main window and lets the start-up question come.
    std::unique_ptr<ProgramWindows> open()
    {
        auto w = std::make_unique<ProgramWindows>(programFolder(), realFaces());
        w->main.show();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        return w;
    }
};

// A round after the first under way: a roll made and a 1 or 5 selected.
struct LeftGame {
    BoardModel board;
    NullTally tally;
    DiceGenerator faces{777};
    Game game{board, tally, faces};
    LeftGame()
    {
        game.start();
        for (int guard = 0; guard < 1000 && game.inProgress(); ++guard) {
            const GameState& s = game.state();
            if (game.pauseRunning()) {
                game.pauseElapsed();
                continue;
            }
            if (s.firstRoll) {
                game.roll();
                continue;
            }
            for (int i = 1; i <= kDice && s.round >= 2; ++i)
                if (s.die(i).status == DieStatus::InPlay && (s.die(i).value == 1 || s.die(i).value == 5)) {
                    game.toggleDie(i);
                    return;
                }
            for (int i = 1; i <= kDice; ++i)
                game.toggleDie(i);
            game.roll();
        }
    }
};

TEST_F(ResumeTest, AKilledCopyLeavesItsGameToTheNextStartAndOnlyToOneCopy)
{
    LeftGame left;
    ASSERT_TRUE(left.game.inProgress());
    const SavedGame saved = *left.game.snapshot();
    SavedGameFile(data()).keep(saved);

    QProcess game;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_RUNTIME_DIR", folder.path());
    game.setProcessEnvironment(env);
    const QString program = file(QStringLiteral("pelbixsolo"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(PELBIX_APP_BINARY), program));
    game.start(program, {});
    ASSERT_TRUE(game.waitForStarted(10000));
    ASSERT_TRUE(waitUntil([&] { return !SavedGameFile(data()).owned(); }))
        << "the real program claims the game at its start";
    {
        auto second = open();
        EXPECT_FALSE(asked()) << "a second running copy is not offered the same game";
    }
    game.kill();
    ASSERT_TRUE(game.waitForFinished(10000));
    EXPECT_EQ(writeSavedGame(*SavedGameFile(data()).load().game), writeSavedGame(saved));

    dialogs.answers = {true};
    auto w = open();
    ASSERT_TRUE(asked());
    EXPECT_EQ(writeSavedGame(*w->main.game().snapshot()), writeSavedGame(saved));
    w->main.onRoll();
    left.game.roll();
    for (int i = 1; i <= kDice; ++i)
        EXPECT_EQ(w->main.game().state().die(i).value, left.game.state().die(i).value) << "die " << i;
}

TEST_F(ResumeTest, ADamagedGameIsSetAsideWithAMessageAndNoQuestion)
{
    std::ofstream(data() / SavedGameFile::kFileName) << "pelbixsolo saved game 1\nround 99\n";
    auto w = open();
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].kind, RecordingDialogService::Kind::Error);
    EXPECT_TRUE(dialogs.shown[0].text.contains("set aside")) << dialogs.shown[0].text.toStdString();
    EXPECT_TRUE(std::filesystem::exists(data() / SavedGameFile::kDamagedName));
    EXPECT_FALSE(w->main.game().inProgress());
}

TEST_F(ResumeTest, DecliningTheGameForgetsIt)
{
    SavedGameFile(data()).keep(*LeftGame().game.snapshot());
    dialogs.answers = {false};
    auto w = open();
    ASSERT_TRUE(asked());
    EXPECT_FALSE(w->main.game().inProgress());
    EXPECT_FALSE(std::filesystem::exists(data() / SavedGameFile::kFileName));
}

// The program's own keeping path: a game left after its first roll, then
// declined at the next start, is in the history as abandoned.
TEST_F(ResumeTest, ADeclinedGameGoesToTheHistoryAsAbandoned)
{
    {
        BoardModel board;
        NullTally tally;
        DiceGenerator dice{777};
        HistoryRecorder recorder(dice);
        SavedGameFile file(data());
        Game game(board, tally, recorder);
        game.setObserver(&recorder);
        recorder.setKeeper(&file);
        game.setKeeper(&recorder);
        game.start();
        game.roll();
    }
    dialogs.answers = {false};
    auto w = open();
    ASSERT_TRUE(asked());
    const std::vector<HistoryGame> games = w->history->games();
    ASSERT_EQ(games.size(), 1U);
    EXPECT_TRUE(games[0].abandoned);
    EXPECT_EQ(games[0].rounds, 1);
}

} // namespace
