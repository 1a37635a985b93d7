// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "core/game/scoring.h"
#include "dieletters.h"

namespace {

GameState withDice(const std::array<int, 6>& faces, DieStatus st)
{
    GameState s;
    for (int i = 0; i < 6; ++i)
        s.dice[static_cast<std::size_t>(i)] = Die{faces[static_cast<std::size_t>(i)], st};
    return s;
}

} // namespace

TEST(bankPoints, WorkedSelections)
{
    const struct {
        std::array<int, 6> dice;
        int points;
    } cases[] = {
        {{1, 2, 3, 4, 5, 6}, 1500}, {{2, 2, 3, 3, 6, 6}, 750}, {{1, 1, 5, 5, 3, 3}, 750},
        {{4, 4, 4, 4, 4, 4}, 1600}, {{1, 1, 1, 1, 5, 5}, 2100}, {{2, 2, 2, 5, 5, 5}, 700},
        {{1, 1, 1, 5, 5, 5}, 1500}, {{5, 5, 5, 5, 5, 1}, 1600}, {{3, 3, 3, 1, 4, 6}, 400},
        {{2, 3, 4, 6, 6, 2}, 0},
    };
    for (const auto& c : cases) {
        for (auto eval : {previewPoints, commitPoints, bankPoints}) {
            GameState s = withDice(c.dice, DieStatus::Selected);
            EXPECT_EQ(eval(s), c.points) << testing::PrintToString(c.dice);
        }
    }
}

TEST(previewPoints, NothingSelectedIsWorthNothingAndMarksNothing)
{
    GameState s = withDice({1, 1, 1, 5, 5, 5}, DieStatus::InPlay);
    for (auto eval : {previewPoints, commitPoints, bankPoints}) {
        EXPECT_EQ(eval(s), 0);
        EXPECT_EQ(statuses(s), "uuuuuu");
    }
}

TEST(commitPoints, MarksOnlyTheDiceThatScored)
{
    const struct {
        std::array<int, 6> dice;
        std::string selected; // 's' selected, 'u' not
        int points;
        std::string after;
    } cases[] = {
        {{2, 3, 4, 6, 2, 3}, "ssssuu", 0, "ssssuu"},         // nothing scores: nothing marked
        {{1, 1, 1, 5, 5, 3}, "sssssu", 1100, "pppppu"},      // triple of ones plus two fives
        {{4, 4, 4, 4, 1, 2}, "ssssuu", 800, "ppppuu"},       // four of a face, not a triple
        {{3, 3, 3, 1, 4, 6}, "ssssss", 400, "ppppss"},       // 4 and 6 stay selected
        {{5, 5, 5, 5, 5, 2}, "sssssu", 1500, "pppppu"},      // five of a face only as five
        {{2, 2, 3, 3, 6, 6}, "ssssss", 750, "pppppp"},
        {{6, 6, 6, 6, 6, 6}, "ssssss", 2400, "pppppp"},      // six of a kind and nothing else
    };
    for (const auto& c : cases) {
        GameState s = withDice(c.dice, DieStatus::InPlay);
        for (std::size_t i = 0; i < 6; ++i)
            s.dice[i].status = statusOf(c.selected[i]);
        EXPECT_EQ(commitPoints(s), c.points) << testing::PrintToString(c.dice);
        EXPECT_EQ(statuses(s), c.after) << testing::PrintToString(c.dice);
    }
}

TEST(previewPoints, MarksCategoriesButNotSinglesAndIsNotRepeatable)
{
    GameState s = withDice({3, 3, 3, 1, 5, 2}, DieStatus::Selected);
    EXPECT_EQ(previewPoints(s), 450);
    EXPECT_EQ(statuses(s), "gggsss");
    // Without turning "g" back into "s" the triple is no longer seen.
    EXPECT_EQ(previewPoints(s), 150);
}

TEST(bankPoints, LeavesSinglesSelected)
{
    GameState s = withDice({2, 2, 2, 1, 5, 4}, DieStatus::Selected);
    EXPECT_EQ(bankPoints(s), 350);
    EXPECT_EQ(statuses(s), "pppsss");
}

TEST(ofAKindPoints, HigherFaceWinsAndExactCountOnly)
{
    GameState s = withDice({2, 2, 2, 4, 4, 4}, DieStatus::Selected);
    EXPECT_EQ(ofAKindPoints(s, ScoreMode::Preview, 3), 400);
    EXPECT_EQ(ofAKindPoints(s, ScoreMode::Preview, 3), 200); // the lower triple, found second
    GameState four = withDice({3, 3, 3, 3, 2, 6}, DieStatus::Selected);
    EXPECT_EQ(ofAKindPoints(four, ScoreMode::Check, 3), 0);
    EXPECT_EQ(ofAKindPoints(four, ScoreMode::Check, 4), 600);
}

TEST(pointsInRoll, SetAsideDiceNeverCompleteACategory)
{
    // Three twos set aside earlier plus three twos now: only the new three count.
    GameState s = withDice({2, 2, 2, 2, 2, 2}, DieStatus::InPlay);
    s.dice[0].status = s.dice[1].status = s.dice[2].status = DieStatus::SetAside;
    EXPECT_EQ(pointsInRoll(s), 200);
    // A straight cannot be completed across rolls.
    GameState t = withDice({1, 2, 3, 4, 5, 6}, DieStatus::Selected);
    t.dice[0].status = DieStatus::SetAside;
    EXPECT_EQ(bankPoints(t), 50);
}

TEST(pointsInRoll, CountsTheSameDiceMoreThanOnce)
{
    GameState s = withDice({1, 1, 1, 2, 3, 4}, DieStatus::InPlay);
    EXPECT_EQ(pointsInRoll(s), 1300); // 1000 for the triple plus 300 for the same ones
}

// An independent statement of "this roll holds something that scores".
bool rollScores(const std::vector<int>& faces)
{
    int counts[7] = {};
    for (int f : faces)
        ++counts[f];
    if (counts[1] > 0 || counts[5] > 0)
        return true;
    int pairs = 0;
    bool straight = faces.size() == 6;
    for (int f = 1; f <= 6; ++f) {
        if (counts[f] >= 3)
            return true;
        if (counts[f] >= 2)
            ++pairs;
        straight = straight && counts[f] == 1;
    }
    return straight || pairs >= 3;
}

TEST(pointsInRoll, AgreesWithAnIndependentCountForEveryRoll)
{
    long rolls = 0;
    for (int n = 1; n <= 6; ++n) {
        int total = 1;
        for (int i = 0; i < n; ++i)
            total *= 6;
        for (int code = 0; code < total; ++code) {
            std::vector<int> faces;
            GameState s;
            int c = code;
            for (int i = 0; i < 6; ++i) {
                if (i < n) {
                    faces.push_back(c % 6 + 1);
                    s.dice[static_cast<std::size_t>(i)] = Die{c % 6 + 1, DieStatus::InPlay};
                    c /= 6;
                } else {
                    s.dice[static_cast<std::size_t>(i)] = Die{1, DieStatus::SetAside}; // would score if counted
                }
            }
            ASSERT_EQ(pointsInRoll(s) != 0, rollScores(faces)) << testing::PrintToString(faces);
            ++rolls;
        }
    }
    EXPECT_EQ(rolls, 6 + 36 + 216 + 1296 + 7776 + 46656);
}
