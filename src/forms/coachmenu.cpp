#include "forms/coachmenu.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include "core/game/coach.h"
#include "core/game/game.h"
#include "forms/hintpanel.h"
#include "forms/reviewform.h"

CoachMenu::CoachMenu(QWidget* mainWindow, QMenu* view, Game& game)
    : QObject(mainWindow), m_main(mainWindow), m_game(game)
{
    setObjectName(QStringLiteral("coach"));
    QAction* hint = view->addAction(QStringLiteral("Hint"), this, &CoachMenu::Hint1Click);
    hint->setObjectName(QStringLiteral("Hint1"));
    hint->setShortcut(QKeySequence(Qt::Key_H));
    view->addAction(QStringLiteral("Game Review"), this, &CoachMenu::GameReview1Click)
        ->setObjectName(QStringLiteral("GameReview1"));
    m_game.setObserver(this);
    mainWindow->installEventFilter(this);
}

// The main window's game is gone by the time its children go, and with it
// every call into this observer: only the worker is left to wait for.
CoachMenu::~CoachMenu()
{
    if (m_worker)
        m_worker->wait();
}

bool CoachMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_main && event->type() == QEvent::Show && !m_worker)
        QTimer::singleShot(kSolveDelayMs, this, &CoachMenu::startSolve);
    return QObject::eventFilter(watched, event);
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

const Solver& CoachMenu::solver()
{
    if (!m_solver) {
        startSolve();
        m_solver = m_solving.get();
    }
    return *m_solver;
}

void CoachMenu::Hint1Click()
{
    QWidget* board = m_main->findChild<QWidget*>(QStringLiteral("panel_board1"));
    if (!board)
        return;
    if (!m_hint)
        m_hint = new HintPanel(board);
    m_hint->showHint(hintFor(solver(), m_game.state()));
}

void CoachMenu::GameReview1Click()
{
    if (!m_review)
        m_review = new Treview(m_main);
    if (m_record.hasFinishedGame()) {
        const GameReview review = reviewGame(solver(), m_record.lastGame(), m_record.lastScore());
        m_review->showReview(&review);
    } else {
        m_review->showReview(nullptr);
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
    hideHint();
    m_record.gameStarted();
}

void CoachMenu::moveMade(const Tgamestate& before, PlayerMove move)
{
    hideHint();
    m_record.moveMade(before, move);
}

void CoachMenu::gameOver(int32_t total) { m_record.gameOver(total); }
