// SPDX-License-Identifier: MIT
#include "forms/gamehistory.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QSaveFile>

#include "core/history/historyanalysis.h"
#include "core/history/historycsv.h"
#include "forms/board/coachmenu.h"
#include "forms/board/mainwindow.h"
#include "platform/translatedtext.h"
#include "forms/windows/reviewwindow.h"
#include "forms/windows/statisticswindow.h"
#include "platform/dialogservice.h"

namespace {
// Perfect play's spread of scores, kept beside the history once worked out.
const QString kSpreadFile = QStringLiteral("perfectplay-spread.txt");
} // namespace

GameHistory::GameHistory(MainWindow& main, const QString& path)
    : QObject(&main), m_main(main), m_store(path.toStdString()),
      m_spreadCache(spreadCacheFile(path))
{
    setObjectName(QStringLiteral("history"));
    m_main.historyRecorder().setHandler([this](HistoryGame& game) { record(game); });
    buildMenus();
}

void GameHistory::buildMenus()
{
    if (auto* file = m_main.findChild<QMenu*>(QStringLiteral("file1"))) {
        auto* exportAction = new QAction(tr("&Export History..."), file);
        exportAction->setObjectName(QStringLiteral("ExportHistory1"));
        connect(exportAction, &QAction::triggered, this, &GameHistory::onExportHistory);
        QAction* before = nullptr; // ahead of the separator above Exit
        for (QAction* a : file->actions())
            if (a->objectName() == QLatin1String("N1"))
                before = a;
        file->insertAction(before, exportAction);
    }
    if (auto* view = m_main.findChild<QMenu*>(QStringLiteral("View1"))) {
        QAction* stats = view->addAction(tr("&Statistics"), this, &GameHistory::onStatistics);
        stats->setObjectName(QStringLiteral("Statistics1"));
        stats->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    }
    // A hint on show counts for the decision it is about.
    if (auto* hint = m_main.findChild<QAction*>(QStringLiteral("Hint1")))
        connect(hint, &QAction::triggered, this, [this] {
            if (m_main.game().state().canPlay)
                m_main.historyRecorder().hintShown();
        });
    // Connected after the coach's own handler: the review is filled by then.
    if (auto* review = m_main.findChild<QAction*>(QStringLiteral("GameReview1")))
        connect(review, &QAction::triggered, this, &GameHistory::markReview);
}

QString GameHistory::spreadCacheFile(const QString& historyPath)
{
    return QFileInfo(historyPath).dir().filePath(kSpreadFile);
}

StatisticsWindow* GameHistory::statisticsWindow() const { return m_statistics; }

const Solver* GameHistory::solver() const
{
    auto* coach = m_main.findChild<CoachMenu*>(QStringLiteral("coach"));
    return coach ? coach->solver() : nullptr;
}

void GameHistory::record(HistoryGame& game)
{
    game.name = m_main.playerNameText().toStdString();
    completeGame(game, game.abandoned ? nullptr : solver());
    if (!game.abandoned)
        m_lastHints = game.hints;
    tell(translated(m_store.record(game)));
    if (m_statistics && m_statistics->isVisible())
        onStatistics(); // brought up to date
}

void GameHistory::tell(const QString& problem)
{
    if (!problem.isEmpty())
        m_main.dialogs().error(&m_main, problem);
}

void GameHistory::markReview()
{
    if (auto* review = m_main.findChild<ReviewWindow*>(QStringLiteral("review")))
        review->markHints(m_lastHints);
}

std::vector<HistoryGame> GameHistory::games(QString* problem)
{
    PlayerText why;
    std::vector<HistoryGame> list = m_store.load(false, &why);
    if (problem)
        *problem = translated(why);
    return list;
}

QString GameHistory::exportTo(const QString& path)
{
    QString problem;
    const std::vector<HistoryGame> list = games(&problem);
    if (!problem.isEmpty() && list.empty())
        return problem;
    QSaveFile file(path); // a failed export leaves any earlier file whole
    const std::string csv = historyCsv(list);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv.data(), static_cast<qint64>(csv.size())) != static_cast<qint64>(csv.size()) ||
        !file.commit())
        return tr("The history could not be written to %1: %2").arg(path, file.errorString());
    return {};
}

void GameHistory::onExportHistory()
{
    const QString path = QFileDialog::getSaveFileName(&m_main, tr("Export History"),
                                                      QStringLiteral("pelbixsolo-history.csv"),
                                                      tr("CSV files (*.csv)"));
    if (!path.isEmpty())
        tell(exportTo(path));
}

void GameHistory::onStatistics()
{
    if (!m_statistics) {
        m_statistics = new StatisticsWindow(&m_main);
        m_statistics->setSpreadCache(m_spreadCache);
    }
    QString problem;
    const std::vector<HistoryGame> list = games(&problem);
    if (!problem.isEmpty())
        tell(problem);
    if (const Solver* s = solver())
        m_statistics->showHistory(list, *s);
    m_statistics->showCentredOn(&m_main);
}
