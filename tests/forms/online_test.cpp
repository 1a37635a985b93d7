#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QUrlQuery>

#include <atomic>
#include <fstream>

#include "controls/flatpanel.h"
#include "controls/htmllite.h"
#include "forms/programwindows.h"
#include "formsfixture.h"
#include "net/httpget.h"
#include "support/eventwait.h"
#include "support/recordingurlopener.h"
#include "support/scriptedhttpserver.h"

namespace {

// Answers every request by path: the list page, a post's answer, the
// version file and the installer, as the test sets them.
class OnlineTest : public FormsFixture {
protected:
    std::string versionBody = "1.0.2";
    std::string installer;
    int installerStatus = 200;
    std::atomic<bool> answerPosts{true};
    std::atomic<int> listRequests{0};
    ScriptedHttpServer server{[this](ScriptedHttpServer::Connection& c) { serve(c); }};

    void serve(ScriptedHttpServer::Connection& c)
    {
        const std::string request = c.readRequest();
        if (request.rfind("GET /cgi-bin/pelbixsolo.cgi?", 0) == 0) {
            while (!answerPosts)
                c.pause(10);
            c.send(ScriptedHttpServer::answer(200, "OK", "<p>thanks</p>"));
        } else if (request.rfind("GET /counter/pelbixsolo.shtml", 0) == 0) {
            ++listRequests;
            c.pause(200); // long enough for a second request to find getit busy
            c.send(ScriptedHttpServer::answer(200, "OK", "<html><body><h1>HIGH SCORES</h1></body></html>"));
        } else if (request.rfind("GET /pelbixsolo/pelbixsoloversion.txt", 0) == 0) {
            c.send(ScriptedHttpServer::answer(200, "OK", versionBody));
        } else if (request.rfind("GET /pelbixsolo/qztsetup.exe", 0) == 0) {
            c.send(ScriptedHttpServer::answer(installerStatus, installerStatus == 200 ? "OK" : "Not Found", installer));
        } else {
            c.send(ScriptedHttpServer::answer(404, "Not Found", "nothing here"));
        }
    }

    std::unique_ptr<ProgramWindows> open(bool updateCheck = false)
    {
        std::ofstream(file("pelbixsolo.ini").toStdString(), std::ios::binary)
            << "[pelbixsolo]\r\nServer=127.0.0.1:" << server.port()
            << "\r\nUpdate=" << (updateCheck ? "true" : "false") << "\r\n";
        auto w = std::make_unique<ProgramWindows>(programFolder(), TmainSeams{&sounds, &faces});
        w->main.setProgramFile(file("pelbixsolo"));
        w->main.setProcessEnd([this](int code) { endedWith = code; });
        w->main.show();
        return w;
    }

    std::vector<std::string> requestsFor(const std::string& prefix) const
    {
        std::vector<std::string> out;
        for (const auto& r : server.requests())
            if (r.rfind(prefix, 0) == 0)
                out.push_back(r);
        return out;
    }

    // The query values of the one post the server received, decoded the way a CGI does.
    QUrlQuery postedQuery() const
    {
        const auto posts = requestsFor("GET /cgi-bin/");
        EXPECT_EQ(posts.size(), 1u);
        if (posts.empty())
            return {};
        const std::string line = posts[0].substr(0, posts[0].find(' ', 4));
        const QString query = QString::fromStdString(line.substr(line.find('?') + 1));
        return QUrlQuery(query);
    }

    static QLabel* label(ProgramWindows& w, const char* name) { return w.main.findChild<QLabel*>(name); }
    static QWidget* widget(ProgramWindows& w, const char* name) { return w.main.findChild<QWidget*>(name); }

    void endGame(ProgramWindows& w)
    {
        click(widget(w, "button_start"));
        for (int round = 1; round <= 10; ++round) {
            faces.script = {1, 1, 1, 2, 3, 4};
            click(widget(w, "image_roll"));
            for (const char* die : {"dice1", "dice2", "dice3"})
                click(widget(w, die));
            click(widget(w, "image_turn"), {20, 11});
            w.main.Timer2Timer();
        }
        ASSERT_TRUE(widget(w, "panel_cleared")->isVisible());
    }

