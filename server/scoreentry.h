// SPDX-License-Identifier: MIT
#pragma once
#include <string>

// One posted score as the list shows it: the name and date exactly as the
// player's program sent them (UTF-8), and the points.
struct ScoreEntry {
    std::string name;
    std::string date;
    int score = 0;

    friend bool operator==(const ScoreEntry&, const ScoreEntry&) = default;
};
