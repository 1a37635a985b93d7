// SPDX-License-Identifier: MIT
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include <QBuffer>
#include <QCoreApplication>
#include <QSignalSpy>

#include "net/httpexception.h"
#include "net/backgroundfetch.h"
#include "net/httpclient.h"
#include "support/eventwait.h"
#include "support/requestwait.h"
#include "support/scriptedhttpserver.h"
#include "support/tlstestserver.h"

namespace {

using Connection = ScriptedHttpServer::Connection;

// A client as the installer download sets it up, writing into a buffer.
struct Download {
    HttpClient cli;
    QByteArray body;
    QBuffer stream{&body};
    int docBegins = 0;
    int docEnds = 0;

    explicit Download(const std::string& url)
    {
        cli.URL = QString::fromStdString(url);
        cli.Agent = QStringLiteral("Mozilla/3.0 (compatible)");
        stream.open(QIODevice::WriteOnly);
        cli.ReceiveStream = &stream;
        cli.OnDocBegin = [this](QObject*) { ++docBegins; };
        cli.OnDocEnd = [this](QObject*) { ++docEnds; };
    }
    // Runs a GET to its end; returns the failure's status and reason, or 0 and "".
    std::pair<int, std::string> get() { return run(&HttpClient::GetAsync); }
    std::pair<int, std::string> run(void (HttpClient::*start)())
    {
        if (!finishRequest(cli, start))
            return {-1, "never ended"};
        if (cli.StatusCode() < 400)
            return {0, ""};
        return {cli.StatusCode(), cli.ReasonPhrase().toStdString()};
    }
};

ScriptedHttpServer::Script answering(const std::string& bytes)
{
    return [bytes](Connection& c) {
        c.readRequest();
        c.send(bytes);
    };
}

std::string requestLine(const std::string& request)
{
    return request.substr(0, request.find("\r\n"));
}

} // namespace

TEST(Get, SendsExactlyTheInstallerRequest)
{
    ScriptedHttpServer server(answering(ScriptedHttpServer::answer(200, "OK", "MZ")));
    Download d(server.url("/pelbixsolo/qztsetup.exe"));
    EXPECT_EQ(d.get().first, 0);
    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_EQ(server.requests()[0], "GET /pelbixsolo/qztsetup.exe HTTP/1.0\r\n"
                                    "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*\r\n"
                                    "User-Agent: Mozilla/3.0 (compatible)\r\n"
                                    "Host: 127.0.0.1\r\n\r\n");
}

TEST(Post, SendsEveryHeaderLineInOrderAndTheBody)
{
    ScriptedHttpServer server(answering(ScriptedHttpServer::answer(200, "OK", "posted")));
    HttpClient cli;
    QByteArray payload("name=Ann&score=5000");
    QBuffer send(&payload);
    send.open(QIODevice::ReadOnly);
    cli.URL = QString::fromStdString(server.url("/cgi?x=1"));
    cli.SendStream = &send;
    cli.Sender = QStringLiteral("me@example");
    cli.Reference = QStringLiteral("http://ref/");
    cli.Connection = QStringLiteral("close");
    cli.AcceptLanguage = QStringLiteral("en");
    cli.Agent = QStringLiteral("Agent/1");
    cli.NoCache = true;
    cli.ModifiedSince = QDateTime(QDate(2026, 12, 6), QTime(8, 5, 9), Qt::UTC);
    cli.Username = QStringLiteral("user");
    cli.Password = QStringLiteral("pw");
    cli.Cookie = QStringLiteral("c=1");
    cli.ContentRangeBegin = QStringLiteral("10");
    int commands = 0;
    cli.OnCommand = [&](QObject*, QString& line) {
        ++commands;
        if (line.startsWith(QLatin1String("Cookie:")))
            line = QStringLiteral("Cookie: rewritten");
    };
    ASSERT_TRUE(finishRequest(cli, &HttpClient::PostAsync));
    EXPECT_EQ(cli.StatusCode(), 200);
    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_EQ(server.requests()[0], "POST /cgi?x=1 HTTP/1.0\r\n"
                                    "From: me@example\r\n"
                                    "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*\r\n"
                                    "Referer: http://ref/\r\n"
                                    "Connection: close\r\n"
                                    "Accept-Language: en\r\n"
                                    "Content-Type: application/x-www-form-urlencoded\r\n"
                                    "User-Agent: Agent/1\r\n"
                                    "Host: 127.0.0.1\r\n"
                                    "Pragma: no-cache\r\n"
                                    "Content-Length: 19\r\n"
                                    "If-Modified-Since: Sun, 06 Dec 2026 08:05:09 GMT\r\n"
                                    "Authorization: Basic dXNlcjpwdw==\r\n"
                                    "Cookie: rewritten\r\n"
                                    "Range: bytes=10-\r\n"
                                    "\r\n"
                                    "name=Ann&score=5000");
    EXPECT_EQ(commands, 15);
    EXPECT_TRUE(cli.ContentRangeBegin.isEmpty()); // cleared once sent
}

