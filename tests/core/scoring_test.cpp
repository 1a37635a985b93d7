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
