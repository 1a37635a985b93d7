// SPDX-License-Identifier: MIT
// pelbix_statistics_bench HISTORY.sqlite3 [PICTURE.png]: opens the
// Statistics window on the history as the View menu does (read every game,
// fill the charts and tables, paint) and prints the time it took and the
// resident memory it added. The solver is made first: the coach has it by
// the time a player asks for statistics. Perfect play's spread is kept
// beside the history as the game keeps it: the first run works it out (in
// the background), later runs read it; both say how long it took to be in.
#include <QApplication>
#include <QElapsedTimer>
#include <QTabWidget>
#include <cstdio>
#include <fstream>
#include <unistd.h>

#include "core/history/historystore.h"
#include "forms/gamehistory.h"
#include "forms/windows/statisticswindow.h"

namespace {

long residentKiB()
{
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: pelbix_statistics_bench HISTORY.sqlite3 [PICTURE.png]\n");
        return 2;
    }
    const Solver solver;
    {
        StatisticsWindow warm; // the first window of its kind pays for styles and fonts once
        warm.show();
        QApplication::processEvents();
    }
    const long before = residentKiB();
    QElapsedTimer timer;
    timer.start();
    HistoryStore store(argv[1]);
    PlayerText problem;
    const std::vector<HistoryGame> games = store.load(false, &problem);
    const qint64 loaded = timer.elapsed();
    StatisticsWindow window;
    window.setSpreadCache(GameHistory::spreadCacheFile(QString::fromLocal8Bit(argv[1])));
    window.showHistory(games, solver);
    const bool kept = window.hasPerfectSpread();
    const qint64 filled = timer.elapsed();
    window.show();
    window.repaint();
    QApplication::processEvents();
    const qint64 ms = timer.elapsed();
    const long added = residentKiB() - before;
    std::printf("games %zu, open %lld ms (read %lld, filled %lld), resident +%ld KiB%s\n", games.size(),
                static_cast<long long>(ms), static_cast<long long>(loaded), static_cast<long long>(filled), added,
                problem.empty() ? "" : (" (" + problem.english() + ")").c_str());
    window.waitForPerfectSpread();
    std::printf("perfect play's spread in after %lld ms (%s)\n", static_cast<long long>(timer.elapsed()),
                kept ? "read from the kept file" : "worked out");
    if (argc > 2) {
        for (int tab = 0; tab < window.findChild<QTabWidget*>()->count(); ++tab) {
            window.findChild<QTabWidget*>()->setCurrentIndex(tab);
            QApplication::processEvents();
            window.grab().save(QString::fromLocal8Bit(argv[2]).replace(QLatin1String(".png"),
                                                                       QStringLiteral("-%1.png").arg(tab)));
        }
    }
    return 0;
}
