// SPDX-License-Identifier: MIT
#pragma once
#include "core/game/board.h"
#include "core/game/facesource.h"
#include "core/game/gameobserver.h"
#include "core/game/gamestate.h"

// A game of ten rounds, driven by the board's clicks and the pause timer.
// One instance for the program's life; every effect goes out through the
// board, the tally and the face source it was given. Each event is a no-op
// unless its condition holds, so the board may forward every click blindly.
class Game {
public:
    Game(Board& board, TallyReports& tally, FaceSource& faces);

    // Events, named after the board's handlers.
    void button_startClick();
    void StartGame1Click();
    void image_rollClick();
    void dice2Click(int tag);
    void image_turnClick();
    void label_scorerecordedClick(int tag);
    void Timer2Timer();

    // Operations.
    void startgame();
    void startround();
    void rolldice();

    [[nodiscard]] const GameState& state() const { return m_state; }
    [[nodiscard]] bool pauseRunning() const { return m_pauseRunning; }
    // Who hears of the player's moves; nobody when null.
    void setObserver(GameObserver* observer) { m_observer = observer; }

private:
    void bank();
    void loseRound();
    void startPause();
    void stopPause();
    void showRunningScore(int32_t selection);
    void setCurrentSlot(const std::string& text);
    void sendToRow(int die);
    void freezeAll();
    void unpreview();

    Board& m_board;
    TallyReports& m_tally;
    FaceSource& m_faces;
    GameState m_state;
    bool m_pauseRunning = false;
    GameObserver* m_observer = nullptr;
};
