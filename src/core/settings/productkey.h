// SPDX-License-Identifier: MIT
#pragma once
#include <string_view>

// The product key word: base name and section of the settings file, prefix
// of the tally file, name of the program's lock and part of its web paths.
inline constexpr std::string_view kProductKey = "pelbixsolo";
