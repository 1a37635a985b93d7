// SPDX-License-Identifier: MIT
#include "server/requesthead.h"

#include <gtest/gtest.h>

TEST(readRequestHead, PassesOnlyALengthTheHttpLibraryReadsAsANumber)
{
    using V = RequestHead::Verdict;
    const std::string start = "GET / HTTP/1.1\r\nHost: x\r\n";
    const struct {
        std::string head;
        V verdict;
    } cases[] = {
        {start + "\r\n", V::Pass},
        {"GET / HTTP/1.0\n\n", V::Pass},
        {"\r\n\r\n" + start + "\r\n", V::Pass},
        {start + "Content-Length: 0\r\n\r\n", V::Pass},
        {start + "Content-Length:  \t12\r\n\r\n", V::Pass},
        {start + "content-LENGTH: 999999999999999999\r\n\r\n", V::Pass},
        {start + "Content-Length: 000000000000000000000001\r\n\r\n", V::Pass},
        {start + "Content-Lengthy: -1\r\n\r\n", V::Pass},
        {start + "X: Content-Length: -1\r\n\r\n", V::Pass},
        {start + "Content-Length: 1000000000000000000\r\n\r\n", V::LengthTooLarge},
        {start + "Content-Length: 99999999999999999999\r\n\r\n", V::LengthTooLarge},
        {start + "Content-Length: -1\r\n\r\n", V::BadLength},
        {start + "Content-Length: +5\r\n\r\n", V::BadLength},
        {start + "Content-Length: 5 \r\n\r\n", V::BadLength},
        {start + "Content-Length: 1x\r\n\r\n", V::BadLength},
        {start + "Content-Length:\r\n\r\n", V::BadLength},
        {start + "Content-Length: 5\r\n 6\r\n\r\n", V::BadLength},
        {start + "Content-Length: 5\r\nContent-Length: -1\r\n\r\n", V::BadLength},
        {start + "Content-Length: -1\r\n", V::Incomplete},
        {"GET / HTTP/1.1", V::Incomplete},
        {"", V::Incomplete},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readRequestHead(c.head, 1024).verdict, c.verdict) << testing::PrintToString(c.head);
}

TEST(readRequestHead, MeasuresTheHeadAndStopsAtTheLimit)
{
    const std::string head = "GET /a HTTP/1.1\r\nHost: x\r\n\r\n";
    const std::string pipelined = head + "GET /next";
    const RequestHead whole = readRequestHead(pipelined, 1024);
    EXPECT_EQ(whole.length, head.size());
    EXPECT_EQ(whole.firstLine, "GET /a HTTP/1.1");

    const std::string endless = "GET /" + std::string(2000, 'a');
    const RequestHead cut = readRequestHead(endless, 1024);
    EXPECT_EQ(cut.verdict, RequestHead::Verdict::TooLarge);
    EXPECT_EQ(cut.firstLine.size(), 1024u);
    // The blank line just past the limit does not count.
    EXPECT_EQ(readRequestHead(std::string(1022, 'x') + "\r\n\r\n", 1024).verdict, RequestHead::Verdict::TooLarge);
    EXPECT_EQ(readRequestHead(std::string(1020, 'x') + "\r\n\r\n", 1024).verdict, RequestHead::Verdict::Pass);
}
