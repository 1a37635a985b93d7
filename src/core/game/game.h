// SPDX-License-Identifier: MIT
#pragma once
#include "core/game/board.h"
#include "core/game/facesource.h"
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

    void start();             // a new game: resets the board and begins round 1
    void roll();              // the round's first roll, or roll again
    void toggleDie(int die);  // die 1 to 6: select it from the roll or put it back
    void bank();              // bank the round
    void bankSlot(int round); // a click on a round's slot banks only the current round
    void pauseElapsed();      // the pause after a round is over: the next round begins

    [[nodiscard]] const GameState& state() const { return m_state; }
    [[nodiscard]] bool pauseRunning() const { return m_pauseRunning; }
    // Who hears of the player's moves; nobody when null.
    void setObserver(GameObserver* observer) { m_observer = observer; }
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

    Board& m_board;
    TallyReports& m_tally;
    FaceSource& m_faces;
    GameState m_state;
    bool m_pauseRunning = false;
    GameObserver* m_observer = nullptr;
};