TEST(Get, AnswersFromTheServer)
{
    const std::string big(20000, 'b');
    const struct {
        const char* name;
        std::string answer;
        int code; // the failure's status, 0 for none
        std::string message;
        std::string body;
        int status;
        int docBegins;
    } cases[] = {
        {"200 with length", ScriptedHttpServer::answer(200, "OK", "hello"), 0, "", "hello", 200, 1},
        {"200 with length 0", ScriptedHttpServer::answer(200, "OK", ""), 0, "", "", 200, 0},
        {"200 without length", ScriptedHttpServer::answer(200, "OK", big, false), 0, "", big, 200, 1},
        {"length not a number", "HTTP/1.0 200 OK\r\nContent-Length: abc\r\n\r\nall of it", 0, "", "all of it", 200, 1},
        {"negative length", "HTTP/1.0 200 OK\r\nContent-Length: -1\r\n\r\nall of it", 0, "", "all of it", 200, 1},
        {"100 Continue first",
         "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nContent-Length: 2\r\nConnection: close\r\n\r\nok", 0, "",
         "ok", 200, 1},
        {"no header, a page", "<HTML><BODY>list\r\n</BODY></HTML>", 0, "", "<HTML><BODY>list</BODY></HTML>", 0, 1},
        {"304 stays a success", ScriptedHttpServer::answer(304, "Not Modified", ""), 0, "", "", 304, 0},
        {"404 page", ScriptedHttpServer::answer(404, "Not Found", "gone"), 404, "Not Found", "gone", 404, 1},
        {"500 page", ScriptedHttpServer::answer(500, "Internal Server Error", "", false), 500,
         "Internal Server Error", "", 500, 0},
        {"line too long", "HTTP/1.0 200 OK\r\nX-Big: " + std::string(9000, 'x') + "\r\n\r\nbody", 404,
         "HTTP line too long", "", 404, 0},
        // A short body used to be reported as a complete download.
        {"closed before the length", "HTTP/1.0 200 OK\r\nContent-Length: 100\r\n\r\nshort", 404,
         "Connection closed before the document was complete", "short", 404, 1},
        {"closed without an answer", "", 404, "Connection closed before the header was complete", "", 404, 0},
        {"closed inside the header", "HTTP/1.0 200 OK\r\nContent-Le", 404,
         "Connection closed before the header was complete", "", 404, 0},
    };
    for (const auto& c : cases) {
        ScriptedHttpServer server(answering(c.answer));
        Download d(server.url("/file"));
        const auto [code, message] = d.get();
        EXPECT_EQ(code, c.code) << c.name;
        EXPECT_EQ(message, c.message) << c.name;
        EXPECT_EQ(d.body.toStdString(), c.body) << c.name;
        EXPECT_EQ(d.cli.StatusCode(), c.status) << c.name;
        EXPECT_EQ(d.docBegins, c.docBegins) << c.name;
        EXPECT_EQ(d.docEnds, c.docBegins) << c.name;
        EXPECT_EQ(d.cli.State(), HttpClient::HttpState::Ready) << c.name;
    }
}

