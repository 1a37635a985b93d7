// SPDX-License-Identifier: MIT
#pragma once
#include <string>
#include <string_view>

// Older settings and tally files hold their text in the 8-bit Windows code
// page; this program writes UTF-8. Text that is not valid UTF-8 is taken as
// Windows-1252, so an old name keeps every letter instead of turning into
// replacement characters.
namespace textencoding {

// Strict UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF.
[[nodiscard]] bool isUtf8(std::string_view bytes);

// Every byte as its Windows-1252 character; the five bytes that code page
// leaves unassigned become the control characters of the same number.
[[nodiscard]] std::string windows1252ToUtf8(std::string_view bytes);

// The text unchanged when it is UTF-8, else read as Windows-1252.
[[nodiscard]] std::string toUtf8(std::string_view bytes);

} // namespace textencoding
