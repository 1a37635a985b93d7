// SPDX-License-Identifier: MIT
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "server/scoreentry.h"

// The pages the server writes. They keep to plain tables, font tags and
// simple attributes, which the game's built-in HTML viewer shows well on its
// own background; every text from a player is escaped.
inline constexpr std::size_t kListRows = 100;

// The high-score list: rank, name, date and score, rows in the given order
// (at most kListRows of them).
[[nodiscard]] std::string renderListPage(const std::vector<ScoreEntry>& best);

// A short page with one sentence, for answers to score posts.
[[nodiscard]] std::string renderMessagePage(std::string_view title, std::string_view sentence);
