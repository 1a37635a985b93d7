// SPDX-License-Identifier: MIT
#include <QAction>
#include <QEventLoop>
#include <QMenuBar>
#include <QLabel>
#include <QProcess>
#include <QTextEdit>

#include <fstream>

#include "widgets/selectbutton.h"
#include "widgets/webaddress.h"
#include "support/recordingurlopener.h"
#include "core/tally/tallyfile.h"
#include "core/settings/settings.h"
#include "forms/programwindows.h"
#include "formsfixture.h"
#include "support/eventwait.h"
#include "forms/art/objectnames.h"

namespace {

class ShellTest : public FormsFixture {
protected:
    std::unique_ptr<ProgramWindows> open()
    {
        auto w = std::make_unique<ProgramWindows>(programFolder(), seams());
        w->main.show();
        w->main.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w->main));
        return w;
    }
    // Starts a copy of the real program, offscreen, and waits until it has
    // taken its lock: that happens while the windows are made, after the
    // signal handler is in place. A copy run from a writable folder keeps
    // its files beside itself.
    void startTheProgram(QProcess& game)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", folder.path());
        game.setProcessEnvironment(env);
        const QString program = file(QStringLiteral("pelbixsolo"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(PELBIX_APP_BINARY), program));
        game.start(program, {});
        ASSERT_TRUE(game.waitForStarted(10000));
        ASSERT_TRUE(waitUntil([&] { return QFile::exists(file("pelbixsolo.lock")); }, 10000));
    }
    static QAction* action(ProgramWindows& w, const char* name) { return w.main.findChild<QAction*>(name); }
    static QString tallyGames(ProgramWindows& w) { return w.tallylist.findChild<QLabel*>("mylabel_1")->text(); }
    static QWidget* topPage(HelpWindow& help)
    {
        QWidget* area = help.findChild<QWidget*>("memo1")->parentWidget();
        QWidget* page = area->childAt(area->rect().center());
        while (page && !page->objectName().startsWith("memo"))
            page = page->parentWidget();
        return page;
    }
};

TEST_F(ShellTest, EachWindowDidItsCreationWork)
{
    std::ofstream(file("pelbixsolo.ini").toStdString()) << "[pelbixsolo]\r\nName=Mara\r\nUpdate=false\r\n";
    TallyTable t;
    t.enterGame(4321, "Mara", "1/2/26");
    TallyFile::save(file("pelbixsolotally.tld").toStdString(), t);
    auto w = open();
    EXPECT_EQ(w->main.windowTitle(), "Pelbix Solo");
    EXPECT_EQ(w->main.playerNameText(), "Mara");
    EXPECT_EQ(w->about.windowTitle(), "Pelbix Solo - About");
    EXPECT_EQ(w->help.windowTitle(), "Pelbix Solo - Help File");
    EXPECT_EQ(w->highscore.windowTitle(), "Pelbix Solo - High Scores");
    EXPECT_EQ(w->tallylist.windowTitle(), "Pelbix Solo - Tally List");
    EXPECT_EQ(w->multiplayer.windowTitle(), "Pelbix Solo - Multiplayer");
    EXPECT_EQ(w->tallylist.findChild<QLabel*>("label_high1")->text(), "4321");
    EXPECT_EQ(w->about.versionText(), "1.0.2");
    const QString year = QString::number(QDate::currentDate().year());
    EXPECT_EQ(w->about.findChild<QLabel*>("label_year")->text(), year);
    EXPECT_EQ(w->help.findChild<QLabel*>("label_year")->text(), year);
    for (QWidget* secondary : std::initializer_list<QWidget*>{&w->about, &w->help, &w->highscore, &w->tallylist,
                                                             &w->multiplayer})
        EXPECT_FALSE(secondary->isVisible()) << secondary->windowTitle().toStdString();
}

