// SPDX-License-Identifier: MIT
#pragma once
#include <chrono>
#include <string>

#include "server/scoreentry.h"

// A post repeated within this time (the same name, date and score from the
// same client) is taken for the first one sent again, as a player does
// when an answer did not arrive: it is answered as stored, and stored once.
inline constexpr std::chrono::hours kRepeatWindow{1};

// The key a store finds repeats of a post by: a hash of the name, date,
// score and origin, as 32 hex digits, so neither the address nor anything
// else can be read back from it. Empty when the entry has no origin.
[[nodiscard]] std::string duplicateKey(const ScoreEntry& entry);
