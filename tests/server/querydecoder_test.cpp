// SPDX-License-Identifier: MIT
#include "server/querydecoder.h"

#include <gtest/gtest.h>

TEST(percentDecode, DecodesEscapesAndKeepsEverythingElse)
{
    const struct {
        std::string in;
        std::string out;
    } cases[] = {
        {"A%26B", "A&B"}, {"%3Cscript%3E", "<script>"}, {"a%20b", "a b"}, {"a+b", "a+b"},
        {"%e9%C3", "\xE9\xC3"}, {"100%", "100%"}, {"%4", "%4"}, {"%G1", "%G1"}, {"%%41", "%A"},
        {"%00x", std::string("\0x", 2)}, {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(percentDecode(c.in), c.out) << c.in;
}

TEST(decodeQuery, SplitsPairsAfterTheQuestionMark)
{
    const auto params = decodeQuery(queryOf("/cgi-bin/pelbixsolo.cgi?name=A%26B&&date=3/7/26&flag&score=850#frag"));
    ASSERT_EQ(params.size(), 4u);
    EXPECT_EQ(*findParam(params, "name"), "A&B");
    EXPECT_EQ(*findParam(params, "date"), "3/7/26");
    EXPECT_EQ(*findParam(params, "flag"), "");
    EXPECT_EQ(*findParam(params, "score"), "850");
    EXPECT_EQ(findParam(params, "missing"), nullptr);
}

TEST(decodeQuery, FirstOfRepeatedKeysWinsAndEncodedKeysMatch)
{
    const auto params = decodeQuery("score=1&score=2&n%61me=x=y");
    EXPECT_EQ(*findParam(params, "score"), "1");
    EXPECT_EQ(*findParam(params, "name"), "x=y");
    EXPECT_TRUE(decodeQuery(queryOf("/path")).empty());
}
