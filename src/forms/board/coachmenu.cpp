// SPDX-License-Identifier: MIT
#include "forms/board/coachmenu.h"

#include <QAction>
#include <QMenu>
#include <QThreadPool>
#include <QWidget>
#include <QtConcurrent/QtConcurrentRun>

#include "core/game/coach.h"
#include "core/game/game.h"
#include "forms/board/hintpanel.h"
#include "forms/windows/reviewwindow.h"
#include "forms/art/objectnames.h"

namespace {

// The solve keeps a processor busy for a while: on a thread of its own, the
// shared pool's work (the statistics, the update's checks) never queues
// behind it.
QThreadPool& solvePool()
{
    static QThreadPool pool;
    static const bool ready = [] {
        pool.setMaxThreadCount(1);
        pool.setThreadPriority(QThread::LowestPriority);
        return true;
    }();
    (void)ready;
    return pool;
}

} // namespace

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
// every call into this observer: only a solve under way is left to wait
// for. One still queued behind other work is dropped rather than run here.
// A future whose solver was taken is empty and has nothing to wait for.
CoachMenu::~CoachMenu()
{
    if (!m_solving.isValid())
        return;
    m_solving.cancel();
    m_solving.waitForFinished();
}

void CoachMenu::startSolve()
{
    if (solveStarted())
        return;
    // The task builds its own solver and hands it over whole through the future.
    m_solving = QtConcurrent::run(&solvePool(), [] { return std::make_unique<Solver>(); });
}

const Solver* CoachMenu::solver()
{
    if (!m_solver) {
        startSolve();
        try {
            m_solver = m_solving.takeResult();
        } catch (const std::exception&) {
            return nullptr; // out of memory in the solve: the coach stays silent
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
