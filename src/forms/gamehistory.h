// SPDX-License-Identifier: MIT
#pragma once
#include <QObject>
#include <QPointer>
#include <QString>
#include <vector>

#include "core/history/historystore.h"

class CoachMenu;
class Solver;
class MainWindow;
class StatisticsWindow;

// The player's game history on the window side: every game the main
// window's game finishes (or leaves for a new one) goes into the history
// file, judged by the coach; the File menu's "Export History..." and the
// View menu's "Statistics" read it. Owned by the program's windows beside
// the tally.
class GameHistory : public QObject {
    Q_OBJECT
public:
    // Lives as a child of main, so it goes after main's game and recorder.
    GameHistory(MainWindow& main, const QString& path);

    // Writes every game as CSV to path; empty when done, else the message.
    QString exportTo(const QString& path);
    void onExportHistory();
    void onStatistics();

    [[nodiscard]] std::vector<HistoryGame> games(QString* problem = nullptr);
    // Hints used in the last finished game, for the review.
    [[nodiscard]] int lastHints() const { return m_lastHints; }
    [[nodiscard]] StatisticsWindow* statisticsWindow() const;
    // Where perfect play's spread of scores is kept beside a history file.
    [[nodiscard]] static QString spreadCacheFile(const QString& historyPath);
    // The coach's solver, waiting for it if need be; null without a coach.
    [[nodiscard]] const Solver* solver() const;

private:
    void record(HistoryGame& game);
    void buildMenus();
    void markReview();
    void tell(const QString& problem);

    MainWindow& m_main;
    HistoryStore m_store;
    QString m_spreadCache; // where perfect play's spread is kept
    QPointer<StatisticsWindow> m_statistics;
    int m_lastHints = 0;
};
