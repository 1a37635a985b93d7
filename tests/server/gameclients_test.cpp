// SPDX-License-Identifier: MIT
#include <QBuffer>
#include <gtest/gtest.h>

#include <fstream>

#include "widgets/htmlview.h"
#include "forms/windows/highscorewindow.h"
#include "net/backgroundfetch.h"
#include "net/httpclient.h"
#include "server/sqlitescorestore.h"
#include "support/eventwait.h"
#include "support/requestwait.h"
#include "testserver.h"

namespace {

// The server as the game meets it: posts and the list through the high-score
// window's own background fetches, the version file through BackgroundFetch and the
// installer through HttpClient.
class GameClients : public testing::Test {
protected:
    GameClients()
    {
        std::ofstream(installerPath, std::ios::binary) << installerBytes;
        ServerSettings settings = testSettings();
        settings.versionText = "1.0.3";
        settings.installer = installerPath;
        settings.listPageMaxAge = std::chrono::milliseconds(0);
        server = std::make_unique<RunningServer>(store, settings);
        address.host = "127.0.0.1";
        address.port = static_cast<uint16_t>(server->port());
    }

    QByteArray fetch(const QString& url)
    {
        BackgroundFetch get;
        get.URL = url;
        QByteArray body;
        bool done = false;
        get.OnDoneString = [&](QObject*, const QByteArray& result) {
            body = result;
            done = true;
        };
        get.OnError = [&](QObject*) { done = true; };
        get.FetchString();
        EXPECT_TRUE(waitUntil([&] { return done; }));
        return body;
    }

    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(server->port()); }

    TempFolder folder;
    std::filesystem::path installerPath = folder.path() / "qztsetup.exe";
    std::string installerBytes = std::string("MZ\x90\x00", 4) + std::string(70000, '\xA5');
    SqliteScoreStore store{folder.path() / "scores.db"};
    std::unique_ptr<RunningServer> server;
    ServerAddress address;
};

TEST_F(GameClients, PostThenListThroughTheHighScoreWindow)
{
    HighScoreWindow window(address);
    for (const QString& name : {QStringLiteral("Ann & Bo"), QStringLiteral("#1"), QStringLiteral("<script>"),
                                QStringLiteral("x+y z")}) {
        bool answered = false;
        window.OnPostAnswered = [&] {
            answered = true;
            return true;
        };
        window.sendScore(name, QStringLiteral("3/7/26"), QStringLiteral("850"));
        ASSERT_TRUE(waitUntil([&] { return answered; })) << name.toStdString();
        ASSERT_TRUE(waitUntil([&] { return !window.listFetch->Busy(); }));
    }
    const auto best = store.best(10);
    ASSERT_EQ(best.size(), 4u);
    std::vector<std::string> names;
    for (const auto& e : best)
        names.push_back(e.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Ann & Bo", "#1", "<script>", "x+y z"}));

    window.loadList();
    ASSERT_TRUE(waitUntil([&] { return window.listView->toPlainText().contains("x+y z"); }));
    const QString text = window.listView->toPlainText();
    EXPECT_TRUE(text.contains("<script>")) << "shown as text, not run as markup";
    EXPECT_TRUE(text.contains("Ann & Bo"));
    EXPECT_TRUE(text.contains("850"));
}

TEST_F(GameClients, VersionFileArrivesByteForByte)
{
    EXPECT_EQ(fetch(base() + "/pelbixsolo/pelbixsoloversion.txt"), QByteArray("1.0.3"));
}

TEST_F(GameClients, InstallerArrivesByteForByteThroughTheForegroundClient)
{
    HttpClient cli;
    cli.Agent = QStringLiteral("Mozilla/3.0 (compatible)");
    cli.URL = base() + "/pelbixsolo/qztsetup.exe";
    QBuffer received;
    received.open(QIODevice::WriteOnly);
    cli.ReceiveStream = &received;
    ASSERT_TRUE(finishRequest(cli, &HttpClient::GetAsync));
    EXPECT_EQ(cli.StatusCode(), 200);
    EXPECT_EQ(cli.ContentLength(), static_cast<long long>(installerBytes.size()));
    EXPECT_EQ(received.data(), QByteArray::fromStdString(installerBytes));
}

} // namespace
