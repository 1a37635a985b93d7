// SPDX-License-Identifier: MIT
#pragma once
#include <functional>
#include <optional>

#include "core/game/facesource.h"
#include "core/game/gamekeeper.h"
#include "core/game/gameobserver.h"
#include "core/history/historygame.h"

// Watches one game at a time for the history: it stands between the game
// and its face source to keep every face drawn, and between the game and
// its observer to keep every decision (passing both on). When a game ends,
// or is left for a new one, the whole game goes to the handler. It stands
// before the game's keeper too, so the saved game carries the game so far
// and a resumed game is recorded from its first throw.
class HistoryRecorder final : public GameObserver, public FaceSource, public GameKeeper {
public:
    using Handler = std::function<void(HistoryGame&)>;

    explicit HistoryRecorder(FaceSource& faces) : m_faces(faces) {}

    void setNext(GameObserver* next) { m_next = next; }
    void setHandler(Handler handler) { m_handler = std::move(handler); }
    void setKeeper(GameKeeper* keeper) { m_keeper = keeper; }
    // A saved game is about to be resumed or declined: the game it played
    // so far becomes the game in play at the next gameStarted(), or goes
    // to the handler as abandoned at abandon(). A saved game whose play
    // does not lead exactly to it is not recorded at all.
    void takeOver(const SavedGame& saved);
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
    void keep(const SavedGame& game) override;
    void forget() override;

private:
    void handOver(bool abandoned, int32_t score);

    FaceSource& m_faces;
    GameObserver* m_next = nullptr;
    Handler m_handler;
    GameKeeper* m_keeper = nullptr;
    HistoryGame m_game;
    std::optional<HistoryGame> m_resumed; // taken over from a saved game
    bool m_takenOver = false;
    bool m_playing = false;
    bool m_hinted = false;
};