TEST(Get, ABodyInPiecesWithPausesArrivesWhole)
{
    std::string body;
    for (int i = 0; i < 30000; ++i)
        body += static_cast<char>(i * 7);
    ScriptedHttpServer server([&](Connection& c) {
        c.readRequest();
        const std::string bytes = ScriptedHttpServer::answer(200, "OK", body);
        for (std::size_t at = 0; at < bytes.size(); at += 4000) {
            c.send(std::string_view(bytes).substr(at, 4000));
            c.pause(10);
        }
    });
    Download d(server.url("/x"));
    EXPECT_EQ(d.get().first, 0);
    EXPECT_EQ(d.body.toStdString(), body);
    EXPECT_EQ(d.cli.RcvdCount(), static_cast<long long>(body.size()));
}

TEST(Get, AnErrorPageIsNotReadBeyondItsFirstPiece)
{
    ScriptedHttpServer server([](Connection& c) {
        c.readRequest();
        c.send("HTTP/1.0 404 Not Found\r\nContent-Length: 10000\r\n\r\nfirst");
        c.pause(200);
        c.send(std::string(9995, 'z'));
    });
    Download d(server.url("/x"));
    EXPECT_EQ(d.get(), std::make_pair(404, std::string("Not Found")));
    EXPECT_EQ(d.body, "first");
}

TEST(Get, StartsWithoutWaitingForTheAnswer)
{
    ScriptedHttpServer server([](Connection& c) {
        c.readRequest();
        c.hang();
    });
    Download d(server.url("/x"));
    QSignalSpy done(&d.cli, &HttpClient::requestDone);
    d.cli.GetAsync();
    EXPECT_NE(d.cli.State(), HttpClient::HttpState::Ready);
    ASSERT_TRUE(waitUntil([&] { return server.requests().size() == 1; }));
    EXPECT_TRUE(done.isEmpty());
    d.cli.Abort();
    ASSERT_TRUE(done.wait());
    EXPECT_EQ(done[0][1].toInt(), 3);
}

TEST(Get, ALineTooLongEndsWithItsOwnError)
{
    ScriptedHttpServer server(answering("HTTP/1.0 200 OK\r\nX-Big: " + std::string(9000, 'x') + "\r\n\r\n"));
    Download d(server.url("/x"));
    QSignalSpy done(&d.cli, &HttpClient::requestDone);
    d.cli.GetAsync();
    ASSERT_TRUE(done.wait());
    EXPECT_EQ(done[0][1].toInt(), 4);
}

TEST(Get, FailsWithTheClientsOwnPhrases)
{
    const struct {
        const char* name;
        std::string url;
        std::string message;
    } cases[] = {
        {"refused", "http://127.0.0.1:" + std::to_string(ScriptedHttpServer::closedPort()) + "/x",
         "Connection refused (Error #10061)"},
        {"unresolvable", "http://pelbix-nowhere.invalid/x", "can't resolve hostname to IP address"},
        {"no host", "http:///x", "DNS lookup: invalid host name."},
    };
    for (const auto& c : cases) {
        Download d(c.url);
        EXPECT_EQ(d.get(), std::make_pair(404, c.message)) << c.name;
        EXPECT_EQ(d.cli.State(), HttpClient::HttpState::Ready) << c.name;
    }
}

TEST(Get, RefusesToStartWhenItCannot)
{
    ScriptedHttpServer server([](Connection& c) {
        c.readRequest();
        c.hang();
    });
    HttpClient cli;
    cli.URL = QString::fromStdString(server.url("/"));
    const auto expectRefusal = [](const std::function<void()>& start, int code, const char* message) {
        try {
            start();
            ADD_FAILURE() << "started: " << message;
        } catch (const HttpException& e) {
            EXPECT_EQ(e.ErrorCode(), code);
            EXPECT_STREQ(e.what(), message);
        }
    };
    expectRefusal([&] { cli.SetRequestVer(QStringLiteral("2.0")); }, 5, "Insupported HTTP version");
    expectRefusal([&] { cli.PostAsync(); }, 2, "HTTP component has nothing to post or put");
}

