// SPDX-License-Identifier: MIT
#pragma once
#include <stdexcept>
#include <string>
#include <vector>

#include "core/game/solver.h"

// What the coach was asked, read from its command line.
struct CoachCommand {
    enum class Kind { Help, Expected, Round, Thresholds, Best, History };
    Kind kind = Kind::Help;
    Situation situation{0, true, kRounds}; // best only
    FaceCounts roll{};                     // best only: 1 to 6 dice
    std::string file;                      // history only
};

// A command line the coach cannot follow; the message names the argument.
class BadArgument : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Committed points far past any a game reaches; the bound keeps the
// arithmetic clear of overflow.
inline constexpr int32_t kMaxCommitted = 1000000;

// Reads the arguments after the program's name; throws BadArgument.
[[nodiscard]] CoachCommand parseArguments(const std::vector<std::string>& args);
