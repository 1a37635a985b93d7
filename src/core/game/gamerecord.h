// SPDX-License-Identifier: MIT
#pragma once
#include <cstdint>
#include <vector>

#include "core/game/gameobserver.h"

// One accepted move and the state the player made it from.
struct RecordedMove {
    GameState before;
    PlayerMove move = PlayerMove::Roll;
};

// Keeps the moves of the game in play and, once it is over, of the last
// finished game; a game abandoned by starting another is dropped.
class GameRecord final : public GameObserver {
public:
    void gameStarted() override
    {
        m_current.clear();
        m_playing = true;
    }
    void moveMade(const GameState& before, PlayerMove move) override
    {
        if (m_playing)
            m_current.push_back({before, move});
    }
    void gameOver(int32_t total) override
    {
        m_last = std::move(m_current);
        m_current.clear();
        m_lastScore = total;
        m_hasLast = true;
        m_playing = false;
    }

    [[nodiscard]] bool hasFinishedGame() const { return m_hasLast; }
    [[nodiscard]] const std::vector<RecordedMove>& lastGame() const { return m_last; }
    [[nodiscard]] int32_t lastScore() const { return m_lastScore; }

private:
    std::vector<RecordedMove> m_current;
    std::vector<RecordedMove> m_last;
    int32_t m_lastScore = 0;
    bool m_hasLast = false;
    bool m_playing = false;
};