TEST(Get, ANewRequestCancelsAHungOne)
{
    ScriptedHttpServer server(ScriptedHttpServer::hangFirstThenAnswer("second"));
    Download d(server.url("/first"));
    QSignalSpy done(&d.cli, &HttpClient::requestDone);
    d.cli.GetAsync();
    ASSERT_TRUE(waitUntil([&] { return server.requests().size() == 1; }));
    d.cli.URL = QString::fromStdString(server.url("/second"));
    EXPECT_EQ(d.get().first, 0);
    EXPECT_EQ(d.body, "second");
    ASSERT_EQ(done.size(), 2);
    EXPECT_EQ(done[0][1].toInt(), 3); // the hung one, aborted
    EXPECT_EQ(done[1][1].toInt(), 0);
}

TEST(Get, FailsOnACutBodyOrATimeOut)
{
    using namespace std::chrono_literals;
    const HttpTimeouts quick{200ms, 200ms, 0ms};
    const struct {
        const char* name;
        ScriptedHttpServer::Script script;
        HttpTimeouts timeouts;
        const char* reason;
    } cases[] = {
        {"short close", answering("HTTP/1.0 200 OK\r\nContent-Length: 100\r\n\r\nshort"), {},
         "Connection closed before the document was complete"},
        {"reset", [](Connection& c) {
             c.readRequest();
             c.send("HTTP/1.0 200 OK\r\nContent-Length: 100\r\n\r\nshort");
             c.reset();
         }, {}, "Connection reset by peer (Error #10054)"},
        {"truncated chunks", answering("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n"), {},
         "Connection closed before the document was complete"},
        {"broken chunks", answering("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhello!\r\n0\r\n\r\n"), {},
         "bad chunked encoding"},
        {"stall", [](Connection& c) {
             c.readRequest();
             c.send("HTTP/1.0 200 OK\r\n\r\npart");
             c.hang();
         }, quick, "Connection timed out (Error #10060): no data for 0.2 s"},
        {"drip past the total", [](Connection& c) {
             c.readRequest();
             c.send("HTTP/1.0 200 OK\r\n\r\n");
             while (c.send("x"))
                 c.pause(20);
         }, {200ms, 200ms, 300ms}, "Connection timed out (Error #10060): no complete answer within 0.3 s"},
    };
    for (const auto& c : cases) {
        ScriptedHttpServer server(c.script);
        Download d(server.url("/"));
        d.cli.Timeouts = c.timeouts;
        EXPECT_EQ(d.get(), std::make_pair(404, std::string(c.reason))) << c.name;
    }
    // A port that never accepts, and a server that never starts its TLS handshake.
    ScriptedHttpServer::FullBacklog stuck;
    ScriptedHttpServer silent([](Connection& c) { c.hang(); });
    for (const std::string& url : {"http://127.0.0.1:" + std::to_string(stuck.port()) + "/",
                                   "https://127.0.0.1:" + std::to_string(silent.port()) + "/"}) {
        Download d(url);
        d.cli.Timeouts = quick;
        EXPECT_EQ(d.get(), std::make_pair(404, std::string("can't connect: Connection timed out (Error #10060)"))) << url;
    }
}

TEST(Post, NeverFollowsARedirectToAnotherHost)
{
    ScriptedHttpServer server([](Connection& c) {
        c.readRequest();
        c.send(ScriptedHttpServer::answer(302, "Found", "", true,
                                          "Location: http://localhost:" + std::to_string(c.port()) + "/done\r\n"));
    });
    Download d(server.url("/post"));
    QByteArray payload("a=1");
    QBuffer send(&payload);
    send.open(QIODevice::ReadOnly);
    d.cli.SendStream = &send;
    EXPECT_EQ(d.run(&HttpClient::PostAsync), std::make_pair(404, std::string("redirect to another host refused")));
    EXPECT_EQ(server.requests().size(), 1u);
}

