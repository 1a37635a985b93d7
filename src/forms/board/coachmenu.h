// SPDX-License-Identifier: MIT
#pragma once
#include <QFuture>
#include <QObject>
#include <QPointer>
#include <memory>

#include "core/game/gamerecord.h"
#include "core/game/solver.h"

class Game;
class HintPanel;
class QMenu;
class QWidget;
class ReviewWindow;

// The coach's place in the main window: the View menu's "Hint" (H) and
// "Game Review", the record of the player's moves, and the solve. That runs
// once, on a pool thread of its own, when the first game starts: start-up and an idle
// window never pay for it, and nothing needs it before a round is in play.
class CoachMenu : public QObject, private GameObserver {
    Q_OBJECT
public:
    // Appends the two items to view and watches game; lives as a child of mainWindow.
    CoachMenu(QWidget* mainWindow, QMenu* view, Game& game);
    ~CoachMenu() override;

    void onHint();
    void onGameReview();

    [[nodiscard]] bool solveStarted() const { return m_solving.isValid() || m_solver; }
    // The solved policy, waiting for the worker if it is still at it; null
    // when the worker failed.
    [[nodiscard]] const Solver* solver();

private:
    void startSolve();
    void gameStarted() override;
    void moveMade(const GameState& before, PlayerMove move) override;
    void gameOver(int32_t total) override;
    void hideHint();

    QWidget* m_main;
    Game& m_game;
    GameRecord m_record;
    QPointer<HintPanel> m_hint;
    QPointer<ReviewWindow> m_review;
    QFuture<std::unique_ptr<Solver>> m_solving;
    std::unique_ptr<Solver> m_solver;
};
