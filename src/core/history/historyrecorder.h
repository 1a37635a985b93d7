// SPDX-License-Identifier: MIT
#pragma once
#include <functional>

#include "core/game/facesource.h"
#include "core/game/gameobserver.h"
#include "core/history/historygame.h"

// Watches one game at a time for the history: it stands between the game
// and its face source to keep every face drawn, and between the game and
// its observer to keep every decision (passing both on). When a game ends,
// or is left for a new one, the whole game goes to the handler.
class HistoryRecorder final : public GameObserver, public FaceSource {
public:
    using Handler = std::function<void(HistoryGame&)>;

    explicit HistoryRecorder(FaceSource& faces) : m_faces(faces) {}

    void setNext(GameObserver* next) { m_next = next; }
    void setHandler(Handler handler) { m_handler = std::move(handler); }
    // The coach's hint is on show for the position in play.
    void hintShown() { m_hinted = m_playing; }
    // Hands over a game in play as abandoned, if a decision was made in it.
    void abandon();
    [[nodiscard]] bool playing() const { return m_playing; }

    int32_t nextFace() override;
    // The faces to come are the wrapped source's; saving and restoring them
    // must reach it, or a resumed game would roll other dice.
    [[nodiscard]] std::optional<uint32_t> savedState() const override { return m_faces.savedState(); }
    void restoreState(uint32_t state) override { m_faces.restoreState(state); }
    void gameStarted() override;
    void moveMade(const GameState& before, PlayerMove move) override;
    void gameOver(int32_t total) override;

private:
    void handOver(bool abandoned, int32_t score);

    FaceSource& m_faces;
    GameObserver* m_next = nullptr;
    Handler m_handler;
    HistoryGame m_game;
    bool m_playing = false;
    bool m_hinted = false;
};