TEST(Get, ChecksTheServersCertificate)
{
    TlsTestServer server(ScriptedHttpServer::answer(200, "OK", "installer").c_str());
    ASSERT_TRUE(server.ready());
    ScriptedHttpServer upgrade(answering(ScriptedHttpServer::answer(
        302, "Found", "", true, "Location: " + server.url(QStringLiteral("/setup")).toStdString() + "\r\n")));
    const struct {
        const char* name;
        std::string url;
        bool trusted;
        const char* error; // empty: the download succeeds
    } cases[] = {
        {"self-signed", server.url(QStringLiteral("/setup")).toStdString(), false,
         "can't establish a secure connection: The certificate is self-signed, and untrusted"},
        {"trusted", server.url(QStringLiteral("/setup")).toStdString(), true, ""},
        {"another name", server.url(QStringLiteral("/setup"), QStringLiteral("localhost")).toStdString(), true,
         "can't establish a secure connection: The host name did not match any of the valid hosts for this certificate"},
        {"redirect to https", upgrade.url("/setup"), true, ""},
    };
    for (const auto& c : cases) {
        Download d(c.url);
        if (c.trusted)
            d.cli.CaCertificates = server.certificateFile();
        const auto result = d.get();
        EXPECT_EQ(result.second, c.error) << c.name;
        EXPECT_EQ(d.body, *c.error ? "" : "installer") << c.name;
    }
    server.setAnswer(ScriptedHttpServer::answer(302, "Found", "", true, "Location: " + upgrade.url("/x") + "\r\n").c_str());
    Download d(server.url(QStringLiteral("/setup")).toStdString());
    d.cli.CaCertificates = server.certificateFile();
    EXPECT_EQ(d.get().second, "redirect from https to http refused");
}

TEST(Get, TunnelsHttpsThroughTheEnvironmentsProxy)
{
    ScriptedHttpServer proxy(answering("HTTP/1.1 407 Proxy Authentication Required\r\nContent-Length: 0\r\n\r\n"));
    qputenv("https_proxy", "http://u:p@127.0.0.1:" + QByteArray::number(proxy.port()));
    Download d("https://pelbix-elsewhere.invalid/setup");
    const auto result = d.get();
    qunsetenv("https_proxy");
    EXPECT_EQ(result, std::make_pair(404, std::string("the proxy refused the tunnel: 407 Proxy Authentication Required")));
    ASSERT_EQ(proxy.requests().size(), 1u);
    EXPECT_EQ(proxy.requests()[0], "CONNECT pelbix-elsewhere.invalid:443 HTTP/1.1\r\nHost: pelbix-elsewhere.invalid:443\r\n"
                                   "Proxy-Authorization: Basic dTpw\r\n\r\n");
}

TEST(Proxy, BothClientsTakeTheEnvironmentsProxy)
{
    // The scripted server plays the proxy: it sees the whole address.
    ScriptedHttpServer proxy(answering(ScriptedHttpServer::answer(200, "OK", "via proxy")));
    qputenv("http_proxy", QByteArray("127.0.0.1:") + QByteArray::number(proxy.port()));
    qunsetenv("no_proxy");
    qunsetenv("NO_PROXY");
    Download d("http://pelbix-elsewhere.invalid/v");
    const auto cliResult = d.get();
    BackgroundFetch get;
    QByteArray result;
    get.OnDoneString = [&](QObject*, const QByteArray& body) { result = body; };
    get.URL = QStringLiteral("http://pelbix-elsewhere.invalid/w");
    get.FetchString();
    waitUntil([&] { return !get.Busy(); });
    qunsetenv("http_proxy");
    EXPECT_EQ(cliResult.first, 0);
    EXPECT_EQ(d.body, "via proxy");
    EXPECT_EQ(result, "via proxy");
    ASSERT_EQ(proxy.requests().size(), 2u);
    EXPECT_EQ(requestLine(proxy.requests()[0]), "GET http://pelbix-elsewhere.invalid/v HTTP/1.0");
    EXPECT_EQ(requestLine(proxy.requests()[1]), "GET http://pelbix-elsewhere.invalid/w HTTP/1.0");
}

TEST(Abort, EndsAHangingRequestOnce)
{
    ScriptedHttpServer server([](Connection& c) {
        c.readRequest();
        c.hang();
    });
    HttpClient cli;
    QSignalSpy done(&cli, &HttpClient::requestDone);
    cli.URL = QString::fromStdString(server.url("/"));
    cli.GetAsync();
    ASSERT_TRUE(waitUntil([&] { return !server.requests().empty(); }));
    cli.Abort();
    EXPECT_EQ(cli.State(), HttpClient::HttpState::Ready);
    EXPECT_EQ(cli.StatusCode(), 404);
    EXPECT_EQ(cli.ReasonPhrase(), QStringLiteral("Connection aborted on request"));
    ASSERT_TRUE(done.wait());
    EXPECT_FALSE(done.wait(50));
    ASSERT_EQ(done.size(), 1);
    EXPECT_EQ(done[0][1].toInt(), 3);
}

