// SPDX-License-Identifier: MIT
#include "core/game/scoring.h"

#include <array>
#include <cstddef>

namespace {

using Counts = std::array<int, 7>; // index = face; [0] unused

// Mode "c" looks at every die of the roll that is not set aside; the other
// modes look only at what the player selected.
bool counted(const Tdie& d, char evalMode)
{
    if (evalMode == mode::kCheck)
        return d.status != status::kSetAside;
    return d.status == status::kSelected;
}

Counts countFaces(const Tgamestate& state, char evalMode)
{
    Counts counts{};
    for (const Tdie& d : state.dice) {
        if (counted(d, evalMode) && d.value >= 1 && d.value <= 6)
            ++counts[static_cast<std::size_t>(d.value)];
    }
    return counts;
}

// The mark a scoring category leaves on the dice it used; mode "c" leaves none.
char categoryMark(char evalMode)
{
    switch (evalMode) {
    case mode::kPreview:
        return status::kPreviewed;
    case mode::kUpdate:
    case mode::kFinal:
        return status::kSetAside;
    default:
        return 0;
    }
}

// Straight and three pairs use all six dice of the roll.
void markAll(Tgamestate& state, char evalMode)
{
    if (const char mark = categoryMark(evalMode))
        for (Tdie& d : state.dice)
            d.status = mark;
}

} // namespace

int32_t checkforstraight(Tgamestate& state, char evalMode)
{
    const Counts counts = countFaces(state, evalMode);
    for (int face = 1; face <= 6; ++face)
        if (counts[static_cast<std::size_t>(face)] < 1)
            return 0;
    markAll(state, evalMode);
    return points::kStraight;
}

int32_t checkforpairs(Tgamestate& state, char evalMode)
{
    const Counts counts = countFaces(state, evalMode);
    int pairedFaces = 0;
    for (int face = 1; face <= 6; ++face)
        if (counts[static_cast<std::size_t>(face)] > 1)
            ++pairedFaces;
    if (pairedFaces < 3)
        return 0;
    markAll(state, evalMode);
    return points::kThreePairs;
}

int32_t checkforkind(Tgamestate& state, char evalMode, int n)
{
    const Counts counts = countFaces(state, evalMode);
    int found = 0;
    for (int face = 1; face <= 6; ++face)
        if (counts[static_cast<std::size_t>(face)] == n)
            found = face; // the higher face wins a tie
    if (found == 0)
        return 0;

    const int32_t worth = (found == 1) ? points::kOnesKindStep * (n - 2) : found * points::kFaceKindStep * (n - 2);
    if (const char mark = categoryMark(evalMode)) {
        for (Tdie& d : state.dice)
            if (d.value == found && d.status == status::kSelected)
                d.status = mark;
    }
    return worth;
}

int32_t checkfor15(Tgamestate& state, char evalMode)
{
    int32_t sum = 0;
    for (Tdie& d : state.dice) {
        if (!counted(d, evalMode))
            continue;
        if (d.value == 1)
            sum += points::kSingleOne;
        else if (d.value == 5)
            sum += points::kSingleFive;
        else
            continue;
        if (evalMode == mode::kUpdate)
            d.status = status::kSetAside;
    }
    return sum;
}

namespace {

// The fixed order of the categories. Only the n = 6 and the two all-dice
// categories stand alone; the rest add up, strictly left to right, because
// each check sees only the dice the earlier ones left unmarked.
int32_t combined(Tgamestate& state, char evalMode)
{
    if (const int32_t s = checkforstraight(state, evalMode); s > 0)
        return s;
    if (const int32_t k = checkforkind(state, evalMode, 6); k > 0)
        return k;
    if (const int32_t p = checkforpairs(state, evalMode); p > 0)
        return p;
    int32_t sum = checkforkind(state, evalMode, 5);
    sum += checkforkind(state, evalMode, 4);
    sum += checkforkind(state, evalMode, 3);
    if (evalMode != mode::kCheck)
        sum += checkforkind(state, evalMode, 3); // a second triple among six selected dice
    sum += checkfor15(state, evalMode);
    return sum;
}

} // namespace

int32_t checkscore(Tgamestate& state) { return combined(state, mode::kCheck); }
int32_t gettempscore(Tgamestate& state) { return combined(state, mode::kPreview); }
int32_t updatescore(Tgamestate& state) { return combined(state, mode::kUpdate); }
int32_t finalscore(Tgamestate& state) { return combined(state, mode::kFinal); }
