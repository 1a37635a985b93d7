// SPDX-License-Identifier: MIT
#include "forms/board/coachmenu.h"

#include <QAction>
#include <QMenu>
#include <QThread>
#include <QWidget>

#include "core/game/coach.h"
#include "core/game/game.h"
#include "forms/board/hintpanel.h"
#include "forms/windows/reviewwindow.h"
#include "forms/art/objectnames.h"

CoachMenu::CoachMenu(QWidget* mainWindow, QMenu* view, Game& game)
    : QObject(mainWindow), m_main(mainWindow), m_game(game)
{
    setObjectName(QStringLiteral("coach"));
    QAction* hint = view->addAction(tr("&Hint"), this, &CoachMenu::onHint);
    hint->setObjectName(QStringLiteral("Hint1"));
    hint->setShortcut(QKeySequence(Qt::Key_H));
    view->addAction(tr("&Game Review"), this, &CoachMenu::onGameReview)
        ->setObjectName(QStringLiteral("GameReview1"));
    m_game.setObserver(this);
}

// The main window's game is gone by the time its children go, and with it
// every call into this observer: only the worker is left to wait for.
CoachMenu::~CoachMenu()
{
    if (m_worker)
        m_worker->wait();
}

void CoachMenu::startSolve()
{
    if (m_worker)
        return;
    // The worker builds its own solver and hands it over whole through the future.
    auto task = std::make_shared<std::packaged_task<std::unique_ptr<Solver>()>>(
        [] { return std::make_unique<Solver>(); });
    m_solving = task->get_future();
    m_worker.reset(QThread::create([task] { (*task)(); }));
    m_worker->start(QThread::LowestPriority);
}

const Solver* CoachMenu::solver()
{
    if (!m_solver) {
        startSolve();
        try {
            m_solver = m_solving.get();
        } catch (const std::exception&) {
            return nullptr; // out of memory in the worker: the coach stays silent
        }
    }
    return m_solver.get();
}

void CoachMenu::onHint()
{
    QWidget* board = m_main->findChild<QWidget*>(QString::fromLatin1(objectname::kBoard));
    if (!board)
        return;
    std::optional<Hint> hint;
    if (m_game.state().canPlay) {
        const Solver* s = solver();
        if (!s)
            return;
        hint = hintFor(*s, m_game.state());
    }
    if (!m_hint)
        m_hint = new HintPanel(board);
    m_hint->showHint(hint);
}

void CoachMenu::onGameReview()
{
    if (!m_review)
        m_review = new ReviewWindow(m_main);
    if (!m_record.hasFinishedGame()) {
        m_review->showReview(nullptr);
    } else if (const Solver* s = solver()) {
        const GameReview review = reviewGame(*s, m_record.lastGame(), m_record.lastScore());
        m_review->showReview(&review);
    } else {
        return;
    }
    m_review->showCentredOn(m_main);
}

void CoachMenu::hideHint()
{
    if (m_hint)
        m_hint->hide();
}

void CoachMenu::gameStarted()
{
    startSolve();
    hideHint();
    m_record.gameStarted();
}

void CoachMenu::moveMade(const GameState& before, PlayerMove move)
{
    hideHint();
    m_record.moveMade(before, move);
}

void CoachMenu::gameOver(int32_t total) { m_record.gameOver(total); }
