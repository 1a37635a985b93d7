// SPDX-License-Identifier: MIT
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTimer>
#include <QUrlQuery>

#include <atomic>
#include <fstream>

#include "controls/flatpanel.h"
#include "controls/htmllite.h"
#include "forms/listpagetext.h"
#include "forms/postingwait.h"
#include "forms/programwindows.h"
#include "forms/updateflow.h"
#include "formsfixture.h"
#include "net/httpget.h"
#include "net/httplimits.h"
#include "net/httpprot.h"
#include "net/updatesignature.h"
#include "support/eventwait.h"
#include "support/recordingurlopener.h"
#include "support/scriptedhttpserver.h"

namespace {

// Answers every request by path: the list page, a post's answer, the
// version file, the installer and its signature, as the test sets them.
class OnlineTest : public FormsFixture {
protected:
    OnlineTest() { UpdateSignature::generate(publicKey, secretKey); }

    std::string versionBody = "1.0.2";
    std::string installer;
    int installerStatus = 200;
    std::string installerAnswer;  // raw bytes in place of the answer above when set
    std::string signature;        // the ".sig" body; 404 when empty
    int postStatus = 200;
    std::string postBody = "<p>thanks</p>";
    std::atomic<bool> answerPosts{true};
    std::atomic<int> listRequests{0};
    std::string listAnswer = ScriptedHttpServer::answer(200, "OK", "<html><body><h1>HIGH SCORES</h1></body></html>");
    UpdateSignature::PublicKey publicKey{};
    UpdateSignature::SecretKey secretKey{};
    std::optional<std::string> updateKey; // the test key when unset
    ScriptedHttpServer server{[this](ScriptedHttpServer::Connection& c) { serve(c); }};

    void serve(ScriptedHttpServer::Connection& c)
    {
        const std::string request = c.readRequest();
        if (request.rfind("GET /cgi-bin/pelbixsolo.cgi?", 0) == 0) {
            while (!answerPosts)
                c.pause(10);
            if (postStatus == 0)
                c.reset();
            else
                c.send(ScriptedHttpServer::answer(postStatus, "Status", postBody));
        } else if (request.rfind("GET /counter/pelbixsolo.shtml", 0) == 0) {
            ++listRequests;
            c.pause(200); // long enough for a second request to find getit busy
            if (listAnswer.empty())
                c.reset();
            else
                c.send(listAnswer);
        } else if (request.rfind("GET /pelbixsolo/pelbixsoloversion.txt", 0) == 0) {
            c.send(ScriptedHttpServer::answer(200, "OK", versionBody));
        } else if (request.rfind("GET /pelbixsolo/qztsetup.exe.sig ", 0) == 0) {
            c.send(signature.empty() ? ScriptedHttpServer::answer(404, "Not Found", "no signature")
                                     : ScriptedHttpServer::answer(200, "OK", signature));
        } else if (request.rfind("GET /pelbixsolo/qztsetup.exe ", 0) == 0) {
            c.send(!installerAnswer.empty()
                       ? installerAnswer
                       : ScriptedHttpServer::answer(installerStatus, installerStatus == 200 ? "OK" : "Not Found", installer));
        } else {
            c.send(ScriptedHttpServer::answer(404, "Not Found", "nothing here"));
        }
    }

    // The ".sig" text of bytes signed with key.
    std::string signatureOf(const std::string& bytes, const UpdateSignature::SecretKey& key)
    {
        const QString path = file("to-sign");
        std::ofstream(path.toStdString(), std::ios::binary) << bytes;
        const auto sig = UpdateSignature::signFile(path.toStdString(), key);
        QFile::remove(path);
        return sig ? UpdateSignature::hex(sig->data(), sig->size()) + "\n" : std::string();
    }

