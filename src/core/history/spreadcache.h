// SPDX-License-Identifier: MIT
#pragma once
#include <optional>
#include <string>
#include <vector>

// Perfect play's spread of final scores takes seconds to work out, so it is
// kept in a small text file and only worked out again when the file is
// missing, damaged or made for another solver. The solver is known by its
// expected game, written exactly: any change to the rules or the policy
// changes it.

// The file's text for spread, made by a solver whose expected game is key.
[[nodiscard]] std::string spreadCacheText(const std::vector<double>& spread, double key);
// The spread in text, if text is a whole, sound file for key: every share
// a finite number in [0, 1] and together 1; otherwise nothing.
[[nodiscard]] std::optional<std::vector<double>> readSpreadCache(const std::string& text, double key);

// The same through a file; the write goes to a temporary file renamed into
// place, so two copies of the game never leave half a file. False when it
// could not be written (the spread is then simply worked out next time).
[[nodiscard]] std::optional<std::vector<double>> loadSpreadCache(const std::string& path, double key);
bool saveSpreadCache(const std::string& path, const std::vector<double>& spread, double key);
