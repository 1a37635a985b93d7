// SPDX-License-Identifier: MIT
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// The score server says why it refused a post in a sentence that starts
// "Score not recorded: ". The player gets that sentence as one short
// line; any other answer gives no reason at all.
inline constexpr std::size_t kMaxRefusalBytes = 160;

// The reason in a refusal's body, as plain UTF-8 text on one line and at
// most kMaxRefusalBytes long (cut on a character boundary, "..." added);
// empty when the body carries none.
[[nodiscard]] std::string refusalReason(std::string_view body);
