#pragma once
#include <QObject>
#include <QPointer>
#include <future>
#include <memory>

#include "core/game/gamerecord.h"
#include "core/game/solver.h"

class Game;
class HintPanel;
class QMenu;
class QThread;
class QWidget;
class Treview;

// The coach's place in the main window: the View menu's "Hint" (H) and
// "Game Review", the record of the player's moves, and the solve, which
// runs once in a worker thread soon after the main window is first shown.
class CoachMenu : public QObject, private GameObserver {
    Q_OBJECT
public:
    // Long enough for the main window's first paint to come before the solve.
    static constexpr int kSolveDelayMs = 300;

    // Appends the two items to view and watches game; lives as a child of mainWindow.
    CoachMenu(QWidget* mainWindow, QMenu* view, Game& game);
    ~CoachMenu() override;

    void Hint1Click();
    void GameReview1Click();

    // The solved policy; waits for the worker if it is still at it.
    [[nodiscard]] const Solver& solver();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void startSolve();
    void gameStarted() override;
    void moveMade(const Tgamestate& before, PlayerMove move) override;
    void gameOver(int32_t total) override;
    void hideHint();

    QWidget* m_main;
    Game& m_game;
    GameRecord m_record;
    QPointer<HintPanel> m_hint;
    QPointer<Treview> m_review;
    std::unique_ptr<QThread> m_worker;
    std::future<std::unique_ptr<Solver>> m_solving;
    std::unique_ptr<Solver> m_solver;
};
