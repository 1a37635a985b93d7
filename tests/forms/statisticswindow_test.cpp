// SPDX-License-Identifier: MIT
#include <QAccessible>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTableView>

#include "core/history/historycsv.h"
#include "core/history/historystore.h"
#include "forms/gamehistory.h"
#include "forms/programwindows.h"
#include "forms/windows/reviewwindow.h"
#include "forms/windows/statisticswindow.h"
#include "formsfixture.h"

namespace {

class StatisticsTest : public FormsFixture {
protected:
    StatisticsTest() : w(std::make_unique<ProgramWindows>(programFolder(), seams()))
    {
        w->main.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w->main));
    }
    QWidget* child(const char* name) const { return w->main.findChild<QWidget*>(QString::fromLatin1(name)); }
    void trigger(const char* action) const { w->main.findChild<QAction*>(QString::fromLatin1(action))->trigger(); }
    void roll(std::deque<int32_t> script)
    {
        faces.script = std::move(script);
        click(child("image_roll"));
    }
    // A game of one bank of 1,500 in round 1 and nine rounds that score nothing.
    void playGame(bool hinted)
    {
        w->main.onStartButton();
        if (hinted) {
            trigger("Hint1");
            trigger("Hint1"); // the same decision: counted once
        }
        roll({1, 2, 3, 4, 5, 6});
        for (const char* die : {"dice1", "dice2", "dice3", "dice4", "dice5", "dice6"})
            click(child(die));
        QTest::keyClick(&w->main, Qt::Key_B);
        for (int round = 2; round <= kRounds + 1; ++round) {
            w->main.onPauseElapsed();
            if (round <= kRounds)
                roll({2, 3, 4, 6, 6, 2});
        }
        w->main.onPauseElapsed();
    }
    std::vector<HistoryGame> stored() const
    {
        return HistoryStore(programFolder().historyFile().toStdString()).load(true);
    }

    std::unique_ptr<ProgramWindows> w;
};

TEST_F(StatisticsTest, GamesAreRecordedMarkedReviewedExportedAndCharted)
{
    playGame(true);
    auto games = stored();
    ASSERT_EQ(games.size(), 1U);
    EXPECT_FALSE(games[0].abandoned);
    EXPECT_EQ(games[0].score, 1500);
    EXPECT_EQ(games[0].hints, 1);
    ASSERT_TRUE(games[0].skill);
    EXPECT_TRUE(replayGame(games[0]).exact);

    trigger("GameReview1");
    auto* review = w->main.findChild<ReviewWindow*>(QStringLiteral("review"));
    ASSERT_NE(review, nullptr);
    EXPECT_TRUE(review->findChild<QLabel*>("label_summary")->text().endsWith("(hints used: 1)"));
    shoot(review, "review-hints");

    // Started over after a roll: the game left is kept as abandoned.
    w->main.onStartButton();
    roll({2, 3, 4, 6, 6, 2});
    w->main.onPauseElapsed();
    dialogs.answers = {true}; // yes, abandon it
    w->main.onStartButton();
    games = stored();
    ASSERT_EQ(games.size(), 2U);
    EXPECT_TRUE(games[1].abandoned);
    EXPECT_EQ(games[1].rounds, 1);

    const QString csvPath = file("export.csv");
    EXPECT_EQ(w->history->exportTo(csvPath), "");
    QFile csv(csvPath);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    std::vector<HistoryGame> rows;
    std::string problem;
    ASSERT_TRUE(readHistoryCsv(csv.readAll().toStdString(), rows, problem)) << problem;
    ASSERT_EQ(rows.size(), 2U);
    EXPECT_EQ(rows[0].hints, 1);
    EXPECT_TRUE(rows[1].abandoned);
    EXPECT_NE(w->history->exportTo(file("no-such-folder/export.csv")), "");

    QTest::keySequence(&w->main, QKeySequence(Qt::CTRL | Qt::Key_T));
    StatisticsWindow* stats = w->history->statisticsWindow();
    ASSERT_NE(stats, nullptr);
    EXPECT_TRUE(stats->isVisible());
    EXPECT_EQ(stats->charts().scores, std::vector<int32_t>{1500});
    auto* table = stats->findChild<QTableView*>(QStringLiteral("table_0"));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->model()->rowCount(), 1);
    EXPECT_EQ(table->model()->index(0, 1).data().toString(), "1500");
    EXPECT_EQ(table->accessibleName(), "Scores table");
    EXPECT_TRUE(stats->findChild<QLabel*>("label_summary")->text().startsWith("Games finished: 1 (1 coached, 1 abandoned)."))
        << stats->findChild<QLabel*>("label_summary")->text().toStdString();
    // A screen reader reads the table by its headers and cells.
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(table);
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->role(), QAccessible::Table);
    QAccessibleTableInterface* cells = grid->tableInterface();
    ASSERT_NE(cells, nullptr);
    EXPECT_EQ(cells->columnCount(), 3);
    QAccessibleInterface* cell = cells->cellAt(0, 1);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name), "1500");
    ASSERT_EQ(cell->tableCellInterface()->columnHeaderCells().size(), 1);
    EXPECT_EQ(cell->tableCellInterface()->columnHeaderCells()[0]->text(QAccessible::Name), "Score");
    // Tab leaves the table for the next control instead of walking its cells.
    QApplication::setActiveWindow(stats); // a tool window: not activated by the offscreen platform
    table->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), table);
    QTest::keyClick(table, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), table);

    stats->waitForPerfectSpread();
    EXPECT_TRUE(stats->hasPerfectSpread());
    // Worked out once: the next window reads it at once.
    ASSERT_TRUE(QFile::exists(GameHistory::spreadCacheFile(programFolder().historyFile())));
    StatisticsWindow again;
    again.setSpreadCache(GameHistory::spreadCacheFile(programFolder().historyFile()));
    again.showHistory(stored(), *w->history->solver());
    EXPECT_TRUE(again.hasPerfectSpread());
    EXPECT_EQ(again.charts().perfectBins, stats->charts().perfectBins);
    double expected = 0;
    for (const double share : stats->charts().perfectBins)
        expected += share;
    EXPECT_NEAR(expected, 1, 1e-3) << "one game's worth of perfect play";
    EXPECT_EQ(stats->findChild<QTableView*>(QStringLiteral("table_1"))->model()->rowCount(),
              static_cast<int>(stats->charts().perfectBins.size()));
    shoot(stats, "statistics");
}

TEST_F(StatisticsTest, ADamagedHistoryIsToldOnceAndReplaced)
{
    QFile bad(programFolder().historyFile());
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray(8192, 'x'));
    bad.close();
    playGame(false);
    ASSERT_EQ(dialogs.shown.size(), 1U);
    EXPECT_TRUE(dialogs.shown[0].text.contains("was damaged")) << dialogs.shown[0].text.toStdString();
    EXPECT_EQ(stored().size(), 1U);
    // Closing with the spread of perfect play still being worked out stops the work.
    QTest::keySequence(&w->main, QKeySequence(Qt::CTRL | Qt::Key_T));
    EXPECT_FALSE(w->history->statisticsWindow()->hasPerfectSpread());
    w.reset();
}

} // namespace
