// SPDX-License-Identifier: MIT
#pragma once
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "protocol/wirecontract.h"
#include "server/querydecoder.h"
#include "server/scoreentry.h"

// The rules a score post must meet before anything is stored (the name
// limit is wire::kMaxNameCharacters).
// The smallest total that a player playing every roll for nothing but
// reaching it makes with a chance below one in a billion over ten rounds:
// bestChancesToReach (core/game/targetchance.h) gives 1.009e-9 for 25000
// and 9.48e-10 for 25050. A higher score did not come from a game.
inline constexpr int kMaxScore = 25050;
// Every score of the game is a multiple of this.
inline constexpr int kScoreStep = 50;
inline constexpr std::size_t kMaxScoreDigits = 7;
// The game sends the year as two digits.
inline constexpr int kCenturyOfTwoDigitYears = 2000;
// No valid field comes near this many bytes once decoded; longer ones are
// refused before any further look at them.
inline constexpr std::size_t kMaxFieldBytes = 64;

// Either an entry ready to store, or the field that is wrong and a short
// sentence on why ("name", "the name is longer than 10 characters").
struct PostCheck {
    std::optional<ScoreEntry> entry;
    std::string field;
    std::string problem;
};

// Checks the decoded query of a score post. A name or date that is not
// UTF-8 is read as Latin-1, the character set of older clients, so both are
// stored as UTF-8. The date may be at most one day after today (the
// server's local date), since a player's day may begin before ours.
[[nodiscard]] PostCheck checkPost(const std::vector<QueryParam>& params, std::chrono::year_month_day today);
// The same, with today taken from the server's clock.
[[nodiscard]] PostCheck checkPost(const std::vector<QueryParam>& params);
