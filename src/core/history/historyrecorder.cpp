// SPDX-License-Identifier: MIT
#include "core/history/historyrecorder.h"

#include "core/history/historyanalysis.h"

int32_t HistoryRecorder::nextFace()
{
    const int32_t face = m_faces.nextFace();
    if (m_playing)
        m_game.faces.push_back(face);
    return face;
}

void HistoryRecorder::takeOver(const SavedGame& saved)
{
    m_resumed = rebuildGame(saved);
    m_takenOver = true;
}

void HistoryRecorder::gameStarted()
{
    if (m_takenOver) { // a resume: the game goes on, or is not recorded
        m_takenOver = false;
        m_playing = m_resumed.has_value();
        m_game = m_playing ? std::move(*m_resumed) : HistoryGame{};
        m_resumed.reset();
    } else {
        abandon(); // starting over in mid-game leaves the game in play
        m_game = HistoryGame{};
        m_game.started = historyNow();
        m_playing = true;
    }
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

void HistoryRecorder::keep(const SavedGame& game)
{
    if (!m_keeper)
        return;
    if (!m_playing) {
        m_keeper->keep(game);
        return;
    }
    SavedGame withPlay = game;
    withPlay.play = savedPlayOf(m_game);
    m_keeper->keep(withPlay);
}

void HistoryRecorder::forget()
{
    if (m_keeper)
        m_keeper->forget();
}

void HistoryRecorder::abandon()
{
    if (m_takenOver) { // a saved game declined
        m_takenOver = false;
        if (m_resumed && !m_resumed->decisions.empty()) {
            m_game = std::move(*m_resumed);
            m_playing = true;
        }
        m_resumed.reset();
    }
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
