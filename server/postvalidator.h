// SPDX-License-Identifier: MIT
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "server/querydecoder.h"
#include "server/scoreentry.h"

// The rules a score post must meet before anything is stored.
inline constexpr int kMaxNameCharacters = 10;
inline constexpr int kMaxScore = 10000000;
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
// stored as UTF-8.
[[nodiscard]] PostCheck checkPost(const std::vector<QueryParam>& params);
