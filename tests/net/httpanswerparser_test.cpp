// SPDX-License-Identifier: MIT
#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "net/httpanswerparser.h"

namespace {

using Outcome = HttpAnswerParser::Outcome;

// Records what the parser reports and keeps the body.
struct Recorder : HttpAnswerParser::Events {
    std::string body;
    std::vector<std::string> cookies;
    int headerBegins = 0;
    int headerEnds = 0;
    int docBegins = 0;
    void headerBegin() override { ++headerBegins; }
    void cookie(const std::string& value) override { cookies.push_back(value); }
    void headerEnd() override { ++headerEnds; }
    void docBegin() override { ++docBegins; }
    void docData(const char* data, std::size_t size) override { body.append(data, size); }
};

// Feeds `bytes` in pieces of at most `piece` bytes; returns the last outcome.
Outcome feed(HttpAnswerParser& parser, const std::string& bytes, std::size_t piece)
{
    Outcome outcome = Outcome::More;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t size = std::min({piece, bytes.size() - at, parser.freeSize()});
        if (size == 0)
            break;
        std::memcpy(parser.freeSpace(), bytes.data() + at, size);
        outcome = parser.received(size);
        at += size;
    }
    return outcome;
}

} // namespace

TEST(HttpAnswerParser, GivesTheSameAnswerWhateverThePieces)
{
    const std::string answer = "HTTP/1.1 200 OK\r\nContent-Type: Text/HTML\r\nContent-Length: 11\n"
                               "Set-Cookie: a=1\r\n\r\nhello world";
    for (std::size_t piece : {std::size_t{1}, std::size_t{2}, std::size_t{7}, std::size_t{17}, answer.size()}) {
        Recorder events;
        HttpAnswerParser parser(events);
        parser.start(HttpAnswerParser::Request::Get);
        EXPECT_EQ(feed(parser, answer, piece), Outcome::BodyComplete) << piece;
        EXPECT_EQ(events.body, "hello world") << piece;
        EXPECT_EQ(parser.answer().status, 200);
        EXPECT_EQ(parser.answer().version, "1.1");
        EXPECT_EQ(parser.answer().reason, "OK");
        EXPECT_EQ(parser.answer().contentType, "text/html");
        EXPECT_EQ(events.cookies, std::vector<std::string>{"a=1"});
        EXPECT_EQ(events.docBegins, 1);
        EXPECT_EQ(parser.answer().headerLines.size(), 4u);
    }
}

TEST(HttpAnswerParser, ReadsTheFieldsTable)
{
    Recorder events;
    HttpAnswerParser parser(events);
    parser.start(HttpAnswerParser::Request::Get);
    feed(parser,
         "HTTP/1.0 206 Partial Content\r\nContent-Range: bytes 0-99/200\r\nAccept-Ranges: bytes\r\n"
         "WWW-Authenticate: Basic realm=\"x\"\r\nlocation:   /moved\r\n\r\n",
         64);
    const auto& answer = parser.answer();
    EXPECT_EQ(answer.contentRangeBegin, "0");
    EXPECT_EQ(answer.contentRangeEnd, "99");
    EXPECT_EQ(answer.acceptRanges, "bytes");
    EXPECT_EQ(answer.wwwAuthenticate, std::vector<std::string>{"Basic realm=\"x\""});
    EXPECT_TRUE(answer.redirect);
    EXPECT_EQ(answer.location, "/moved");
}

TEST(HttpAnswerParser, ContentLengthThatIsNotACountIsAbsent)
{
    const struct {
        const char* value;
        long long length;
    } cases[] = {{"42", 42}, {"  7 ", 7}, {"-5", -1}, {"abc", -1}, {"12abc", -1}, {"", -1},
                 {"99999999999999999999999", -1}, {"0", 0}};
    for (const auto& c : cases) {
        Recorder events;
        HttpAnswerParser parser(events);
        parser.start(HttpAnswerParser::Request::Get);
        feed(parser, std::string("HTTP/1.0 200 OK\r\nContent-Length: ") + c.value + "\r\n\r\n", 100);
        EXPECT_EQ(parser.answer().contentLength, c.length) << c.value;
    }
}

TEST(HttpAnswerParser, InterimContinueIsForgotten)
{
    Recorder events;
    HttpAnswerParser parser(events);
    parser.start(HttpAnswerParser::Request::Get);
    EXPECT_EQ(feed(parser, "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok", 5),
              Outcome::BodyComplete);
    EXPECT_EQ(parser.answer().status, 200);
    EXPECT_EQ(parser.answer().headerLines, (std::vector<std::string>{"HTTP/1.1 200 OK", "Content-Length: 2"}));
    EXPECT_EQ(events.body, "ok");
}

TEST(HttpAnswerParser, AnHtmlFirstLineIsThePageWithoutHeader)
{
    Recorder events;
    HttpAnswerParser parser(events);
    parser.start(HttpAnswerParser::Request::Get);
    EXPECT_EQ(feed(parser, "<html><body>\r\nrest</body>", 3), Outcome::More);
    EXPECT_EQ(parser.phase(), HttpAnswerParser::Phase::Body);
    EXPECT_EQ(parser.answer().contentType, "text/html");
    EXPECT_EQ(events.body, "<html><body>rest</body>");
}

