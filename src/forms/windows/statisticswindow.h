// SPDX-License-Identifier: MIT
#pragma once
#include <QSize>
#include <QWidget>
#include <memory>
#include <vector>

#include "core/history/historyanalysis.h"

class QLabel;
class QTabWidget;
class QTableView;
template <typename T> class QFutureWatcher;
class HistoryChart;
class ChartTable;

// The player's games at a glance: scores over time, their spread beside
// perfect play's, points given away, luck, and busts against the exact
// odds. Each chart has its figures in a table beside it, for the keyboard
// and screen readers. Charts are painted here, no chart library.
class StatisticsWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kClientSize{820, 540};

    explicit StatisticsWindow(QWidget* parent = nullptr);
    ~StatisticsWindow() override;

    // Where perfect play's spread is kept once worked out (empty: nowhere).
    void setSpreadCache(const QString& path) { m_spreadCache = path; }
    void showHistory(const std::vector<HistoryGame>& games, const Solver& solver);
    void showCentredOn(const QWidget* mainWindow);
    [[nodiscard]] const HistoryCharts& charts() const { return m_charts; }
    // Whether the spread of perfect play is in (it is worked out in the background).
    [[nodiscard]] bool hasPerfectSpread() const { return !m_perfect.empty(); }
    void waitForPerfectSpread();

private:
    struct Page {
        HistoryChart* chart = nullptr;
        ChartTable* table = nullptr;
        QTableView* view = nullptr;
    };
    Page addPage(const QString& title);
    void fill();
    void startPerfectSpread(const Solver& solver);

    QLabel* m_summary = nullptr;
    QTabWidget* tabs = nullptr;
    std::vector<Page> m_pages;
    std::vector<HistoryGame> m_games;
    const Solver* m_solver = nullptr;
    HistoryCharts m_charts;
    std::vector<double> m_perfect;
    QString m_spreadCache;
    QFutureWatcher<std::vector<double>>* m_worker = nullptr; // the spread, worked out in the background
    std::shared_ptr<std::atomic<bool>> m_stop = std::make_shared<std::atomic<bool>>(false);
    bool m_placed = false;
};
