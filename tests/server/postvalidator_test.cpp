#include "server/postvalidator.h"

#include <gtest/gtest.h>

namespace {
PostCheck check(const std::string& name, const std::string& date, const std::string& score)
{
    return checkPost({{"name", name}, {"date", date}, {"score", score}});
}
} // namespace

TEST(checkPost, AcceptsEveryRegionalSeparatorOfTheGamesDate)
{
    for (const std::string date : {"3/7/26", "3.7.26", "3-7-26", "12 31 99", "03/07/26", "1/1/00"}) {
        const PostCheck result = check("Ann", date, "850");
        ASSERT_TRUE(result.entry) << date << ": " << result.problem;
        EXPECT_EQ(result.entry->date, date);
    }
    for (const std::string date : {"3/7/6", "3//26", "/7/26", "3a7a26", "3/7.26", "0/7/26", "3/0/26", "3/32/26",
                                   "123/7/26", "3\t7\t26"})
        EXPECT_EQ(check("Ann", date, "850").field, "date") << date;
}

TEST(checkPost, NameThatIsNotUtf8IsReadAsLatin1)
{
    // Older clients send their ANSI code page; "Zoë" must not be refused or mangled.
    const PostCheck result = check("Zo\xEB", "3/7/26", "850");
    ASSERT_TRUE(result.entry) << result.problem;
    EXPECT_EQ(result.entry->name, "Zo\xC3\xAB");
    EXPECT_EQ(check("\x85", "3/7/26", "1").field, "name") << "a C1 control character";
}

TEST(checkPost, ScoreKeepsItsValueAndReportsTheFirstBadField)
{
    EXPECT_EQ(check("Ann", "3/7/26", "0010").entry->score, 10);
    EXPECT_EQ(check("Ann", "3/7/26", "10000000").entry->score, 10000000);
    EXPECT_EQ(check("", "bad", "bad").field, "name");
    EXPECT_EQ(check("Ann", "bad", "bad").field, "date");
}
