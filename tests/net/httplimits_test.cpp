// SPDX-License-Identifier: MIT
// Both clients against a hostile server: every limit ends the fetch as a
// failure, and the bytes taken in stay within the limit.
#include <gtest/gtest.h>

#include <QBuffer>

#include "net/backgroundfetch.h"
#include "net/httplimits.h"
#include "net/httpclient.h"
#include "support/eventwait.h"
#include "support/requestwait.h"
#include "support/scriptedhttpserver.h"

namespace {

using Connection = ScriptedHttpServer::Connection;
constexpr long long kLimit = HttpLimits::kVersionFile;
const std::string kFiller(4096, 'z');

struct Hostile {
    const char* name;
    ScriptedHttpServer::Script script;
    bool delivered;          // the fetch succeeds, with...
    long long deliveredSize; // ...this many bytes
};

std::vector<Hostile> hostileAnswers()
{
    auto headThen = [](std::string head, std::string body, bool endless) {
        return [head, body, endless](Connection& c) {
            c.readRequest();
            c.send(head);
            if (endless)
                c.sendEndless(body);
            else
                c.send(body);
        };
    };
    return {
        {"endless body without length", headThen("HTTP/1.0 200 OK\r\n\r\n", kFiller, true), false, 0},
        {"Content-Length 10^10", headThen("HTTP/1.0 200 OK\r\nContent-Length: 10000000000\r\n\r\n", kFiller, true),
         false, 0},
        {"endless header lines", headThen("HTTP/1.0 200 OK\r\n", "X-Filler: " + std::string(100, 'h') + "\r\n", true),
         false, 0},
        {"body longer than its Content-Length",
         headThen("HTTP/1.0 200 OK\r\nContent-Length: 100\r\n\r\n", kFiller, true), true, 100},
        {"exactly the limit", headThen(ScriptedHttpServer::answer(200, "OK", std::string(kLimit, 'v')), "", false),
         true, kLimit},
        {"one byte past the limit, no length",
         headThen(ScriptedHttpServer::answer(200, "OK", std::string(kLimit + 1, 'v'), false), "", false), false, 0},
        {"one byte past the limit, with length",
         headThen(ScriptedHttpServer::answer(200, "OK", std::string(kLimit + 1, 'v')), "", false), false, 0},
    };
}

} // namespace

TEST(FetchString, EndsPastEveryLimitWithinTheLimit)
{
    for (const Hostile& h : hostileAnswers()) {
        ScriptedHttpServer server(h.script);
        BackgroundFetch get;
        get.MaxBodySize = kLimit;
        get.URL = QString::fromStdString(server.url("/pelbixsolo/pelbixsoloversion.txt"));
        int done = 0;
        int errors = 0;
        QByteArray body;
        get.OnDoneString = [&](QObject*, const QByteArray& result) {
            ++done;
            body = result;
        };
        get.OnError = [&](QObject*) { ++errors; };
        get.FetchString();
        ASSERT_TRUE(waitUntil([&] { return done + errors == 1; })) << h.name;
        EXPECT_EQ(done, h.delivered ? 1 : 0) << h.name;
        EXPECT_LE(get.Received(), kLimit) << h.name;
        if (h.delivered) {
            EXPECT_EQ(body.size(), h.deliveredSize) << h.name;
        }
    }
}

TEST(Get, EndsPastEveryLimitWithinTheLimit)
{
    for (const Hostile& h : hostileAnswers()) {
        ScriptedHttpServer server(h.script);
        HttpClient cli;
        cli.MaxBodySize = kLimit;
        cli.URL = QString::fromStdString(server.url("/pelbixsolo/qztsetup.exe"));
        QBuffer stream;
        stream.open(QIODevice::WriteOnly);
        cli.ReceiveStream = &stream;
        ASSERT_TRUE(finishRequest(cli, &HttpClient::GetAsync)) << h.name;
        EXPECT_EQ(cli.StatusCode() < 400 ? 0 : cli.StatusCode(), h.delivered ? 0 : 404) << h.name;
        EXPECT_LE(stream.size(), kLimit) << h.name;
        if (h.delivered) {
            EXPECT_EQ(stream.size(), h.deliveredSize) << h.name;
        }
    }
}

TEST(FetchString, ReportsTheAnswersStatus)
{
    for (int status : {200, 204, 400, 429, 503}) {
        const std::string body = status == 204 ? "" : "a body";
        ScriptedHttpServer server([&](Connection& c) {
            c.readRequest();
            c.send(ScriptedHttpServer::answer(status, "Status", body));
        });
        BackgroundFetch get;
        get.URL = QString::fromStdString(server.url("/cgi-bin/pelbixsolo.cgi?name=a"));
        bool ended = false;
        get.OnDoneString = [&](QObject*, const QByteArray&) { ended = true; };
        get.OnError = [&](QObject*) { ended = true; };
        get.FetchString();
        ASSERT_TRUE(waitUntil([&] { return ended; })) << status;
        EXPECT_EQ(get.StatusCode(), status);
        EXPECT_EQ(get.Succeeded(), !body.empty()) << status;
    }
}
