// SPDX-License-Identifier: MIT
// A catalogue's sentence for a core message, filled with its arguments:
// the input is the sentence, then up to three arguments after NUL bytes.
// Every byte of the sentence that is not a place ends up in the text, and
// an argument is never read for places of its own.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/playertext.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> parts;
    std::size_t from = 0;
    for (std::size_t at; parts.size() < 4 && (at = input.find('\0', from)) != std::string_view::npos; from = at + 1)
        parts.push_back(input.substr(from, at - from));
    parts.push_back(input.substr(from));
    const std::string_view pattern = parts.front();
    const std::vector<std::string> args(parts.begin() + 1, parts.end());
    const std::string out = PlayerText::fill(pattern, args);
    std::size_t longest = 0;
    for (const std::string& a : args)
        longest = std::max(longest, a.size());
    if (out.size() > pattern.size() + (pattern.size() / 2) * longest)
        std::abort();
    if (pattern.find('%') == std::string_view::npos && out != pattern)
        std::abort();
    return 0;
}
