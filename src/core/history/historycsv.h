// SPDX-License-Identifier: MIT
#pragma once
#include <string>
#include <vector>

#include "core/history/historygame.h"

// The history as CSV, one row per game (decisions stay in the database):
// id,started,finished,name,score,rounds,abandoned,hints,expected,given_away,luck
// Text is quoted when it needs to be; a name a spreadsheet would take for a
// formula is written behind an apostrophe, which reading takes off again.
[[nodiscard]] std::string historyCsvHeader();
[[nodiscard]] std::string historyCsvRow(const HistoryGame& game);
[[nodiscard]] std::string historyCsv(const std::vector<HistoryGame>& games);
// Reads what historyCsv wrote; false (and a line number in problem) when
// the text is not such a file.
[[nodiscard]] bool readHistoryCsv(const std::string& text, std::vector<HistoryGame>& games, std::string& problem);
