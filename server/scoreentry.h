// SPDX-License-Identifier: MIT
#pragma once
#include <string>
#include <utility>

// One posted score as the list shows it: the name and date exactly as the
// player's program sent them (UTF-8), and the points.
struct ScoreEntry {
    ScoreEntry() = default;
    ScoreEntry(std::string name_, std::string date_, int score_, std::string origin_ = {})
        : name(std::move(name_)), date(std::move(date_)), score(score_), origin(std::move(origin_))
    {
    }

    std::string name;
    std::string date;
    int score = 0;
    // Who posted it, as the post limit counts clients; never stored or
    // shown, only folded into the key that finds a repeated post. Empty
    // for entries that are never taken for repeats.
    std::string origin;

    friend bool operator==(const ScoreEntry& a, const ScoreEntry& b)
    {
        return a.name == b.name && a.date == b.date && a.score == b.score;
    }
};
