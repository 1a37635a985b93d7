// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "core/game/scoring.h"

namespace {

Tgamestate withDice(const std::array<int, 6>& faces, char st)
{
    Tgamestate s;
    for (int i = 0; i < 6; ++i)
        s.dice[static_cast<std::size_t>(i)] = Tdie{faces[static_cast<std::size_t>(i)], st};
    return s;
}

std::string statuses(const Tgamestate& s)
{
    std::string out;
    for (const Tdie& d : s.dice)
        out += d.status;
    return out;
}

} // namespace

TEST(finalscore, WorkedSelections)
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
        for (auto eval : {gettempscore, updatescore, finalscore}) {
            Tgamestate s = withDice(c.dice, status::kSelected);
            EXPECT_EQ(eval(s), c.points) << testing::PrintToString(c.dice);
        }
    }
}

TEST(gettempscore, NothingSelectedIsWorthNothingAndMarksNothing)
{
    Tgamestate s = withDice({1, 1, 1, 5, 5, 5}, status::kInPlay);
    for (auto eval : {gettempscore, updatescore, finalscore}) {
        EXPECT_EQ(eval(s), 0);
        EXPECT_EQ(statuses(s), "uuuuuu");
    }
}

TEST(updatescore, MarksOnlyTheDiceThatScored)
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
        Tgamestate s = withDice(c.dice, status::kInPlay);
        for (std::size_t i = 0; i < 6; ++i)
            s.dice[i].status = c.selected[i];
        EXPECT_EQ(updatescore(s), c.points) << testing::PrintToString(c.dice);
        EXPECT_EQ(statuses(s), c.after) << testing::PrintToString(c.dice);
    }
}

TEST(gettempscore, MarksCategoriesButNotSinglesAndIsNotRepeatable)
{
    Tgamestate s = withDice({3, 3, 3, 1, 5, 2}, status::kSelected);
    EXPECT_EQ(gettempscore(s), 450);
    EXPECT_EQ(statuses(s), "gggsss");
    // Without turning "g" back into "s" the triple is no longer seen.
    EXPECT_EQ(gettempscore(s), 150);
}

TEST(finalscore, LeavesSinglesSelected)
{
    Tgamestate s = withDice({2, 2, 2, 1, 5, 4}, status::kSelected);
    EXPECT_EQ(finalscore(s), 350);
    EXPECT_EQ(statuses(s), "pppsss");
}

TEST(checkforkind, HigherFaceWinsAndExactCountOnly)
{
    Tgamestate s = withDice({2, 2, 2, 4, 4, 4}, status::kSelected);
    EXPECT_EQ(checkforkind(s, mode::kPreview, 3), 400);
    EXPECT_EQ(checkforkind(s, mode::kPreview, 3), 200); // the lower triple, found second
    Tgamestate four = withDice({3, 3, 3, 3, 2, 6}, status::kSelected);
    EXPECT_EQ(checkforkind(four, mode::kCheck, 3), 0);
    EXPECT_EQ(checkforkind(four, mode::kCheck, 4), 600);
}

TEST(checkscore, SetAsideDiceNeverCompleteACategory)
{
    // Three twos set aside earlier plus three twos now: only the new three count.
    Tgamestate s = withDice({2, 2, 2, 2, 2, 2}, status::kInPlay);
    s.dice[0].status = s.dice[1].status = s.dice[2].status = status::kSetAside;
    EXPECT_EQ(checkscore(s), 200);
    // A straight cannot be completed across rolls.
    Tgamestate t = withDice({1, 2, 3, 4, 5, 6}, status::kSelected);
    t.dice[0].status = status::kSetAside;
    EXPECT_EQ(finalscore(t), 50);
}

TEST(checkscore, CountsTheSameDiceMoreThanOnce)
{
    Tgamestate s = withDice({1, 1, 1, 2, 3, 4}, status::kInPlay);
    EXPECT_EQ(checkscore(s), 1300); // 1000 for the triple plus 300 for the same ones
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

TEST(checkscore, AgreesWithAnIndependentCountForEveryRoll)
{
    long rolls = 0;
    for (int n = 1; n <= 6; ++n) {
        int total = 1;
        for (int i = 0; i < n; ++i)
            total *= 6;
        for (int code = 0; code < total; ++code) {
            std::vector<int> faces;
            Tgamestate s;
            int c = code;
            for (int i = 0; i < 6; ++i) {
                if (i < n) {
                    faces.push_back(c % 6 + 1);
                    s.dice[static_cast<std::size_t>(i)] = Tdie{c % 6 + 1, status::kInPlay};
                    c /= 6;
                } else {
                    s.dice[static_cast<std::size_t>(i)] = Tdie{1, status::kSetAside}; // would score if counted
                }
            }
            ASSERT_EQ(checkscore(s) != 0, rollScores(faces)) << testing::PrintToString(faces);
            ++rolls;
        }
    }
    EXPECT_EQ(rolls, 6 + 36 + 216 + 1296 + 7776 + 46656);
}