TEST(Get, AClientDestroyedMidRequestReportsNothingMore)
{
    ScriptedHttpServer server([](Connection& c) {
        c.readRequest();
        c.send("HTTP/1.0 200 OK\r\n\r\npart");
        c.hang();
    });
    auto d = std::make_unique<Download>(server.url("/"));
    bool reported = false;
    QObject::connect(&d->cli, &HttpClient::requestDone, [&] { reported = true; });
    d->cli.GetAsync();
    ASSERT_TRUE(waitUntil([&] { return d->body == "part"; }));
    d->cli.OnDocEnd = [&](QObject*) { reported = true; };
    d.reset();
    QCoreApplication::processEvents();
    EXPECT_FALSE(reported);
}

TEST(Get, FollowsRedirectsInEveryForm)
{
    const struct {
        const char* name;
        std::string location;
        std::string followed;
    } cases[] = {
        {"same host path", "/other/file", "GET /other/file HTTP/1.0"},
        {"relative to the folder", "file2?v=1", "GET /dir/file2?v=1 HTTP/1.0"},
        {"absolute address", "http://127.0.0.1:PORT/abs#frag", "GET /abs HTTP/1.0"},
    };
    for (const auto& c : cases) {
        std::string location = c.location;
        ScriptedHttpServer server([&](Connection& conn) {
            conn.readRequest();
            if (conn.index() == 0)
                conn.send(ScriptedHttpServer::answer(302, "Found", "moved", true, "Location: " + location + "\r\n"));
            else
                conn.send(ScriptedHttpServer::answer(200, "OK", "target"));
        });
        if (auto at = location.find("PORT"); at != std::string::npos)
            location.replace(at, 4, std::to_string(server.port()));
        Download d(server.url("/dir/file?q=1"));
        int locationChanges = 0;
        d.cli.OnLocationChange = [&](QObject*) { ++locationChanges; };
        EXPECT_EQ(d.get().first, 0) << c.name;
        EXPECT_EQ(d.body, "target") << c.name;
        EXPECT_EQ(locationChanges, 1) << c.name;
        ASSERT_EQ(server.requests().size(), 2u) << c.name;
        EXPECT_EQ(requestLine(server.requests()[1]), c.followed) << c.name;
        EXPECT_EQ(server.connections(), 2) << c.name;
    }
}

TEST(Get, ReusesAnHttp11ConnectionForARedirect)
{
    ScriptedHttpServer server([](Connection& c) {
        c.readRequest();
        c.send(ScriptedHttpServer::answer(301, "Moved", "old body", true, "Location: /new\r\n", "1.1"));
        c.readRequest();
        c.send(ScriptedHttpServer::answer(200, "OK", "new body", true, "", "1.1"));
        c.hang();
    });
    Download d(server.url("/old"));
    d.cli.SetRequestVer(QStringLiteral("1.1"));
    EXPECT_EQ(d.get().first, 0);
    EXPECT_EQ(d.body, "new body");
    EXPECT_EQ(server.connections(), 1);
    ASSERT_EQ(server.requests().size(), 2u);
    EXPECT_EQ(requestLine(server.requests()[1]), "GET /new HTTP/1.1");
}

TEST(Post, BecomesAGetAfterARedirect)
{
    ScriptedHttpServer server([](Connection& c) {
        c.readRequest();
        if (c.index() == 0)
            c.send(ScriptedHttpServer::answer(302, "Found", "", true, "Location: /done\r\n"));
        else
            c.send(ScriptedHttpServer::answer(200, "OK", "thanks"));
    });
    HttpClient cli;
    QByteArray payload("a=1");
    QBuffer send(&payload);
    send.open(QIODevice::ReadOnly);
    cli.SendStream = &send;
    cli.URL = QString::fromStdString(server.url("/post"));
    ASSERT_TRUE(finishRequest(cli, &HttpClient::PostAsync));
    ASSERT_EQ(server.requests().size(), 2u);
    EXPECT_EQ(requestLine(server.requests()[0]), "POST /post HTTP/1.0");
    EXPECT_EQ(requestLine(server.requests()[1]), "GET /done HTTP/1.0");
}

