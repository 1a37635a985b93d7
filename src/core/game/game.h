// SPDX-License-Identifier: MIT
#pragma once
#include <optional>

#include "core/game/board.h"
#include "core/game/facesource.h"
#include "core/game/gamekeeper.h"
#include "core/game/gameobserver.h"
#include "core/game/gamestate.h"
#include "core/game/tallyreports.h"

// A game of ten rounds, driven by the player's moves and the pause timer.
// One instance for the program's life; every effect goes out through the
// board, the tally and the face source it was given. Each event is a no-op
// unless its condition holds, so the window may forward every click blindly.
class Game {
public:
    Game(Board& board, TallyReports& tally, FaceSource& faces);

    void start();             // a new game: resets the board and begins round 1;
                              // a game in progress is abandoned
    // A game left unfinished (started over, or not resumed) counts as played
    // with no score.
    void reportAbandoned();
    void roll();              // the round's first roll, or roll again
    void toggleDie(int die);  // die 1 to 6: select it from the roll or put it back
    void bank();              // bank the round
    void bankSlot(int round); // a click on a round's slot banks only the current round
    void pauseElapsed();      // the pause after a round is over: the next round begins

    // Goes on with a saved game exactly where it stopped: the board shows it
    // again and the faces to come are the ones it would have had. The tally
    // heard of the game when it began, so it hears nothing now.
    void resume(const SavedGame& saved);
    // The game in progress, or none when no game is under way or the faces
    // cannot be saved.
    [[nodiscard]] std::optional<SavedGame> snapshot() const;
    // A round has begun and the game is not over.
    [[nodiscard]] bool inProgress() const { return m_state.round >= 1 && m_state.round <= kRounds; }

    [[nodiscard]] const GameState& state() const { return m_state; }
    [[nodiscard]] bool pauseRunning() const { return m_pauseRunning; }
    // Who hears of the player's moves; nobody when null.
    void setObserver(GameObserver* observer) { m_observer = observer; }
    // Where the game in progress is kept after every change; nowhere when null.
    void setKeeper(GameKeeper* keeper) { m_keeper = keeper; }
    [[nodiscard]] GameObserver* observer() const { return m_observer; }

private:
    void startGame();
    void startRound();
    void rollDice();
    void bankRound();
    void loseRound();
    void startPause();
    void stopPause();
    void showRunningScore(int32_t selection);
    void setCurrentSlot(const std::string& text);
    void freezeAll();
    void unpreview();
    void keepNow();

    Board& m_board;
    TallyReports& m_tally;
    FaceSource& m_faces;
    GameState m_state;
    bool m_pauseRunning = false;
    GameObserver* m_observer = nullptr;
    GameKeeper* m_keeper = nullptr;
    std::array<int32_t, kRounds> m_card{}; // each round's result, as a saved game holds it
};
