// SPDX-License-Identifier: MIT
#include "server/postvalidator.h"

#include <gtest/gtest.h>

#include "core/game/targetchance.h"

namespace {
using namespace std::chrono;

// Late enough that every well-formed date of the shape tests is in the past.
constexpr year_month_day kLastDay{year{2099}, December, day{31}};

PostCheck check(const std::string& query, year_month_day today = kLastDay)
{
    return checkPost(decodeQuery(query), today);
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
        {"date=3/7/26&score=50", "name", "missing"},
        {"name=&date=3/7/26&score=50", "name", "empty"},
        {"name=ElevenChars&date=3/7/26&score=50", "name", "longer than 10"},
        {"name=" + kTenAccents + "%C3%A9&date=3/7/26&score=50", "name", "longer than 10"},
        {"name=" + std::string(65, 'x') + "&date=3/7/26&score=50", "name", "too long"},
        {"name=Ann&score=50", "date", "missing"},
        {"name=Ann&date=&score=50", "date", "empty"},
        {"name=Ann&date=" + std::string(65, '1') + "&score=50", "date", "too long"},
        {"name=Ann&date=3/7/26", "score", "missing"},
        {"name=Ann&date=3/7/26&score=", "score", "empty"},
        {"name=Ann&date=3/7/26&score=-50", "score", "whole number"},
        {"name=Ann&date=3/7/26&score=1.5", "score", "whole number"},
        {"name=Ann&date=3/7/26&score=%2B50", "score", "whole number"},
        {"name=Ann&date=3/7/26&score=%2050", "score", "whole number"},
        {"name=Ann&date=3/7/26&score=12345", "score", "multiple of 50"},
        {"name=Ann&date=3/7/26&score=10", "score", "multiple of 50"},
        {"name=Ann&date=3/7/26&score=25100", "score", "more than a game"},
        {"name=Ann&date=3/7/26&score=9999950", "score", "more than a game"},
        {"name=Ann&date=3/7/26&score=10000000", "score", "more than 7 digits"},
        {"name=Ann&date=3/7/26&score=" + std::string(64, '0') + "5", "score", "too long"},
        {"name=Ann&date=3/7/26&score=0000850", "score", "leading zeros"},
        {"name=Ann&date=3/7/26&score=00", "score", "leading zeros"},
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
        const PostCheck result = check("name=Ann&score=50&date=" + c.sent);
        ASSERT_TRUE(result.entry) << c.sent << ": " << result.problem;
        EXPECT_EQ(result.entry->date, c.stored) << c.sent;
    }
    for (const std::string date :
         {"2/31/26", "2/29/26", "2/29/25", "4/31/26", "0/7/26", "3/0/26", "13/7/26", "3/32/26", // no such day
          "2026-03-07", "3/7/2026", "3/7/6", "123/7/26", "3/7/26/", "/7/26", "3//26",           // not the shape
          "3/7.26", "3a7a26", "3%D8%A77%D8%A726", "3%D9%A17%D9%A126",                           // mixed, letter, digit
          "3%207%2026", "3%C2%A07%C2%A026", "3%097%0926", "3%3C7%3C26", "3%3E7%3E26",           // space, markup
          "3%267%2626", "3%227%2226", "3'7'26", "3%E2%80%8B7%E2%80%8B26", "3%E2%80%AE7%E2%80%AE26"})
        EXPECT_EQ(check("name=Ann&score=50&date=" + date).field, "date") << date;
}

TEST(checkPost, NameNeedsAVisibleCharacterAndNoControlOrFormatCharacters)
{
    for (const std::string name : {"%E2%80%AE", "%E2%80%8B", "Ann%E2%80%AEnnA", "A%E2%80%8Fb", "%EF%BB%BFAnn",
                                   "%E2%81%A6x", "a%E2%80%A8b", "a%0Ab", "%C2%85"}) {
        const PostCheck result = check("name=" + name + "&date=3/7/26&score=50");
        EXPECT_EQ(result.field, "name") << name;
        EXPECT_NE(result.problem.find("control or format"), std::string::npos) << name << ": " << result.problem;
    }
    for (const std::string name : {"%20", "%20%20%20", "%C2%A0", "%E3%85%A4", "%CC%81", "%E2%A0%80", "%E3%80%80"}) {
        const PostCheck result = check("name=" + name + "&date=3/7/26&score=50");
        EXPECT_NE(result.problem.find("no visible"), std::string::npos) << name << ": " << result.problem;
    }
    for (const std::string name : {"Ann", "%20A%20", "e%CC%81", "%E4%B8%80", "%F0%9F%98%80", "%D8%B9%D9%84%D9%8A"})
        EXPECT_TRUE(check("name=" + name + "&date=3/7/26&score=50").entry) << name;
}

TEST(checkPost, DateMayBeTodayOrTomorrowButNoLater)
{
    constexpr year_month_day kNewYearsEve{year{2026}, December, day{31}};
    const struct {
        const char* date;
        bool accepted;
    } cases[] = {
        {"12/31/26", true}, {"1/1/27", true}, {"1/2/27", false}, {"3/7/00", true},
        {"12/31/99", false}, {"1/1/30", false}, {"12/30/26", true},
    };
    for (const auto& c : cases) {
        const PostCheck result = check(std::string("name=Ann&score=50&date=") + c.date, kNewYearsEve);
        EXPECT_EQ(result.entry.has_value(), c.accepted) << c.date << ": " << result.problem;
        if (!c.accepted) {
            EXPECT_NE(result.problem.find("future"), std::string::npos) << c.date;
        }
    }
}

// The cap is a fact about the game's rules: recomputed here, it must be the
// first total that best play for it reaches with a chance below 1e-9.
TEST(checkPost, ScoreCapIsTheFirstTotalBelowOneChanceInABillion)
{
    const std::vector<double> chances = bestChancesToReach(kMaxScore);
    ASSERT_EQ(chances.size(), static_cast<std::size_t>(kMaxScore / kScoreStep + 1));
    EXPECT_LT(chances.back(), 1e-9);
    EXPECT_GE(chances[chances.size() - 2], 1e-9);
}

TEST(checkPost, AcceptsTheLimitsAndReadsNonUtf8NamesAsLatin1)
{
    const PostCheck top = check("name=TenCharsOk&date=12/31/99&score=" + std::to_string(kMaxScore));
    ASSERT_TRUE(top.entry) << top.problem;
    EXPECT_EQ(top.entry->score, kMaxScore);
    EXPECT_EQ(check("name=" + kTenAccents + "&date=1.2.26&score=0").entry->score, 0);
    EXPECT_EQ(check("name=Ann&date=1.2.26&score=50").entry->score, 50);
    // Older clients send their ANSI code page; "Zoë" must not be refused or mangled.
    const PostCheck latin1 = check("name=Zo%EB&date=3/7/26&score=850");
    ASSERT_TRUE(latin1.entry) << latin1.problem;
    EXPECT_EQ(latin1.entry->name, "Zo\xC3\xAB");
}