    int endedWith = -1;
};

TEST_F(OnlineTest, PostsTheScoreAndShowsTheList)
{
    auto w = open();
    endGame(*w);
    auto* name = w->main.findChild<QLineEdit*>("edit_name");
    name->setText("ABCDEFGHIJ");
    click(widget(*w, "button_sendscore"));
    EXPECT_TRUE(widget(*w, "panel_wait")->isVisible());
    ASSERT_TRUE(waitUntil([&] { return w->highscore.isVisible(); }));
    EXPECT_FALSE(widget(*w, "panel_cleared")->isVisible());
    EXPECT_EQ(w->main.game().state().gametotal, 10000);
    EXPECT_FALSE(w->main.findChild<QTimer*>("Timer1")->isActive());
    const QUrlQuery q = postedQuery();
    EXPECT_EQ(q.queryItemValue("name", QUrl::FullyDecoded), "ABCDEFGHIJ");
    EXPECT_EQ(q.queryItemValue("score"), QString::number(w->main.game().state().gametotal));
    EXPECT_EQ(q.queryItemValue("date", QUrl::FullyDecoded), Tmain::postingDate(QDate::currentDate(), QLocale::system()));
    ASSERT_TRUE(waitUntil([&] { return w->highscore.displayhtml->toPlainText().contains("HIGH SCORES"); }));
    shoot(&w->highscore, "highscore");
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(OnlineTest, NamesWithQueryCharactersArriveIntact)
{
    for (const QString& typed : {QStringLiteral("A&score=1"), QStringLiteral("#1 fan"), QStringLiteral("x+y z"),
                                QStringLiteral("100%=")}) {
        auto w = open();
        w->main.findChild<QLineEdit*>("edit_name")->setText(typed);
        w->highscore.sendit->URL.clear();
        click(widget(*w, "button_sendscore")); // the panel need not be up to post
        ASSERT_TRUE(waitUntil([&] { return w->highscore.isVisible(); })) << typed.toStdString();
        const auto posts = requestsFor("GET /cgi-bin/");
        const std::string line = posts.back().substr(0, posts.back().find(" HTTP/"));
        QUrlQuery q(QString::fromStdString(line.substr(line.find('?') + 1)));
        EXPECT_EQ(q.queryItemValue("name", QUrl::FullyDecoded), typed);
        EXPECT_EQ(q.allQueryItemValues("score").size(), 1) << "the name added a parameter";
        w.reset();
    }
}

TEST_F(OnlineTest, EmptyNamePostsGuest)
{
    auto w = open();
    auto* name = w->main.findChild<QLineEdit*>("edit_name");
    name->clear();
    click(widget(*w, "button_sendscore"));
    EXPECT_EQ(name->text(), "Guest");
    ASSERT_TRUE(waitUntil([&] { return w->highscore.isVisible(); }));
    EXPECT_EQ(postedQuery().queryItemValue("name"), "Guest");
}

TEST_F(OnlineTest, PostingDateUsesTheLocaleSeparator)
{
    const QDate march7(2026, 3, 7);
    EXPECT_EQ(Tmain::postingDate(march7, QLocale(QLocale::English, QLocale::UnitedStates)), "3/7/26");
    EXPECT_EQ(Tmain::postingDate(march7, QLocale(QLocale::German, QLocale::Germany)), "3.7.26");
    EXPECT_EQ(Tmain::postingDate(QDate(2009, 11, 25), QLocale(QLocale::English, QLocale::UnitedStates)), "11/25/09");
}

TEST_F(OnlineTest, NoAnswerCountsDownFortyTicksThenFailsOnce)
{
    answerPosts = false;
    auto w = open();
    click(widget(*w, "button_sendscore"));
    auto* wait = w->main.findChild<TFlatPanel*>("panel_wait");
    QStringList captions;
    for (int tick = 1; tick <= 40; ++tick) {
        w->main.Timer1Timer();
        captions << wait->caption();
    }
    EXPECT_EQ(captions[0], "Posting Score, Please Wait.");
    EXPECT_EQ(captions[4], "Posting Score, Please Wait.....");
    EXPECT_EQ(captions[5], "Posting Score, Please Wait.");
    EXPECT_EQ(captions.last(), "Posting Score, Please Wait.....");
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].text, "Posting Failed.");
    EXPECT_FALSE(w->main.findChild<QTimer*>("Timer1")->isActive());
    EXPECT_FALSE(wait->isHidden()) << "the panel keeps its last caption";
    answerPosts = true;
}