    std::unique_ptr<ProgramWindows> open(bool updateCheck = false)
    {
        std::ofstream(file("pelbixsolo.ini").toStdString(), std::ios::binary)
            << "[pelbixsolo]\r\nServer=127.0.0.1:" << server.port()
            << "\r\nUpdate=" << (updateCheck ? "true" : "false") << "\r\n";
        auto w = std::make_unique<ProgramWindows>(
            programFolder(), seams(updateKey.value_or(UpdateSignature::hex(publicKey.data(), publicKey.size()))));
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
    EXPECT_EQ(w->main.game().state().gameTotal, 10000);
    EXPECT_FALSE(w->main.findChild<QTimer*>("Timer1")->isActive());
    const QUrlQuery q = postedQuery();
    EXPECT_EQ(q.queryItemValue("name", QUrl::FullyDecoded), "ABCDEFGHIJ");
    EXPECT_EQ(q.queryItemValue("score"), QString::number(w->main.game().state().gameTotal));
    EXPECT_EQ(q.queryItemValue("date", QUrl::FullyDecoded), PostingWait::postingDate(QDate::currentDate(), QLocale::system()));
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
    EXPECT_EQ(PostingWait::postingDate(march7, QLocale(QLocale::English, QLocale::UnitedStates)), "3/7/26");
    EXPECT_EQ(PostingWait::postingDate(march7, QLocale(QLocale::German, QLocale::Germany)), "3.7.26");
    EXPECT_EQ(PostingWait::postingDate(QDate(2009, 11, 25), QLocale(QLocale::English, QLocale::UnitedStates)), "11/25/09");
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
    const RecordingUrlOpener& opener = urls;
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
        QSignalSpy judged(&w->main.updateFlow(), &UpdateFlow::versionJudged);
        ASSERT_TRUE(judged.wait(10000)) << testing::PrintToString(c.body);
        EXPECT_EQ(judged.at(0).at(0).toBool(), c.offered) << testing::PrintToString(c.body);
        EXPECT_EQ(widget(*w, "panel_update")->isVisible(), c.offered) << testing::PrintToString(c.body);
    }
}

TEST_F(OnlineTest, UpdateCheckOffOrNoKeyMakesNoRequest)
{
    // A fetch that starts is busy at once, so "not busy after show" means none started.
    auto off = open(false);
    EXPECT_FALSE(off->main.checkupdateFetch()->Busy());
    EXPECT_TRUE(off->main.updatecheck->isEnabled());
    off.reset();

    updateKey = std::string(); // a build without a key, or with self-update off
    auto w = open(true);
    EXPECT_FALSE(w->main.checkupdateFetch()->Busy());
    EXPECT_FALSE(w->main.updatecheck->isEnabled());
    EXPECT_TRUE(w->main.updatecheck->isChecked()) << "the setting is still read";
    w->main.close();
    std::ifstream in(file("pelbixsolo.ini").toStdString());
    const std::string ini((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(ini.find("Update=true"), std::string::npos) << "and written back unchanged";
    EXPECT_EQ(server.connections(), 0);
}

TEST_F(OnlineTest, FailedInstallerDownloadRestoresTheProgram)
{
    std::ofstream(file("pelbixsolo").toStdString()) << "the program";
    installerStatus = 404;
    installer = "not here";
    signature = signatureOf(installer, secretKey);
    auto w = open();
    w->main.button_updateyesClick();
    EXPECT_EQ(label(*w, "label_update")->text(), "Download Aborted");
    EXPECT_TRUE(dialogs.shown.isEmpty());
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
    signature = signatureOf(installer, secretKey);
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
    signature = signatureOf(installer, secretKey);
    auto w = open();
    w->main.button_updateyesClick();
    EXPECT_EQ(endedWith, -1);
    EXPECT_TRUE(QFile::exists(file("pelbixsolo")));
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].text, "There was an error in the update process. Please downloadPELBIXSOLO manually from "
                                     "http://www.draviksoftware.example.");
}

TEST_F(OnlineTest, PostOutcomeFollowsTheStatus)
{
    const struct {
        int status; // 0: the connection is reset
        const char* body;
        bool answered;
    } cases[] = {{200, "", true}, {204, "", true}, {299, "ok", true}, {400, "bad date", false},
                 {429, "slow down", false}, {503, "database restarting", false}, {0, "", false}};
    for (const auto& c : cases) {
        postStatus = c.status;
        postBody = c.body;
        dialogs.shown.clear();
        auto w = open();
        click(widget(*w, "button_sendscore"));
        ASSERT_TRUE(waitUntil([&] { return w->highscore.isVisible() || !dialogs.shown.isEmpty(); })) << c.status;
        EXPECT_EQ(w->highscore.isVisible(), c.answered) << c.status;
        EXPECT_FALSE(w->main.postingWait().waiting()) << c.status;
        if (!c.answered) {
            ASSERT_EQ(dialogs.shown.size(), 1) << c.status;
            EXPECT_EQ(dialogs.shown[0].text, "Posting Failed.");
            // The countdown must not report the same failure again.
            for (int tick = 0; tick < PostingWait::kPostingSeconds; ++tick)
                w->main.Timer1Timer();
            EXPECT_EQ(dialogs.shown.size(), 1) << c.status;
        }
    }
}

TEST_F(OnlineTest, UnreachableListShowsOneLine)
{
    const std::string tooLong(HttpLimits::kListPage + 1, 'x');
    for (const std::string& answer : {ScriptedHttpServer::answer(404, "Not Found", "<h1>gone</h1>"),
                                      ScriptedHttpServer::answer(503, "Busy", "<h1>later</h1>"),
                                      ScriptedHttpServer::answer(200, "OK", tooLong), std::string()}) {
        listAnswer = answer;
        auto w = open();
        w->main.ViewHighScoreList1Click();
        ASSERT_TRUE(waitUntil([&] { return !w->highscore.getit->Busy() && listRequests > 0; }));
        EXPECT_EQ(w->highscore.displayhtml->toPlainText(), Thighscore::kUnreachable) << answer.substr(0, 40);
    }
}

TEST_F(OnlineTest, UnbrokenMegabytePageIsCutAndBrokenBeforeLayout)
{
    const std::string head = "<html><body>";
    listAnswer = ScriptedHttpServer::answer(200, "OK", head + std::string(HttpLimits::kListPage - head.size(), 'x'));
    auto w = open();
    w->main.ViewHighScoreList1Click();
    ASSERT_TRUE(waitUntil([&] { return !w->highscore.displayhtml->toPlainText().isEmpty(); }));
    const QString text = w->highscore.displayhtml->toPlainText();
    EXPECT_TRUE(text.endsWith(ListPageText::kCutNote));
    EXPECT_LE(text.size(), ListPageText::kMaxShownText + ListPageText::kMaxShownText / ListPageText::kMaxRun + 64);
    int run = 0;
    int longest = 0;
    for (const QChar c : text) {
        run = c == QLatin1Char('x') ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    EXPECT_EQ(longest, ListPageText::kMaxRun);
}

TEST(ListPageText, BreaksOnlyTextAndCutsAtTags)
{
    const QString run(100, QLatin1Char('y'));
    const QString zw(QChar(0x200B));
    const struct {
        QString page;
        QString prepared;
    } cases[] = {
        {"<p>850 points</p>", "<p>850 points</p>"},
        {"<a href=\"" + run + "\">" + run.left(10) + "</a>", "<a href=\"" + run + "\">" + run.left(10) + "</a>"},
        {run, run.left(64) + zw + run.mid(64)},
        {QString(63, 'y') + "&amp;&amp;", QString(63, 'y') + "&amp;" + zw + "&amp;"},
        {"<style>" + run + "</style>", "<style>" + run + "</style>"},
        {"<!-- " + run + " -->x", "<!-- " + run + " -->x"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ListPageText::prepare(c.page), c.prepared) << c.page.toStdString();

    QString table = "<table>";
    for (int i = 0; i < ListPageText::kMaxShownCells + 5; ++i)
        table += "<td>1</td>";
    const QString cut = ListPageText::prepare(table);
    EXPECT_EQ(cut.count("<td>"), ListPageText::kMaxShownCells);
    EXPECT_TRUE(cut.endsWith(QStringLiteral("<p>%1</p>").arg(ListPageText::kCutNote)));

    QString empty;
    for (int i = 0; i < ListPageText::kMaxShownTags + 5; ++i)
        empty += "<b>";
    EXPECT_EQ(ListPageText::prepare(empty).count("<b>"), ListPageText::kMaxShownTags);

    QString nested;
    for (int i = 0; i < ListPageText::kMaxNesting + 5; ++i)
        nested += "<ul><li>x</li></ul><ul><li>";
    EXPECT_EQ(ListPageText::prepare(nested).count("<ul>"), 2 * ListPageText::kMaxNesting)
        << "closed lists do not count towards the nesting";
}

TEST_F(OnlineTest, UnsignedOrUnfinishedInstallersNeverRun)
{
    UpdateSignature::PublicKey otherPublic{};
    UpdateSignature::SecretKey otherSecret{};
    UpdateSignature::generate(otherPublic, otherSecret);
    const std::string good = "#!/bin/sh\ntouch '" + file("ran").toStdString() + "'\n" + std::string(400, '#');
    const struct {
        const char* name;
        std::string signature;
        std::string installerAnswer; // empty: the good installer, whole
        bool box;                    // the failure is also told in a message box
    } cases[] = {
        {"signature missing", "", "", true},
        {"signature malformed", "a1b2c3\n", "", true},
        {"signature from another key", signatureOf(good, otherSecret), "", true},
        {"signature for another file", signatureOf(good + "x", secretKey), "", true},
        {"cut short, no length", signatureOf(good, secretKey),
         ScriptedHttpServer::answer(200, "OK", good.substr(0, 100), false), true},
        {"cut short of its length", signatureOf(good, secretKey),
         "HTTP/1.0 200 OK\r\nContent-Length: " + std::to_string(good.size()) + "\r\n\r\n" + good.substr(0, 100), false},
        {"Content-Length 10^10", signatureOf(good, secretKey),
         "HTTP/1.0 200 OK\r\nContent-Length: 10000000000\r\n\r\n" + good, false},
    };
    for (const auto& c : cases) {
        std::ofstream(file("pelbixsolo").toStdString()) << "the program";
        signature = c.signature;
        installer = good;
        installerAnswer = c.installerAnswer;
        dialogs.shown.clear();
        auto w = open();
        w->main.button_updateyesClick();
        EXPECT_EQ(label(*w, "label_update")->text(), "Download Aborted") << c.name;
        EXPECT_EQ(dialogs.shown.size(), c.box ? 1 : 0) << c.name;
        EXPECT_TRUE(QFile::exists(file("pelbixsolo"))) << c.name;
        EXPECT_FALSE(QFile::exists(file("qztsetup.exe"))) << c.name;
        EXPECT_FALSE(QFile::exists(file("qztsetup.exe.part"))) << c.name;
        EXPECT_LE(w->main.updateFlow().getupdate->RcvdCount(), static_cast<long long>(good.size())) << c.name;
        EXPECT_EQ(endedWith, -1) << c.name;
        EXPECT_FALSE(QFile::exists(file("ran"))) << c.name;
    }
}

} // namespace

namespace {

TEST(PostingWait, ReportsOneFailurePerPostWhicheverWayItEnds)
{
    PostingWait wait;
    QSignalSpy failed(&wait, &PostingWait::failed);
    wait.fail(); // nothing was posted
    EXPECT_EQ(failed.count(), 0);

    wait.start();
    wait.fail(); // refused at once
    for (int tick = 0; tick < PostingWait::kPostingSeconds; ++tick)
        wait.Timer1Timer();
    EXPECT_EQ(failed.count(), 1);

    wait.start();
    for (int tick = 1; tick < PostingWait::kPostingSeconds; ++tick)
        wait.Timer1Timer();
    EXPECT_EQ(failed.count(), 1) << "one tick early";
    wait.Timer1Timer();
    EXPECT_EQ(failed.count(), 2);
    wait.fail(); // a refusal arriving after the countdown gave up
    EXPECT_EQ(failed.count(), 2);

    wait.start();
    wait.answered();
    wait.fail();
    EXPECT_EQ(failed.count(), 2);
    EXPECT_FALSE(wait.waiting());
}

} // namespace
