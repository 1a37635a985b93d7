// SPDX-License-Identifier: MIT
#include "core/history/historyrecorder.h"

int32_t HistoryRecorder::nextFace()
{
    const int32_t face = m_faces.nextFace();
    if (m_playing)
        m_game.faces.push_back(face);
    return face;
}

void HistoryRecorder::gameStarted()
{
    abandon(); // starting over in mid-game leaves the game in play
    m_game = HistoryGame{};
    m_game.started = historyNow();
    m_playing = true;
    m_hinted = false;
    if (m_next)
        m_next->gameStarted();
}

void HistoryRecorder::moveMade(const GameState& before, PlayerMove move)
{
    if (m_playing) {
        m_game.decisions.push_back({before, move, m_hinted});
        m_game.hints += m_hinted ? 1 : 0;
        m_game.rounds = before.round;
        m_game.score = before.gameTotal;
    }
    m_hinted = false;
    if (m_next)
        m_next->moveMade(before, move);
}

void HistoryRecorder::gameOver(int32_t total)
{
    if (m_playing) {
        m_game.rounds = kRounds;
        handOver(false, total);
    }
    if (m_next)
        m_next->gameOver(total);
}

void HistoryRecorder::abandon()
{
    if (m_playing && !m_game.decisions.empty())
        handOver(true, m_game.score);
    m_playing = false;
}

void HistoryRecorder::handOver(bool abandoned, int32_t score)
{
    m_playing = false;
    m_hinted = false;
    m_game.abandoned = abandoned;
    m_game.score = score;
    m_game.finished = historyNow();
    HistoryGame game = std::move(m_game);
    m_game = HistoryGame{};
    if (m_handler)
        m_handler(game);
}
