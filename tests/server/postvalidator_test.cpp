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
        {"name=a%0Ab&date=3/7/26&score=1", "name", "control"},
        {"name=%C2%85&date=3/7/26&score=1", "name", "control"},
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

TEST(checkPost, DateHasTheGamesShapeWithAnyOneSeparator)
{
    for (const std::string date : {"3/7/26", "3.7.26", "3-7-26", "12 31 99", "03/07/26", "1/1/00"}) {
        const PostCheck result = check("name=Ann&score=1&date=" + date);
        ASSERT_TRUE(result.entry) << date << ": " << result.problem;
        EXPECT_EQ(result.entry->date, date);
    }
    for (const std::string date : {"2026-03-07", "3/7/2026", "3/7/6", "3//26", "/7/26", "3a7a26", "3/7.26", "0/7/26",
                                   "3/0/26", "13/7/26", "3/32/26", "123/7/26", "3\t7\t26", "3/7/26/"})
        EXPECT_EQ(check("name=Ann&score=1&date=" + date).field, "date") << date;
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
