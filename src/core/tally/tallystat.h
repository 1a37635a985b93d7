// SPDX-License-Identifier: MIT
#pragma once

// The tally table's statistic columns, in row 0 of the table.
namespace tallystat {
inline constexpr int kTotalGames = 1;
inline constexpr int kRunningTotal = 2;
inline constexpr int kHighestRound = 3;
inline constexpr int kAverage = 4;
inline constexpr int kCount = 4;
} // namespace tallystat