TEST(HttpAnswerParser, EndsWithoutBodyForLengthZeroAndForHead)
{
    for (auto request : {HttpAnswerParser::Request::Get, HttpAnswerParser::Request::Head}) {
        Recorder events;
        HttpAnswerParser parser(events);
        parser.start(request);
        const std::string length = request == HttpAnswerParser::Request::Head ? "5" : "0";
        EXPECT_EQ(feed(parser, "HTTP/1.0 200 OK\r\nContent-Length: " + length + "\r\n\r\n", 100), Outcome::NoBody);
        EXPECT_EQ(events.docBegins, 0);
        EXPECT_EQ(events.headerEnds, 1);
    }
}

TEST(HttpAnswerParser, BytesPastTheLengthAreDropped)
{
    Recorder events;
    HttpAnswerParser parser(events);
    parser.start(HttpAnswerParser::Request::Get);
    EXPECT_EQ(feed(parser, "HTTP/1.0 200 OK\r\nContent-Length: 3\r\n\r\nabcdef", 100), Outcome::BodyComplete);
    EXPECT_EQ(events.body, "abc");
    EXPECT_EQ(parser.answer().receivedCount, 3);
}

TEST(HttpAnswerParser, LineTooLongAtAFullBuffer)
{
    const struct {
        std::size_t lineLength;
        bool tooLong;
    } cases[] = {{HttpAnswerParser::kBufferSize - 1, false}, {HttpAnswerParser::kBufferSize, true},
                 {3 * HttpAnswerParser::kBufferSize, true}};
    for (const auto& c : cases) {
        Recorder events;
        HttpAnswerParser parser(events);
        parser.start(HttpAnswerParser::Request::Get);
        feed(parser, "HTTP/1.0 200 OK\r\nX: ", 100);
        feed(parser, std::string(c.lineLength - 3, 'x') + "\n", 1000);
        EXPECT_EQ(parser.lineTooLong(), c.tooLong) << c.lineLength;
    }
}

TEST(HttpAnswerParser, AReusedConnectionSkipsThePreviousBody)
{
    Recorder events;
    HttpAnswerParser parser(events);
    parser.start(HttpAnswerParser::Request::Get);
    // The redirect's body is 10 bytes; 4 of them come with its header.
    EXPECT_EQ(feed(parser, "HTTP/1.1 302 Found\r\nLocation: /b\r\nContent-Length: 10\r\n\r\n0123", 200),
              Outcome::Redirect);
    feed(parser, "45", 200); // still the old body, arriving before the restart
    parser.start(HttpAnswerParser::Request::Get, 10);
    EXPECT_EQ(feed(parser, "6789HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok", 3), Outcome::BodyComplete);
    EXPECT_EQ(parser.answer().status, 200);
    EXPECT_EQ(events.body, "ok");
}

TEST(HttpAnswerParser, ChunkedBodiesAreWholeOrBad)
{
    const std::string head = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n";
    const struct {
        const char* name;
        std::string bytes;
        Outcome outcome;
        const char* body;
    } cases[] = {
        {"plain", head + "\r\n5\r\nhello\r\n6\r\n world\r\n0\r\n\r\n", Outcome::BodyComplete, "hello world"},
        {"extensions, trailer, bare LF", head + "\r\nA;x=y\n0123456789\n0\nT: 1\n\n", Outcome::BodyComplete, "0123456789"},
        {"a length beside the chunks", head + "Content-Length: 2\r\n\r\n3\r\nabc\r\n0\r\n\r\n", Outcome::BodyComplete, "abc"},
        {"cut before the last chunk", head + "\r\n5\r\nhello\r\n", Outcome::More, "hello"},
        {"not hex", head + "\r\nzz\r\n", Outcome::BadChunk, ""},
        {"data longer than its size", head + "\r\n2\r\nabc\r\n0\r\n\r\n", Outcome::BadChunk, "ab"},
        {"size past 64 bits", head + "\r\n1000000000000000\r\n", Outcome::BadChunk, ""},
        {"endless size line", head + "\r\n" + std::string(2000, '0'), Outcome::BadChunk, ""},
    };
    for (const auto& c : cases) {
        for (const std::size_t piece : {std::size_t{1}, std::size_t{7}, HttpAnswerParser::kBufferSize}) {
            Recorder recorder;
            HttpAnswerParser parser(recorder);
            parser.start(HttpAnswerParser::Request::Get);
            // As the client does: the first outcome that is not More ends the answer.
            Outcome outcome = Outcome::More;
            for (std::size_t at = 0; at < c.bytes.size() && outcome == Outcome::More; at += piece)
                outcome = feed(parser, c.bytes.substr(at, piece), piece);
            EXPECT_EQ(outcome, c.outcome) << c.name << " in pieces of " << piece;
            EXPECT_EQ(recorder.body, c.body) << c.name << " in pieces of " << piece;
        }
    }
}
