// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/tally/tallytable.h"

namespace {

void playGame(TallyTable& t, int32_t score, const std::string& name = "Ann", const std::string& date = "12/7/26")
{
    t.increment(1);
    t.enterGame(score, name, date);
    t.addTo(2, score);
}

std::vector<std::string> scores(const TallyTable& t)
{
    std::vector<std::string> out;
    for (int p = 1; p <= TallyTable::kPlaces; ++p)
        out.push_back(t.placeScoreText(p));
    return out;
}

std::vector<std::string> split(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = text.find("\r\n", pos);
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

TEST(TallyTable, FirstStartIsEmpty)
{
    const TallyTable t;
    for (int c = 1; c <= 4; ++c)
        EXPECT_EQ(t.statistic(c), "0");
    EXPECT_EQ(scores(t), std::vector<std::string>(10, ""));
    EXPECT_EQ(t.placeScore(1), TallyTable::kEmptyScore);
}

TEST(TallyTable, EmptyTableTextIs282BytesIn110Lines)
{
    const std::string text = TallyTable().toText();
    EXPECT_EQ(text.size(), 282u);
    const auto lines = split(text);
    ASSERT_EQ(lines.size(), 110u);
    EXPECT_EQ(lines[0], "9");
    EXPECT_EQ(lines[1], "12");
    for (int c = 0; c < 9; ++c) {
        for (int row = 0; row < 12; ++row) {
            std::string expected;
            if (row == 0)
                expected = "0";
            else if (c == 1 && row <= 10)
                expected = "-1000";
            EXPECT_EQ(lines[static_cast<std::size_t>(2 + c * 12 + row)], expected) << "column " << c << " row " << row;
        }
    }
}

TEST(enterGame, TwoGamesBestFirstWithStatistics)
{
    TallyTable t;
    playGame(t, 500);
    playGame(t, 700);
    EXPECT_EQ(t.placeScoreText(1), "700");
    EXPECT_EQ(t.placeScoreText(2), "500");
    EXPECT_EQ(t.statistic(1), "2");
    EXPECT_EQ(t.statistic(2), "1200");
    EXPECT_EQ(t.statistic(4), "600");
}

TEST(enterGame, EqualScoreGoesAboveTheOlderOne)
{
    TallyTable t;
    playGame(t, 500, "First");
    playGame(t, 500, "Second");
    EXPECT_EQ(t.placeName(1), "Second");
    EXPECT_EQ(t.placeName(2), "First");
    EXPECT_TRUE(t.placeLook(1).white);
    EXPECT_FALSE(t.placeLook(2).bold);
}

TEST(enterGame, TenthPlaceRule)
{
    TallyTable t;
    for (int i = 0; i < 10; ++i)
        ASSERT_TRUE(t.enterGame(1000, "P" + std::to_string(i), "d"));
    EXPECT_EQ(t.placeName(10), "P0"); // the oldest stands last
    EXPECT_TRUE(t.enterGame(1000, "New", "d"));
    EXPECT_EQ(t.placeName(1), "New");
    EXPECT_EQ(t.placeName(10), "P1"); // P0 dropped out
    const TallyTable before = t;
    EXPECT_FALSE(t.enterGame(999, "Low", "d"));
    EXPECT_EQ(t.toText(), before.toText());
    EXPECT_FALSE(t.placeLook(1).bold) << "a miss still clears the highlight";
}

TEST(enterGame, MovesDateNameAndScoreTogether)
{
    TallyTable t;
    t.enterGame(300, "C", "1/3/26");
    t.enterGame(100, "A", "1/1/26");
    t.enterGame(200, "B", "1/2/26");
    const std::vector<std::string> expected = {"300", "200", "100", "", "", "", "", "", "", ""};
    EXPECT_EQ(scores(t), expected);
    EXPECT_EQ(t.placeDate(2), "1/2/26");
    EXPECT_EQ(t.placeDate(3), "1/1/26");
    EXPECT_EQ(t.placeName(3), "A");
}

TEST(TallyTable, Statistics)
{
    TallyTable t;
    t.setCell(1, 0, "3");
    t.addTo(2, 1000);
    EXPECT_EQ(t.statistic(4), "333");

    t.keepHighest(3, 450);
    t.keepHighest(3, 450); // equal: no change
    t.keepHighest(3, 200);
    EXPECT_EQ(t.statistic(3), "450");

    TallyTable noGames;
    noGames.addTo(2, 700); // division by zero: the total stays, the average does not change
    EXPECT_EQ(noGames.statistic(2), "700");
    EXPECT_EQ(noGames.statistic(4), "0");

    TallyTable negative;
    negative.setCell(1, 0, "2");
    negative.setCell(2, 0, "");
    negative.addTo(2, -5);
    EXPECT_EQ(negative.statistic(2), "-5");
    EXPECT_EQ(negative.statistic(4), "-2"); // truncated toward zero

    TallyTable word;
    word.setCell(3, 0, "lots");
    word.keepHighest(3, 900);
    EXPECT_EQ(word.statistic(3), "lots");
}

// Regression: a counter cell holding a word used to raise into the game's
// click handler; it now counts from 0.
TEST(increment, CountsFromZeroOverAWord)
{
    TallyTable t;
    t.setCell(1, 0, "many");
    t.increment(1);
    EXPECT_EQ(t.statistic(1), "1");
    EXPECT_EQ(t.incrementCell(1, 0), 2);
}

TEST(TallyTable, ResetEmptiesEverythingAndReloadsAsEmpty)
{
    TallyTable t;
    playGame(t, 800);
    t.reset();
    const TallyTable loaded = TallyTable::fromText(t.toText());
    const TallyTable empty;
    for (int c = 1; c <= 4; ++c)
        EXPECT_EQ(loaded.statistic(c), "0");
    EXPECT_EQ(scores(loaded), scores(empty));
    EXPECT_EQ(loaded.placeName(1), "");
}

TEST(TallyTable, WordInAScoreCellLoadsAsAnEmptyPlaceAndKeepsItsText)
{
    TallyTable t;
    t.enterGame(500, "Ann", "d");
    std::string text = t.toText();
    const std::string needle = "\r\n500\r\n";
    text.replace(text.find(needle), needle.size(), "\r\nlots\r\n");
    TallyTable loaded = TallyTable::fromText(text);
    EXPECT_EQ(loaded.placeScore(1), TallyTable::kEmptyScore);
    EXPECT_EQ(loaded.placeScoreText(1), "");
    EXPECT_EQ(loaded.cell(1, 1), "lots");
    loaded.enterGame(10, "Bo", "d"); // the word stands above the empty places, so 10 enters at place 1
    EXPECT_EQ(loaded.cell(1, 2), "lots");
}

TEST(TallyTable, TextRoundTripsAndAcceptsBareLineFeeds)
{
    TallyTable t;
    playGame(t, 650, "Zoë & Co", "7.3.26");
    const std::string text = t.toText();
    EXPECT_EQ(TallyTable::fromText(text).toText(), text);
    std::string lf;
    for (char ch : text)
        if (ch != '\r')
            lf += ch;
    EXPECT_EQ(TallyTable::fromText(lf).toText(), text);
    // "9 columns" style count lines: the rest of the line is skipped.
    std::string annotated = text;
    annotated.replace(0, 1, "9 columns");
    EXPECT_EQ(TallyTable::fromText(annotated).toText(), text);
    // A name an older copy wrote in the Windows code page used to show as "J\uFFFDrgen".
    std::string old = text;
    old.replace(old.find("Zo\xc3\xab"), 4, "J\xfcrgen");
    EXPECT_EQ(TallyTable::fromText(old).placeName(1), "J\xc3\xbcrgen & Co");
}

TEST(TallyTable, DamagedTextIsRefused)
{
    const std::string good = TallyTable().toText();
    const std::string longLine(TallyTable::kMaxLineBytes + 1, 'x');
    const struct {
        const char* what;
        std::string text;
    } cases[] = {
        {"empty", ""},
        {"ten columns", "10" + good.substr(1)},
        {"eleven rows", "9\r\n11" + good.substr(5)},
        {"no count", "x\r\n12\r\n"},
        {"huge count", "99999999999\r\n12\r\n"},
        {"missing last line", good.substr(0, good.size() - 2)},
        {"cut in the middle", good.substr(0, 100)},
        {"overlong cell", "9\r\n12\r\n" + longLine + good.substr(7)},
        {"oversized", good + std::string(TallyTable::kMaxTextBytes, 'x')},
    };
    for (const auto& c : cases)
        EXPECT_THROW(TallyTable::fromText(c.text), TallyTable::ParseError) << c.what;
}

} // namespace
