// SPDX-License-Identifier: MIT
#pragma once
#include <cstdint>
#include <vector>

// The best chance, over every way of playing a whole game, that its final
// score reaches a total: a player who cares only about reaching that total
// and plays each roll for it. Found by dynamic programming over rounds left,
// points still missing and, within a round, dice to roll and points
// committed, with the first bank of a game needing the on-board minimum.
// Result [k] is the chance for a total of k * 50 points, for k from 0 to
// maxTotal / 50.
[[nodiscard]] std::vector<double> bestChancesToReach(int32_t maxTotal);
