// SPDX-License-Identifier: MIT
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTimer>
#include <QUrlQuery>

#include <QTextCursor>

#include <atomic>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "widgets/flatpanel.h"
#include "widgets/htmlview.h"
#include "online/listpagetext.h"
#include "online/postingwait.h"
#include "forms/programwindows.h"
#include "online/updateflow.h"
#include "formsfixture.h"
#include "net/backgroundfetch.h"
#include "net/httplimits.h"
#include "net/httpclient.h"
#include "net/updatesignature.h"
#include "support/eventwait.h"
#include "support/recordingurlopener.h"
#include "support/scriptedhttpserver.h"
#include "forms/art/objectnames.h"

namespace {

// Answers every request by path: the list page, a post's answer, the
// version file, the installer and its signature, as the test sets them.
class OnlineTest : public FormsFixture {
protected:
    OnlineTest() { UpdateSignature::generate(publicKey, secretKey); }

    std::string versionAnswer = ScriptedHttpServer::answer(200, "OK", "1.0.2");
    std::string installer;
    int installerStatus = 200;
    std::string installerAnswer;  // raw bytes in place of the answer above when set
    std::string signature;        // the ".sig" body; 404 when empty
    int postStatus = 200;
    std::string postBody = "<p>thanks</p>";
    std::atomic<bool> answerPosts{true};
    bool hangFirstPost = false;
    bool hangFirstList = false;
    std::atomic<int> postRequests{0};
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
            if (++postRequests == 1 && hangFirstPost)
                c.hang();
            while (!answerPosts)
                c.pause(10);
            if (postStatus == 0)
                c.reset();
            else
                c.send(ScriptedHttpServer::answer(postStatus, "Status", postBody));
        } else if (request.rfind("GET /counter/pelbixsolo.shtml", 0) == 0) {
            if (++listRequests == 1 && hangFirstList)
                c.hang();
            if (listAnswer.empty())
                c.reset();
            else
                c.send(listAnswer);
        } else if (request.rfind("GET /pelbixsolo/pelbixsoloversion.txt", 0) == 0) {
            c.send(versionAnswer);
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

    // The ".sig" text of a release statement about bytes, signed with key;
    // the statement's fields may be changed on the way.
    std::string signatureOf(const std::string& bytes, const UpdateSignature::SecretKey& key,
                            const std::function<void(ReleaseStatement&)>& change = {})
    {
        const QString path = file("to-sign");
        std::ofstream(path.toStdString(), std::ios::binary) << bytes;
        ReleaseStatement statement{"pelbixsolo", "1.0.3", "qztsetup.exe", bytes.size(),
                                   UpdateSignature::hashFile(path.toStdString()).value()};
        QFile::remove(path);
        if (change)
            change(statement);
        return UpdateSignature::sign(statement, key);
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
    int endedWith = -1;
};

TEST_F(OnlineTest, PostsTheScoreAndShowsTheList)
{
    auto w = open();
    endGame(*w);
    auto* name = w->main.findChild<QLineEdit*>("edit_name");
    name->setText("ABCDEFGHIJ");
    click(widget(*w, "button_sendscore"));
    EXPECT_TRUE(widget(*w, objectname::kWaitPanel)->isVisible());
    ASSERT_TRUE(waitUntil([&] { return w->highscore.isVisible(); }));
    EXPECT_FALSE(widget(*w, objectname::kClearedPanel)->isVisible());
    EXPECT_EQ(w->main.game().state().gameTotal, 10000);
    EXPECT_FALSE(w->main.findChild<QTimer*>(PostingWait::kTimerName)->isActive());
    const QUrlQuery q = postedQuery();
    EXPECT_EQ(q.queryItemValue("name", QUrl::FullyDecoded), "ABCDEFGHIJ");
    EXPECT_EQ(q.queryItemValue("score"), QString::number(w->main.game().state().gameTotal));
    EXPECT_EQ(q.queryItemValue("date", QUrl::FullyDecoded), PostingWait::postingDate(QDate::currentDate(), QLocale::system()));
    ASSERT_TRUE(waitUntil([&] { return w->highscore.listView->toPlainText().contains("HIGH SCORES"); }));
    shoot(&w->highscore, "highscore");
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(OnlineTest, NamesWithQueryCharactersArriveIntact)
{
    for (const QString& typed : {QStringLiteral("A&score=1"), QStringLiteral("#1 fan"), QStringLiteral("x+y z"),
                                QStringLiteral("100%=")}) {
        auto w = open();
        w->main.findChild<QLineEdit*>("edit_name")->setText(typed);
        w->highscore.postFetch->URL.clear();
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
    auto* wait = w->main.findChild<FlatPanel*>(objectname::kWaitPanel);
    QStringList captions;
    for (int tick = 1; tick <= 40; ++tick) {
        w->main.onPostingTick();
        captions << wait->caption();
    }
    EXPECT_EQ(captions[0], "Posting Score, Please Wait.");
    EXPECT_EQ(captions[4], "Posting Score, Please Wait.....");
    EXPECT_EQ(captions[5], "Posting Score, Please Wait.");
    EXPECT_EQ(captions.last(), "Posting Score, Please Wait.....");
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].text, "Posting Failed.");
    EXPECT_FALSE(w->main.findChild<QTimer*>(PostingWait::kTimerName)->isActive());
    EXPECT_TRUE(wait->isHidden()) << "SEND SCORE and HIGH SCORES are there again";
    answerPosts = true;
}

TEST_F(OnlineTest, AFailedPostCanBeSentAgainAndARefusalSaysWhy)
{
    // After "Posting Failed." the notice stayed over SEND SCORE for good.
    postStatus = 400;
    postBody = "<html><body><p>Score not recorded: the name has a character that is not allowed.</p></body></html>";
    auto w = open();
    endGame(*w);
    click(widget(*w, "button_sendscore"));
    ASSERT_TRUE(waitUntil([&] { return !dialogs.shown.isEmpty(); }));
    EXPECT_EQ(dialogs.shown[0].text,
              "Posting Failed.\nScore not recorded: the name has a character that is not allowed.");
    EXPECT_FALSE(widget(*w, objectname::kWaitPanel)->isVisible());
    ASSERT_TRUE(widget(*w, "button_sendscore")->isVisible());
    postStatus = 200;
    postBody = "";
    click(widget(*w, "button_sendscore"));
    ASSERT_TRUE(waitUntil([&] { return w->highscore.isVisible(); })) << "the second try is posted";
    EXPECT_EQ(dialogs.shown.size(), 1);
}

TEST_F(OnlineTest, AnswerInTheTenthTickEndsTheWaitWithoutFailure)
{
    answerPosts = false;
    auto w = open();
    endGame(*w);
    click(widget(*w, "button_sendscore"));
    for (int tick = 1; tick <= 9; ++tick)
        w->main.onPostingTick();
    answerPosts = true;
    ASSERT_TRUE(waitUntil([&] { return w->highscore.isVisible(); }));
    EXPECT_FALSE(w->main.findChild<QTimer*>(PostingWait::kTimerName)->isActive());
    EXPECT_FALSE(widget(*w, objectname::kClearedPanel)->isVisible());
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(OnlineTest, NewGameDuringAPostKeepsWaiting)
{
    answerPosts = false;
    auto w = open();
    endGame(*w);
    click(widget(*w, "button_sendscore"));
    click(widget(*w, "button_start"));
    EXPECT_TRUE(w->main.findChild<QTimer*>(PostingWait::kTimerName)->isActive());
    EXPECT_FALSE(widget(*w, objectname::kWaitPanel)->isVisible());
    answerPosts = true;
    ASSERT_TRUE(waitUntil([&] { return w->highscore.isVisible(); }));
}

TEST_F(OnlineTest, AHungRequestNeverSwallowsTheNextOne)
{
    hangFirstList = true;
    hangFirstPost = true;
    auto w = open();
    w->main.findChild<QAction*>("ViewHighScoreList1")->trigger();
    ASSERT_TRUE(waitUntil([&] { return listRequests == 1; }));
    w->main.findChild<QAction*>("ViewHighScoreList1")->trigger();
    EXPECT_TRUE(waitUntil([&] { return w->highscore.listView->toPlainText().contains("HIGH SCORES"); }));

    w->highscore.hide();
    click(widget(*w, "button_sendscore"));
    ASSERT_TRUE(waitUntil([&] { return postRequests == 1; }));
    click(widget(*w, "button_sendscore"));
    EXPECT_TRUE(waitUntil([&] { return w->highscore.isVisible(); })) << "the second post was answered";
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(OnlineTest, AnswerAfterPostingFailedIsIgnored)
{
    answerPosts = false;
    auto w = open();
    endGame(*w);
    click(widget(*w, "button_sendscore"));
    ASSERT_TRUE(waitUntil([&] { return postRequests == 1; }));
    for (int tick = 0; tick < PostingWait::kPostingSeconds; ++tick)
        w->main.onPostingTick();
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_FALSE(w->highscore.postFetch->Busy()) << "the given-up post still runs";
    // Whatever the late answer does, it finds no post waiting.
    EXPECT_FALSE(w->main.postingWait().answered());
    answerPosts = true;
    click(widget(*w, "button_sendscore")); // and the next post still goes through
    ASSERT_TRUE(waitUntil([&] { return w->highscore.isVisible(); }));
    EXPECT_EQ(postRequests.load(), 2);
    EXPECT_EQ(dialogs.shown.size(), 1);
}

// Every way a page can name a resource, each naming a FIFO (which blocks a
// reader as /dev/stdin does, and shows whether anyone opened it), a style
// sheet that would colour the text and a network address: the page shows at
// once with its text, and nothing was opened or fetched. Then devices that
// never end render at once as well.
TEST_F(OnlineTest, ListPageLoadsNoResourceWhateverItsTags)
{
    const std::string fifo = file("pipe").toStdString();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string css = file("red.css").toStdString();
    std::ofstream(css) << "p { color: #ff0000; }";
    const QString names[] = {QString::fromStdString(fifo), QString::fromStdString("file://" + fifo),
                             QString::fromStdString(css), QString::fromStdString("file://" + css), QString::fromStdString(server.url("/spy.png")), "red.css",
                             "data:text/css,p%7Bcolor:red%7D"};
    const QString tags[] = {"<img src=\"%1\" width=99999 height=9>", "<table background=\"%1\"><tr><td background=\"%1\">x</td></tr></table>",
                            "<link rel=\"stylesheet\" href=\"%1\">", "<style>@import url(\"%1\");</style>",
                            "<style>@import \"%1\";</style>", "<div style=\"background-image: url('%1')\">y</div>"};
    QString page = "<html><head>";
    for (const QString& tag : tags)
        for (const QString& name : names)
            page += tag.arg(name);
    page += "</head><body background=\"" + names[0] + "\"><p>score 850</p></body></html>";
    listAnswer = ScriptedHttpServer::answer(200, "OK", page.toStdString());

    std::atomic<bool> probing{false};
    std::atomic<int> opened{0};
    std::thread writer([&] {
        // Each open blocks until someone opens the FIFO to read: the viewer,
        // as often as it tries, or at last the probe below.
        for (;;) {
            const int fd = ::open(fifo.c_str(), O_WRONLY);
            const bool byProbe = probing;
            ::close(fd);
            if (byProbe)
                return;
            ++opened;
        }
    });
    auto w = open();
    w->main.onViewHighScoreList();
    const bool shown = waitUntil([&] { return w->highscore.listView->toPlainText().contains("score 850"); });
    w->highscore.listView->grab(); // lays out and paints every image and background
    probing = true;
    const int probe = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    writer.join();
    ::close(probe);

    ASSERT_TRUE(shown);
    // Asserted, so that a viewer which opens files never meets the devices below.
    ASSERT_EQ(opened.load(), 0) << "the viewer opened the FIFO";
    EXPECT_GT(w->highscore.listView->refusedResources(), 0) << "the tags did not reach the viewer's loader";
    EXPECT_TRUE(requestsFor("GET /spy.png").empty());
    EXPECT_LT(w->highscore.listView->document()->size().width(), 2000) << "an image took the width it asked for";
    QTextCursor at = w->highscore.listView->document()->find("score 850");
    EXPECT_NE(at.charFormat().foreground().color(), QColor(255, 0, 0)) << "a style sheet was read";

    w->highscore.listView->LoadFromString("<html><head><link rel=stylesheet href=\"/dev/stdin\"></head>"
                                             "<body background=\"/dev/zero\"><img src=\"/dev/zero\">"
                                             "<img src=\"/dev/urandom\"><p>done</p></body></html>");
    w->highscore.listView->grab();
    EXPECT_TRUE(w->highscore.listView->toPlainText().endsWith("done"));
}

TEST_F(OnlineTest, PageLinksOpenOnlyWebAndMailAddresses)
{
    const RecordingUrlOpener& opener = urls;
    auto w = open();
    bool handled = false;
    const struct {
        const char* src;
        const char* opened; // nullptr: nothing
    } cases[] = {
        {"http://example.org/a?b=1", "http://example.org/a?b=1"},
        {"HTTPS://example.org/", "HTTPS://example.org/"},
        {"mailto:club@example.org", "mailto:club@example.org"},
        {"mailto:a@example.org?subject=Hi%20there&attach=/etc/passwd&body=x", "mailto:a@example.org?subject=Hi%20there&body=x"},
        {"MAILTO:a@example.org?%61ttach=/etc/passwd&CC=b@example.org", "mailto:a@example.org?cc=b%40example.org"},
        {"mailto:a@example.org?body=x%26attach%3D%2Fetc%2Fpasswd", "mailto:a@example.org?body=x%26attach%3D%2Fetc%2Fpasswd"},
        {"mailto:a@example.org%3Fattach=/etc/passwd", nullptr},
        {"mailto:a@example.org&attach=/etc/passwd", nullptr},
        {"file:///etc/passwd", nullptr},
        {"/usr/bin/xterm", nullptr},
        {"javascript:alert(1)", nullptr},
        {"ftp://x", nullptr},
    };
    for (const auto& c : cases) {
        const qsizetype before = opener.opened.size();
        w->highscore.onListLinkClicked(w->highscore.listView, QString::fromLatin1(c.src), handled);
        if (c.opened) {
            ASSERT_EQ(opener.opened.size(), before + 1) << c.src;
            EXPECT_EQ(opener.opened.last(), QString::fromLatin1(c.opened)) << c.src;
        } else {
            EXPECT_EQ(opener.opened.size(), before) << c.src;
        }
    }
}

TEST_F(OnlineTest, VersionCheckOffersOnlyANewerVersionAnsweredWith200)
{
    const auto ok = [](const std::string& body) { return ScriptedHttpServer::answer(200, "OK", body); };
    const struct {
        std::string answer;
        bool offered;
    } cases[] = {
        // How versions compare is pinned in ReleaseStatement.VersionsCompareAsNumbers.
        {ok("1.0.2"), false},
        {ok("1.0.2\r\n"), false},
        {ok("1.0.1"), false},
        {ok("1.0.3\n"), true},
        {ok("-1"), false},
        {ok("<html>error</html>"), false},
        {ScriptedHttpServer::answer(404, "Not Found", "9.9.9"), false},
        {ScriptedHttpServer::answer(503, "Busy", "9.9.9"), false},
        {ok("9.9.9" + std::string(HttpLimits::kVersionFile, ' ')), false},
    };
    for (const auto& c : cases) {
        versionAnswer = c.answer;
        auto w = open(true);
        ASSERT_TRUE(waitUntil([&] { return !w->main.versionFetch()->Busy(); })) << c.answer.substr(0, 60);
        EXPECT_EQ(widget(*w, objectname::kUpdatePanel)->isVisible(), c.offered) << c.answer.substr(0, 60);
    }
}

TEST_F(OnlineTest, UpdateCheckOffOrNoKeyMakesNoRequest)
{
    // A fetch that starts is busy at once, so "not busy after show" means none started.
    auto off = open(false);
    EXPECT_FALSE(off->main.versionFetch()->Busy());
    EXPECT_TRUE(off->main.m_updateCheck->isEnabled());
    off.reset();

    updateKey = std::string(); // a build without a key, or with self-update off
    auto w = open(true);
    EXPECT_FALSE(w->main.versionFetch()->Busy());
    EXPECT_FALSE(w->main.m_updateCheck->isEnabled());
    EXPECT_TRUE(w->main.m_updateCheck->isChecked()) << "the setting is still read";
    w->main.close();
    std::ifstream in(file("pelbixsolo.ini").toStdString());
    const std::string ini((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(ini.find("Update=true"), std::string::npos) << "and written back unchanged";
    EXPECT_EQ(server.connections(), 0);
}

TEST_F(OnlineTest, FailedInstallerDownloadLeavesTheProgramAlone)
{
    std::ofstream(file("pelbixsolo").toStdString()) << "the program";
    installerStatus = 404;
    installer = "not here";
    signature = signatureOf(installer, secretKey);
    auto w = open();
    w->main.onUpdateYes();
    ASSERT_TRUE(waitUntil([&] { return !w->main.updateFlow().running(); }));
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
    QObject::connect(&w->main, &MainWindow::updateStatusChanged, [&](const QString& t) { statuses << t; });
    w->main.onUpdateYes();
    ASSERT_TRUE(waitUntil([&] { return !w->main.updateFlow().running(); }));
    EXPECT_EQ(endedWith, 0);
    EXPECT_EQ(statuses, (QStringList{"Updating. Please Wait...", "Received 512 bytes", "Installing"}));
    for (const char* name : {"pelbixsolo", "pelbixsolo.BAK"}) {
        QFile program(file(name));
        EXPECT_TRUE(program.open(QIODevice::ReadOnly) && program.readAll() == "the program") << name;
    }
    EXPECT_EQ(QFileInfo(file("qztsetup.exe")).size(), 512);
    ASSERT_TRUE(waitUntil([&] { return QFileInfo(argsFile).size() > 0; }));
    QFile args(argsFile);
    ASSERT_TRUE(args.open(QIODevice::ReadOnly));
    EXPECT_EQ(args.readAll(), "/SP-|/silent|/noicons|");
    EXPECT_TRUE(QFile::exists(file("pelbixsolotally.tld"))) << "the tally is saved before the process ends";
}

TEST_F(OnlineTest, InstallerThatCannotStartIsReportedAndTheProgramKept)
{
    std::ofstream(file("pelbixsolo").toStdString()) << "the program";
    installer = std::string(512, 'x'); // not a program: starting it fails
    signature = signatureOf(installer, secretKey);
    auto w = open();
    w->main.onUpdateYes();
    ASSERT_TRUE(waitUntil([&] { return !w->main.updateFlow().running(); }));
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
                w->main.onPostingTick();
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
        w->main.onViewHighScoreList();
        ASSERT_TRUE(waitUntil([&] { return !w->highscore.listFetch->Busy() && listRequests > 0; }));
        EXPECT_EQ(w->highscore.listView->toPlainText(), HighScoreWindow::kUnreachable) << answer.substr(0, 40);
    }
}

TEST_F(OnlineTest, UnbrokenMegabytePageIsCutAndBrokenBeforeLayout)
{
    const std::string head = "<html><body>";
    listAnswer = ScriptedHttpServer::answer(200, "OK", head + std::string(HttpLimits::kListPage - head.size(), 'x'));
    auto w = open();
    w->main.onViewHighScoreList();
    ASSERT_TRUE(waitUntil([&] { return !w->highscore.listView->toPlainText().isEmpty(); }));
    const QString text = w->highscore.listView->toPlainText();
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

    QString images;
    for (int i = 0; i < ListPageText::kMaxShownImages + 5; ++i)
        images += "<img src=x><IMG/>";
    EXPECT_EQ(ListPageText::prepare(images).count("<img", Qt::CaseInsensitive), ListPageText::kMaxShownImages);

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
    const auto tampered = [&](const std::string& from, const std::string& to) {
        std::string text = signatureOf(good, secretKey);
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const struct {
        const char* name;
        std::string signature;
        std::string installerAnswer; // empty: the good installer, whole
        bool box;                    // the failure is also told in a message box
    } cases[] = {
        {"signature missing", "", "", true},
        {"signature malformed", "a1b2c3\n", "", true},
        {"a bare signature of the bytes, as older releases had",
         UpdateSignature::hex(secretKey.data(), UpdateSignature::kSignatureBytes) + "\n", "", true},
        {"statement from another key", signatureOf(good, otherSecret), "", true},
        {"statement changed after signing", tampered("version 1.0.3", "version 1.0.4"), "", true},
        {"replayed statement of our own version",
         signatureOf(good, secretKey, [](ReleaseStatement& s) { s.version = "1.0.2"; }), "", true},
        {"replayed statement of an older version",
         signatureOf(good, secretKey, [](ReleaseStatement& s) { s.version = "1.0.1"; }), "", true},
        {"statement for another file name",
         signatureOf(good, secretKey, [](ReleaseStatement& s) { s.fileName = "otherset.exe"; }), "", true},
        {"statement for another product",
         signatureOf(good, secretKey, [](ReleaseStatement& s) { s.product = "pelbixduo"; }), "", true},
        {"statement for another size",
         signatureOf(good, secretKey, [](ReleaseStatement& s) { ++s.size; }), "", true},
        {"statement for other bytes of the same size",
         signatureOf(good, secretKey, [](ReleaseStatement& s) { s.sha256[0] ^= 1; }), "", true},
        {"statement larger than any installer",
         signatureOf(good, secretKey, [](ReleaseStatement& s) { s.size = HttpLimits::kInstaller + 1; }), "", true},
        {"cut short, no length", signatureOf(good, secretKey),
         ScriptedHttpServer::answer(200, "OK", good.substr(0, 100), false), true},
        {"longer than the statement, no length", signatureOf(good, secretKey),
         ScriptedHttpServer::answer(200, "OK", good + "tail", false), false},
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
        w->main.onUpdateYes();
        ASSERT_TRUE(waitUntil([&] { return !w->main.updateFlow().running(); })) << c.name;
    ASSERT_TRUE(waitUntil([&] { return !w->main.updateFlow().running(); }));
        EXPECT_EQ(label(*w, "label_update")->text(), "Download Aborted") << c.name;
        EXPECT_EQ(dialogs.shown.size(), c.box ? 1 : 0) << c.name;
        EXPECT_TRUE(QFile::exists(file("pelbixsolo"))) << c.name;
        EXPECT_FALSE(QFile::exists(file("qztsetup.exe"))) << c.name;
        EXPECT_FALSE(QFile::exists(file("qztsetup.exe.part"))) << c.name;
        // At most the one read that went past the statement's size.
        EXPECT_LE(w->main.updateFlow().updateDownload->RcvdCount(), static_cast<long long>(good.size() + 4)) << c.name;
        EXPECT_FALSE(QFile::exists(file("pelbixsolo.BAK"))) << c.name;
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
        wait.onPostingTick();
    EXPECT_EQ(failed.count(), 1);

    wait.start();
    for (int tick = 1; tick < PostingWait::kPostingSeconds; ++tick)
        wait.onPostingTick();
    EXPECT_EQ(failed.count(), 1) << "one tick early";
    wait.onPostingTick();
    EXPECT_EQ(failed.count(), 2);
    wait.fail(); // a refusal arriving after the countdown gave up
    EXPECT_EQ(failed.count(), 2);

    EXPECT_FALSE(wait.answered()) << "an answer after the failure was told";

    wait.start();
    EXPECT_TRUE(wait.answered());
    wait.fail();
    EXPECT_EQ(failed.count(), 2);
    EXPECT_FALSE(wait.waiting());
}

} // namespace