TEST_F(ShellTest, MenuCommandsShowTheirWindows)
{
    auto w = open();
    const struct {
        const char* action;
        QWidget* window;
    } cases[] = {{"TallyList1", &w->tallylist}, {"Help2", &w->help}, {"About1", &w->about},
                 {"Multiplayer1", &w->multiplayer}, {"ViewHighScoreList1", &w->highscore}};
    for (const auto& c : cases) {
        ASSERT_NE(action(*w, c.action), nullptr) << c.action;
        action(*w, c.action)->trigger();
        EXPECT_TRUE(c.window->isVisible()) << c.action;
    }
    // Closing any of them leaves the program and the other windows alone.
    for (const auto& c : cases) {
        c.window->close();
        EXPECT_FALSE(c.window->isVisible()) << c.action;
    }
    EXPECT_TRUE(w->main.isVisible());
    const QStringList menus = {"File", "Options", "View", "Help"};
    QStringList bar;
    for (QAction* a : w->main.menuBar()->actions())
        bar << (a->isSeparator() ? QStringLiteral("-") : a->text().remove(QLatin1Char('&')));
    EXPECT_EQ(bar, (QStringList{"File", "Options", "View", "Help", "-", "Check out Multiplayer Pelbix!"}));
    EXPECT_EQ(action(*w, "StartGame1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(action(*w, "Help2")->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(action(*w, "ChangeName1")->text().remove(QLatin1Char('&')), "Change  Name");
}

TEST_F(ShellTest, CtrlSWhileTheEndOfGamePanelShowsStartsANewGame)
{
    auto w = open();
    w->main.onStartButton();
    w->main.findChild<QWidget*>(objectname::kClearedPanel)->show();
    dialogs.defaultAnswer = true; // round 1 is under way: yes, abandon it
    QTest::keyClick(&w->main, Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(w->main.findChild<QWidget*>(objectname::kClearedPanel)->isVisible());
    EXPECT_EQ(w->main.game().state().round, 1);
    EXPECT_EQ(tallyGames(*w), "2");
}

TEST_F(ShellTest, F1BringsBackThePageChosenLast)
{
    auto w = open();
    QTest::keyClick(&w->main, Qt::Key_F1);
    ASSERT_TRUE(w->help.isVisible());
    EXPECT_EQ(w->help.findChild<QLabel*>("label_caption")->text(), "Overview");
    w->help.onPageButton(w->help.findChild<SelectButton*>("SelButton4"));
    w->help.onDone();
    EXPECT_FALSE(w->help.isVisible());
    w->main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w->main));
    QTest::keyClick(&w->main, Qt::Key_F1);
    EXPECT_TRUE(w->help.isVisible());
    EXPECT_EQ(w->help.findChild<QLabel*>("label_caption")->text(), "Scoring");
    EXPECT_EQ(topPage(w->help)->objectName(), "memo4");
}

TEST_F(ShellTest, ShortcutsDoNothingInASecondaryWindow)
{
    auto w = open();
    w->tallylist.showCentredOn(&w->main);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w->tallylist));
    QTest::keyClick(&w->tallylist, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(&w->tallylist, Qt::Key_F1);
    EXPECT_EQ(w->main.game().state().round, 0);
    EXPECT_FALSE(w->help.isVisible());
}

TEST_F(ShellTest, LogoClickWithARefusingBrowserShowsNothing)
{
    RecordingUrlOpener& refusing = urls;
    refusing.accept = false;
    auto w = open();
    click(w->main.findChild<QWidget*>("image_logo"));
    EXPECT_EQ(refusing.opened, QStringList{w->about.makerSite->fullAddress()});
    EXPECT_TRUE(refusing.opened[0].startsWith("http://"));
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_FALSE(w->about.isVisible());
}

TEST_F(ShellTest, ClosingMainWithOthersOpenWritesTheTally)
{
    {
        auto w = open();
        w->help.showCentredOn(&w->main);
        w->tallylist.showCentredOn(&w->main);
        w->main.onStartButton();
        // That the application loop then ends is shown by the real program
        // below; here, closing main writes the tally while every window is
        // still there.
        w->main.findChild<QAction*>("Exit1")->trigger();
        EXPECT_FALSE(w->main.isVisible());
        EXPECT_TRUE(w->help.isVisible());
        const auto loaded = TallyFile::load(file("pelbixsolotally.tld").toStdString());
        EXPECT_FALSE(loaded.error);
        EXPECT_EQ(loaded.table.statistic(1), "1");
    }
}

// The real program, ended by the desktop session the way Exit ends it: the
// loop ends, the windows go in order, and nothing is lost.
TEST_F(ShellTest, SigtermSavesSettingsAndTally)
{
    QProcess game;
    ASSERT_NO_FATAL_FAILURE(startTheProgram(game));
    // From now on a SIGTERM must close, not kill.
    game.terminate();
    ASSERT_TRUE(game.waitForFinished(10000));
    EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(game.exitCode(), 0);
    const Settings s = Settings::load(file("pelbixsolo.ini").toStdString());
    EXPECT_EQ(s.name, "Guest");
    std::ifstream ini(file("pelbixsolo.ini").toStdString());
    std::string text((std::istreambuf_iterator<char>(ini)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("Update=true"), std::string::npos) << text;
    const auto tally = TallyFile::load(file("pelbixsolotally.tld").toStdString());
    EXPECT_FALSE(tally.error);
}

// The HTTP library is loaded by the first fetch: a start without the update
// check never maps it.
TEST_F(ShellTest, StartWithoutAFetchLeavesTheHttpLibraryUnloaded)
{
    {
        std::ofstream ini(file("pelbixsolo.ini").toStdString());
        ini << "[pelbixsolo]\r\nUpdate=false\r\n";
    }
    QProcess game;
    ASSERT_NO_FATAL_FAILURE(startTheProgram(game));
    QTest::qWait(500); // the window shows and the loop settles
    QFile maps(QStringLiteral("/proc/%1/maps").arg(game.processId()));
    ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
    const QByteArray mapped = maps.readAll();
    EXPECT_TRUE(mapped.contains("libQt6Widgets"));
    EXPECT_FALSE(mapped.contains("libcurl"));
    game.terminate();
    ASSERT_TRUE(game.waitForFinished(10000));
}

} // namespace
