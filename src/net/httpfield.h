// SPDX-License-Identifier: MIT
#pragma once
#include <string_view>

// Header helpers both HTTP clients share.
struct HttpField {
    // Whether text begins with prefix, whose letters are given in lower case,
    // in any letter case.
    [[nodiscard]] static bool startsWithNoCase(std::string_view text, std::string_view lowerPrefix);
    // Whether two host names are the same, in any letter case.
    [[nodiscard]] static bool equalNoCase(std::string_view a, std::string_view b);
    // A Content-Length value with optional blanks (and a line end) around it;
    // -1 when it is negative, not a plain decimal number or too long for one.
    [[nodiscard]] static long long contentLength(std::string_view value);
};