TEST_F(OnlineTest, AnswerInTheTenthTickEndsTheWaitWithoutFailure)
{
    answerPosts = false;
    auto w = open();
    endGame(*w);
    click(widget(*w, "button_sendscore"));
    for (int tick = 1; tick <= 9; ++tick)
        w->main.Timer1Timer();
    answerPosts = true;
    ASSERT_TRUE(waitUntil([&] { return w->highscore.isVisible(); }));
    EXPECT_FALSE(w->main.findChild<QTimer*>("Timer1")->isActive());
    EXPECT_FALSE(widget(*w, "panel_cleared")->isVisible());
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(OnlineTest, NewGameDuringAPostKeepsWaiting)
{
    answerPosts = false;
    auto w = open();
    endGame(*w);
    click(widget(*w, "button_sendscore"));
    click(widget(*w, "button_start"));
    EXPECT_TRUE(w->main.findChild<QTimer*>("Timer1")->isActive());
    EXPECT_FALSE(widget(*w, "panel_wait")->isVisible());
    answerPosts = true;
    ASSERT_TRUE(waitUntil([&] { return w->highscore.isVisible(); }));
}

TEST_F(OnlineTest, TwoQuickListRequestsCauseOneFetch)
{
    auto w = open();
    w->main.findChild<QAction*>("ViewHighScoreList1")->trigger();
    w->main.findChild<QAction*>("ViewHighScoreList1")->trigger();
    ASSERT_TRUE(waitUntil([&] { return w->highscore.displayhtml->toPlainText().contains("HIGH SCORES"); }));
    EXPECT_EQ(listRequests.load(), 1);
    EXPECT_TRUE(w->highscore.isVisible());
}


TEST_F(OnlineTest, PageLinksOpenOnlyWebAndMailAddresses)
{
    RecordingUrlOpener opener;
    auto w = open();
    bool handled = false;
    for (const char* src : {"http://example.org/a?b=1", "HTTPS://example.org/", "mailto:club@example.org",
                            "file:///etc/passwd", "/usr/bin/xterm", "javascript:alert(1)", "ftp://x"})
        w->highscore.displayhtmlHotSpotClick(w->highscore.displayhtml, QString::fromLatin1(src), handled);
    EXPECT_EQ(opener.opened, (QStringList{"http://example.org/a?b=1", "HTTPS://example.org/", "mailto:club@example.org"}));
}

TEST_F(OnlineTest, VersionCheck)
{
    const struct {
        std::string body;
        bool offered;
    } cases[] = {{"1.0.2", false}, {"1.0.2\r\n", true}, {"1.0.1", true}, {"<html>error</html>", true}};
    for (const auto& c : cases) {
        versionBody = c.body;
        auto w = open(true);
        ASSERT_TRUE(waitUntil([&] { return !w->main.checkupdateFetch()->Busy() && !requestsFor("GET /pelbixsolo/pelbixsoloversion.txt").empty(); }));
        waitUntil([&] { return widget(*w, "panel_update")->isVisible(); }, c.offered ? 5000 : 300);
        EXPECT_EQ(widget(*w, "panel_update")->isVisible(), c.offered) << testing::PrintToString(c.body);
    }
}

TEST_F(OnlineTest, UpdateCheckOffMakesNoRequest)
{
    auto w = open(false);
    QTest::qWait(300);
    EXPECT_EQ(server.connections(), 0);
}

TEST_F(OnlineTest, FailedInstallerDownloadRestoresTheProgram)
{
    std::ofstream(file("pelbixsolo").toStdString()) << "the program";
    installerStatus = 404;
    installer = "not here";
    auto w = open();
    w->main.button_updateyesClick();
    EXPECT_EQ(label(*w, "label_update")->text(), "Download Aborted");
    EXPECT_FALSE(widget(*w, "button_updateyes")->isVisible());
    EXPECT_FALSE(widget(*w, "button_updatecancel")->isVisible());
    EXPECT_TRUE(QFile::exists(file("pelbixsolo")));
    EXPECT_FALSE(QFile::exists(file("pelbixsolo.BAK")));
    EXPECT_FALSE(QFile::exists(file("qztsetup.exe")));
    EXPECT_FALSE(QFile::exists(file("qztsetup.exe.part")));
    EXPECT_EQ(endedWith, -1);
}

TEST_F(OnlineTest, SuccessfulDownloadStartsTheInstallerAndEndsTheProcess)
{
    std::ofstream(file("pelbixsolo").toStdString()) << "the program";
    std::ofstream(file("pelbixsolo.BAK").toStdString()) << "an older backup";
    const QString argsFile = file("installer-args");
    installer = "#!/bin/sh\nprintf '%s|' \"$@\" > '" + argsFile.toStdString() + "'\n";
    installer.resize(512, '#');
    auto w = open();
    QStringList statuses;
    QObject::connect(&w->main, &Tmain::updateStatusChanged, [&](const QString& t) { statuses << t; });
    w->main.button_updateyesClick();
    EXPECT_EQ(endedWith, 0);
    EXPECT_EQ(statuses, (QStringList{"Updating. Please Wait...", "Received 512 bytes", "Installing"}));
    EXPECT_TRUE(QFile::exists(file("pelbixsolo.BAK")));
    EXPECT_FALSE(QFile::exists(file("pelbixsolo")));
    EXPECT_EQ(QFileInfo(file("qztsetup.exe")).size(), 512);
    ASSERT_TRUE(waitUntil([&] { return QFileInfo(argsFile).size() > 0; }));
    QFile args(argsFile);
    ASSERT_TRUE(args.open(QIODevice::ReadOnly));
    EXPECT_EQ(args.readAll(), "/SP-|/silent|/noicons|");
    EXPECT_TRUE(QFile::exists(file("pelbixsolotally.tld"))) << "the tally is saved before the process ends";
}

TEST_F(OnlineTest, InstallerThatCannotStartIsReportedAndTheProgramRestored)
{
    std::ofstream(file("pelbixsolo").toStdString()) << "the program";
    installer = std::string(512, 'x'); // not a program: starting it fails
    auto w = open();
    w->main.button_updateyesClick();
    EXPECT_EQ(endedWith, -1);
    EXPECT_TRUE(QFile::exists(file("pelbixsolo")));
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].text, "There was an error in the update process. Please downloadPELBIXSOLO manually from "
                                     "http://www.draviksoftware.example.");
}

} // namespace