TEST(Get, ARedirectLoopEndsAfterTwentyRedirects)
{
    ScriptedHttpServer server([](Connection& c) {
        c.readRequest();
        c.send(ScriptedHttpServer::answer(302, "Found", "", true, "Location: /again\r\n"));
    });
    Download d(server.url("/start"));
    EXPECT_EQ(d.get(), std::make_pair(404, std::string("too many redirects")));
    EXPECT_EQ(server.requests().size(), 21u);
}

TEST(Head, EndsAfterTheHeader)
{
    ScriptedHttpServer server([](Connection& c) {
        c.readRequest();
        c.send("HTTP/1.0 200 OK\r\nContent-Length: 5000\r\nContent-Type: text/html\r\n\r\n");
        c.hang();
    });
    HttpClient cli;
    cli.URL = QString::fromStdString(server.url("/list/"));
    ASSERT_TRUE(finishRequest(cli, &HttpClient::HeadAsync));
    EXPECT_EQ(cli.StatusCode(), 200);
    EXPECT_EQ(cli.ContentLength(), 5000);
    EXPECT_EQ(cli.ContentType(), QStringLiteral("text/html"));
    EXPECT_EQ(cli.RcvdHeader().size(), 3);
}

TEST(DocName, FromThePathAndTheContentType)
{
    const struct {
        const char* path;
        const char* type;
        const char* name;
    } cases[] = {
        {"/pelbixsolo/qztsetup.exe", "application/octet-stream", "qztsetup.exe"},
        {"/pelbixsolo/qztsetup.exe", "text/html", "qztsetup.htm"},
        {"/counter/list?x=1", "text/html; charset=utf-8", "list.htm"},
        {"/counter/", "text/html", "document.htm"},
        {"/a/b.txt?q", "text/html", "b.txt"},
    };
    for (const auto& c : cases) {
        ScriptedHttpServer server(answering(
            ScriptedHttpServer::answer(200, "OK", "x", true, std::string("Content-Type: ") + c.type + "\r\n")));
        Download d(server.url(c.path));
        d.get();
        EXPECT_EQ(d.cli.DocName().toStdString(), c.name) << c.path;
    }
}

TEST(Get, KeepsAnHttp11ConnectionForTheNextRequest)
{
    ScriptedHttpServer server([](Connection& c) {
        for (const char* body : {"one", "two"}) {
            c.readRequest();
            c.send(ScriptedHttpServer::answer(200, "OK", body, true, "", "1.1"));
        }
        c.hang();
    });
    Download d(server.url("/a"));
    d.cli.SetRequestVer(QStringLiteral("1.1"));
    EXPECT_EQ(d.get().first, 0);
    EXPECT_EQ(d.get().first, 0);
    EXPECT_EQ(d.body, "onetwo");
    EXPECT_EQ(server.connections(), 1);
}

TEST(Put, TakesTheLocationWithoutMoving)
{
    ScriptedHttpServer server(answering(
        ScriptedHttpServer::answer(201, "Created", "", true, "Location: http://127.0.0.1/stored/file\r\n")));
    HttpClient cli;
    QByteArray payload("content");
    QBuffer send(&payload);
    send.open(QIODevice::ReadOnly);
    cli.SendStream = &send;
    cli.URL = QString::fromStdString(server.url("/upload"));
    ASSERT_TRUE(finishRequest(cli, &HttpClient::PutAsync));
    EXPECT_EQ(cli.StatusCode(), 201);
    EXPECT_EQ(cli.Location(), QStringLiteral("http://127.0.0.1/stored/file"));
    EXPECT_EQ(server.connections(), 1);
    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_NE(server.requests()[0].find("\r\n\r\ncontent"), std::string::npos);
}
