// SPDX-License-Identifier: MIT
#include <QDir>
#include <QLabel>

#include <fstream>

#include "core/tally/tallyfile.h"
#include "forms/board/mainwindow.h"
#include "forms/programwindows.h"
#include "forms/windows/tallylistwindow.h"
#include "forms/windows/tallymodel.h"
#include "formsfixture.h"
#include "forms/art/objectnames.h"

namespace {

class TallyListTest : public FormsFixture {
protected:
    static QString text(const TallyListWindow& t, const QString& name) { return t.findChild<QLabel*>(name)->text(); }
    static bool isBold(const TallyListWindow& t, const QString& name) { return t.findChild<QLabel*>(name)->font().bold(); }
    static QColor colour(const TallyListWindow& t, const QString& name)
    {
        return t.findChild<QLabel*>(name)->palette().color(QPalette::WindowText);
    }
    void playOneGame(MainWindow& main, int ones)
    {
        click(main.findChild<QWidget*>("button_start"));
        for (int round = 1; round <= 10; ++round) {
            faces.script = {1, 1, 1, 2, 3, 4};
            click(main.findChild<QWidget*>("image_roll"));
            for (int i = 1; i <= ones; ++i)
                click(main.findChild<QWidget*>(QStringLiteral("dice%1").arg(i)));
            click(main.findChild<QWidget*>("image_turn"), {20, 11});
            main.onPauseElapsed();
        }
    }
};

TEST_F(TallyListTest, FirstStartShowsAnEmptyListAndZeroStatistics)
{
    TallyModel model(tallyFile());
    EXPECT_TRUE(model.load().isEmpty());
    TallyListWindow tally(model, dialogs);
    EXPECT_EQ(tally.windowTitle(), "Pelbix Solo - Tally List");
    for (int c = 1; c <= 4; ++c)
        EXPECT_EQ(text(tally, QStringLiteral("mylabel_%1").arg(c)), "0");
    for (int p = 1; p <= 10; ++p) {
        EXPECT_EQ(text(tally, QStringLiteral("label_num%1").arg(p)), QStringLiteral("%1.").arg(p));
        EXPECT_EQ(text(tally, QStringLiteral("label_high%1").arg(p)), "");
        EXPECT_TRUE(isBold(tally, QStringLiteral("label_name%1").arg(p)));
    }
    EXPECT_TRUE(dialogs.shown.isEmpty());
    shoot(&tally, "tally-empty");
}

TEST_F(TallyListTest, GamesOnTheBoardEnterTheListAndSurviveARestart)
{
    {
        MainWindow main(programFolder(), seams());
        TallyModel model(tallyFile());
        model.load();
        TallyListWindow tally(model, dialogs);
        main.setTally(&model);
        main.show();
        playOneGame(main, 3); // ten rounds of three ones: 10000
        // The finished game is on disk before anything closes.
        EXPECT_EQ(TallyFile::load(tallyFile().toStdString()).table.statistic(1), "1");
        EXPECT_EQ(text(tally, "label_high1"), "10000");
        EXPECT_EQ(text(tally, "label_name1"), "Guest");
        EXPECT_EQ(text(tally, "label_date1"), TallyModel::today());
        EXPECT_EQ(text(tally, "mylabel_1"), "1");
        EXPECT_EQ(text(tally, "mylabel_2"), "10000");
        EXPECT_EQ(text(tally, "mylabel_3"), "1000");
        EXPECT_EQ(text(tally, "mylabel_4"), "10000");
        EXPECT_EQ(colour(tally, "label_name1"), QColor(Qt::white));
        EXPECT_TRUE(isBold(tally, "label_high1"));
        EXPECT_FALSE(isBold(tally, "label_high2"));
        shoot(&tally, "tally-after-game");
    }
    TallyModel reread(tallyFile());
    reread.load();
    TallyListWindow again(reread, dialogs);
    EXPECT_EQ(text(again, "label_high1"), "10000");
    EXPECT_EQ(text(again, "mylabel_1"), "1");
    EXPECT_EQ(colour(again, "label_name1"), QColor(Qt::black));
}

// A save that fails at a game's end must not take the game down or lose the
// games: they stay pending and reach the file at the next save that works.
TEST_F(TallyListTest, AnUnwritableTallyAtGameEndKeepsTheGamesForTheNextSave)
{
    const QString unwritable = file("gone/pelbixsolotally.tld"); // its folder does not exist yet
    MainWindow main(programFolder(), seams());
    TallyModel model(unwritable);
    model.load();
    TallyListWindow tally(model, dialogs);
    main.setTally(&model);
    main.show();
    playOneGame(main, 3);
    EXPECT_EQ(text(tally, "mylabel_1"), "1");
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_TRUE(main.findChild<QWidget*>(objectname::kClearedPanel)->isVisible());
    EXPECT_FALSE(QFile::exists(unwritable));
    ASSERT_TRUE(QDir().mkdir(file("gone")));
    EXPECT_TRUE(model.save());
    EXPECT_EQ(TallyFile::load(unwritable.toStdString()).table.statistic(2), "10000");
}

TEST_F(TallyListTest, ResetAsksAndOnlyYesResets)
{
    {
        TallyModel model(tallyFile());
        model.load();
        TallyListWindow tally(model, dialogs);
        model.increment(1);
        model.enterGame(700, "Ann");
        model.addTo(2, 700);
        dialogs.answers = {false, true};
        tally.onResetTally();
        EXPECT_EQ(text(tally, "label_high1"), "700");
        tally.onResetTally();
        EXPECT_EQ(text(tally, "label_high1"), "");
        EXPECT_EQ(text(tally, "mylabel_1"), "0");
        EXPECT_FALSE(isBold(tally, "label_high1"));
        ASSERT_EQ(dialogs.shown.size(), 2);
        EXPECT_EQ(dialogs.shown[0].text, "Are you sure you want to reset the Tally?");
        EXPECT_EQ(dialogs.shown[0].kind, RecordingDialogService::Kind::RiskyQuestion) << "No is the default";
        EXPECT_TRUE(model.save());
    }
    TallyModel reread(tallyFile());
    reread.load();
    TallyListWindow reloaded(reread, dialogs);
    EXPECT_EQ(text(reloaded, "label_high1"), "");
    EXPECT_EQ(text(reloaded, "mylabel_2"), "0");
}

TEST_F(TallyListTest, DamagedFileIsReportedOnceKeptAndReplacedAtExit)
{
    std::ofstream(file("pelbixsolotally.tld").toStdString(), std::ios::binary) << "garbage!";
    {
        auto w = std::make_unique<ProgramWindows>(programFolder(), seams());
        ASSERT_EQ(dialogs.shown.size(), 1);
        EXPECT_TRUE(dialogs.shown[0].text.startsWith(file("pelbixsolotally.tld") +
                                                     " : Lzrw1 decompression : this file has no valid header !"))
            << dialogs.shown[0].text.toStdString();
        EXPECT_EQ(text(w->tallylist, "mylabel_1"), "0");
        w->main.onStartButton();
        EXPECT_EQ(text(w->tallylist, "mylabel_1"), "1");
        w->main.close();
    }
    EXPECT_TRUE(QFile::exists(file("pelbixsolotally.tld.damaged")));
    TallyModel reread(tallyFile());
    EXPECT_TRUE(reread.load().isEmpty());
    EXPECT_EQ(reread.table().statistic(1), "1");
    EXPECT_EQ(dialogs.shown.size(), 1);
}

TEST_F(TallyListTest, DoneAndTheCloseBoxOnlyHide)
{
    TallyModel model(tallyFile());
    TallyListWindow tally(model, dialogs);
    tally.show();
    click(tally.findChild<QWidget*>("button_done"));
    EXPECT_FALSE(tally.isVisible());
    tally.show();
    tally.close();
    EXPECT_FALSE(tally.isVisible());
    EXPECT_NE(tally.findChild<QLabel*>("mylabel_1"), nullptr);
}

TEST_F(TallyListTest, OpensWithFocusOnDoneNotOnReset)
{
    // Focus on RESET TALLY let two Returns wipe the tally.
    ProgramWindows w(programFolder(), seams());
    w.main.show();
    w.main.onTallyList();
    EXPECT_EQ(w.tallylist.focusWidget(), w.tallylist.findChild<QWidget*>("button_done"));
}

} // namespace
