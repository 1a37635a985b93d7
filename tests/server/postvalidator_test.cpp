// SPDX-License-Identifier: MIT
#include "server/postvalidator.h"

#include <gtest/gtest.h>

namespace {
PostCheck check(const std::string& query)
{
    return checkPost(decodeQuery(query));
}

const std::string kTenAccents = "%C3%A9%C3%A9%C3%A9%C3%A9%C3%A9%C3%A9%C3%A9%C3%A9%C3%A9%C3%A9";
} // namespace

TEST(checkPost, RefusesEachBadFieldNamingIt)
{
    const struct {
        std::string query;
        std::string field;
        std::string problem;
    } cases[] = {
        {"date=3/7/26&score=1", "name", "missing"},
        {"name=&date=3/7/26&score=1", "name", "empty"},
        {"name=ElevenChars&date=3/7/26&score=1", "name", "longer than 10"},
        {"name=" + kTenAccents + "%C3%A9&date=3/7/26&score=1", "name", "longer than 10"},
        {"name=" + std::string(65, 'x') + "&date=3/7/26&score=1", "name", "too long"},
        {"name=Ann&score=1", "date", "missing"},
        {"name=Ann&date=&score=1", "date", "empty"},
        {"name=Ann&date=" + std::string(65, '1') + "&score=1", "date", "too long"},
        {"name=Ann&date=3/7/26", "score", "missing"},
        {"name=Ann&date=3/7/26&score=", "score", "empty"},
        {"name=Ann&date=3/7/26&score=-1", "score", "whole number"},
        {"name=Ann&date=3/7/26&score=10000001", "score", "whole number"},
        {"name=Ann&date=3/7/26&score=99999999999999999999", "score", "whole number"},
        {"name=Ann&date=3/7/26&score=1.5", "score", "whole number"},
        {"name=Ann&date=3/7/26&score=%2B5", "score", "whole number"},
    };
    for (const auto& c : cases) {
        const PostCheck result = check(c.query);
        EXPECT_FALSE(result.entry) << c.query;
        EXPECT_EQ(result.field, c.field) << c.query;
        EXPECT_NE(result.problem.find(c.problem), std::string::npos) << c.query << ": " << result.problem;
    }
}

TEST(checkPost, DateIsARealCalendarDateWithAnyOneSafeSeparator)
{
    // Percent-encoded as the game sends them; RLM is what right-to-left
    // locales put between the fields.
    const std::string rlm = "%E2%80%8F";
    const struct {
        std::string sent;
        std::string stored;
    } accepted[] = {
        {"3/7/26", "3/7/26"},         {"3.7.26", "3.7.26"},       {"3-7-26", "3-7-26"},
        {"03/07/26", "03/07/26"},     {"1/1/00", "1/1/00"},       {"12/31/99", "12/31/99"},
        {"2/29/24", "2/29/24"},       {"2/29/00", "2/29/00"},     {"4/30/26", "4/30/26"},
        {"3" + rlm + "7" + rlm + "26", "3\u200F7\u200F26"},     {"3%C2%B77%C2%B726", "3\u00B77\u00B726"},
        {"3%E3%80%817%E3%80%8126", "3\u30017\u300126"},       {"3%B77%B726", "3\u00B77\u00B726"},
    };
    for (const auto& c : accepted) {
        const PostCheck result = check("name=Ann&score=1&date=" + c.sent);
        ASSERT_TRUE(result.entry) << c.sent << ": " << result.problem;
        EXPECT_EQ(result.entry->date, c.stored) << c.sent;
    }
    for (const std::string date :
         {"2/31/26", "2/29/26", "2/29/25", "4/31/26", "0/7/26", "3/0/26", "13/7/26", "3/32/26", // no such day
          "2026-03-07", "3/7/2026", "3/7/6", "123/7/26", "3/7/26/", "/7/26", "3//26",           // not the shape
          "3/7.26", "3a7a26", "3%D8%A77%D8%A726", "3%D9%A17%D9%A126",                           // mixed, letter, digit
          "3%207%2026", "3%C2%A07%C2%A026", "3%097%0926", "3%3C7%3C26", "3%3E7%3E26",           // space, markup
          "3%267%2626", "3%227%2226", "3'7'26", "3%E2%80%8B7%E2%80%8B26", "3%E2%80%AE7%E2%80%AE26"})
        EXPECT_EQ(check("name=Ann&score=1&date=" + date).field, "date") << date;
}

TEST(checkPost, NameNeedsAVisibleCharacterAndNoControlOrFormatCharacters)
{
    for (const std::string name : {"%E2%80%AE", "%E2%80%8B", "Ann%E2%80%AEnnA", "A%E2%80%8Fb", "%EF%BB%BFAnn",
                                   "%E2%81%A6x", "a%E2%80%A8b", "a%0Ab", "%C2%85"}) {
        const PostCheck result = check("name=" + name + "&date=3/7/26&score=1");
        EXPECT_EQ(result.field, "name") << name;
        EXPECT_NE(result.problem.find("control or format"), std::string::npos) << name << ": " << result.problem;
    }
    for (const std::string name : {"%20", "%20%20%20", "%C2%A0", "%E3%85%A4", "%CC%81", "%E2%A0%80", "%E3%80%80"}) {
        const PostCheck result = check("name=" + name + "&date=3/7/26&score=1");
        EXPECT_NE(result.problem.find("no visible"), std::string::npos) << name << ": " << result.problem;
    }
    for (const std::string name : {"Ann", "%20A%20", "e%CC%81", "%E4%B8%80", "%F0%9F%98%80", "%D8%B9%D9%84%D9%8A"})
        EXPECT_TRUE(check("name=" + name + "&date=3/7/26&score=1").entry) << name;
}

TEST(checkPost, AcceptsTheLimitsAndReadsNonUtf8NamesAsLatin1)
{
    const PostCheck top = check("name=TenCharsOk&date=12/31/99&score=10000000");
    ASSERT_TRUE(top.entry) << top.problem;
    EXPECT_EQ(top.entry->score, 10000000);
    EXPECT_EQ(check("name=" + kTenAccents + "&date=1.2.26&score=0").entry->score, 0);
    EXPECT_EQ(check("name=Ann&date=1.2.26&score=0010").entry->score, 10);
    // Older clients send their ANSI code page; "Zoë" must not be refused or mangled.
    const PostCheck latin1 = check("name=Zo%EB&date=3/7/26&score=850");
    ASSERT_TRUE(latin1.entry) << latin1.problem;
    EXPECT_EQ(latin1.entry->name, "Zo\xC3\xAB");
}
