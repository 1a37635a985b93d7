// SPDX-License-Identifier: MIT
#include "core/game/scoring.h"

#include <array>
#include <cstddef>
#include <optional>

namespace {

using Counts = std::array<int, 7>; // index = face; [0] unused

// A check looks at every die of the roll that is not set aside; the other
// modes look only at what the player selected.
bool counted(const Die& d, ScoreMode evalMode)
{
    if (evalMode == ScoreMode::Check)
        return d.status != DieStatus::SetAside;
    return d.status == DieStatus::Selected;
}

Counts countFaces(const GameState& state, ScoreMode evalMode)
{
    Counts counts{};
    for (const Die& d : state.dice) {
        if (counted(d, evalMode) && d.value >= 1 && d.value <= 6)
            ++counts[static_cast<std::size_t>(d.value)];
    }
    return counts;
}

// The mark a scoring category leaves on the dice it used; a check leaves none.
std::optional<DieStatus> categoryMark(ScoreMode evalMode)
{
    switch (evalMode) {
    case ScoreMode::Preview:
        return DieStatus::Previewed;
    case ScoreMode::Commit:
    case ScoreMode::Bank:
        return DieStatus::SetAside;
    case ScoreMode::Check:
        break;
    }
    return std::nullopt;
}

// Straight and three pairs use all six dice of the roll.
void markAll(GameState& state, ScoreMode evalMode)
{
    if (const auto mark = categoryMark(evalMode))
        for (Die& d : state.dice)
            d.status = *mark;
}

} // namespace

int32_t straightPoints(GameState& state, ScoreMode evalMode)
{
    const Counts counts = countFaces(state, evalMode);
    for (int face = 1; face <= 6; ++face)
        if (counts[static_cast<std::size_t>(face)] < 1)
            return 0;
    markAll(state, evalMode);
    return points::kStraight;
}

int32_t threePairsPoints(GameState& state, ScoreMode evalMode)
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

int32_t ofAKindPoints(GameState& state, ScoreMode evalMode, int n)
{
    const Counts counts = countFaces(state, evalMode);
    int found = 0;
    for (int face = 1; face <= 6; ++face)
        if (counts[static_cast<std::size_t>(face)] == n)
            found = face; // the higher face wins a tie
    if (found == 0)
        return 0;

    const int32_t worth = (found == 1) ? points::kOnesKindStep * (n - 2) : found * points::kFaceKindStep * (n - 2);
    if (const auto mark = categoryMark(evalMode)) {
        for (Die& d : state.dice)
            if (d.value == found && d.status == DieStatus::Selected)
                d.status = *mark;
    }
    return worth;
}

int32_t onesAndFivesPoints(GameState& state, ScoreMode evalMode)
{
    int32_t sum = 0;
    for (Die& d : state.dice) {
        if (!counted(d, evalMode))
            continue;
        if (d.value == 1)
            sum += points::kSingleOne;
        else if (d.value == 5)
            sum += points::kSingleFive;
        else
            continue;
        if (evalMode == ScoreMode::Commit)
            d.status = DieStatus::SetAside;
    }
    return sum;
}

namespace {

// The fixed order of the categories. Only the n = 6 and the two all-dice
// categories stand alone; the rest add up, strictly left to right, because
// each check sees only the dice the earlier ones left unmarked.
int32_t combined(GameState& state, ScoreMode evalMode)
{
    if (const int32_t s = straightPoints(state, evalMode); s > 0)
        return s;
    if (const int32_t k = ofAKindPoints(state, evalMode, 6); k > 0)
        return k;
    if (const int32_t p = threePairsPoints(state, evalMode); p > 0)
        return p;
    int32_t sum = ofAKindPoints(state, evalMode, 5);
    sum += ofAKindPoints(state, evalMode, 4);
    sum += ofAKindPoints(state, evalMode, 3);
    if (evalMode != ScoreMode::Check)
        sum += ofAKindPoints(state, evalMode, 3); // a second triple among six selected dice
    sum += onesAndFivesPoints(state, evalMode);
    return sum;
}

} // namespace

int32_t pointsInRoll(GameState& state) { return combined(state, ScoreMode::Check); }
int32_t previewPoints(GameState& state) { return combined(state, ScoreMode::Preview); }
int32_t commitPoints(GameState& state) { return combined(state, ScoreMode::Commit); }
int32_t bankPoints(GameState& state) { return combined(state, ScoreMode::Bank); }
