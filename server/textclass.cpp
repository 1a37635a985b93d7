// SPDX-License-Identifier: MIT
#include "server/textclass.h"

#include <algorithm>
#include <iterator>
#include <locale.h>
#include <wchar.h>
#include <wctype.h>

namespace {
struct Range {
    char32_t first;
    char32_t last;
};

// Unicode general category Cf.
constexpr Range kFormat[] = {
    {0x00AD, 0x00AD},   {0x0600, 0x0605},   {0x061C, 0x061C},   {0x06DD, 0x06DD},   {0x070F, 0x070F},
    {0x0890, 0x0891},   {0x08E2, 0x08E2},   {0x180E, 0x180E},   {0x200B, 0x200F},   {0x202A, 0x202E},
    {0x2060, 0x2064},   {0x2066, 0x206F},   {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD},
    {0x110CD, 0x110CD}, {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0001, 0xE0001},
    {0xE0020, 0xE007F},
};

// Characters that take a place but show nothing: spaces the C library does
// not count as such, fillers, variation selectors, the blank braille cell.
constexpr Range kBlank[] = {
    {0x00A0, 0x00A0}, {0x034F, 0x034F}, {0x115F, 0x1160}, {0x1680, 0x1680}, {0x17B4, 0x17B5},
    {0x180B, 0x180F}, {0x2000, 0x200A}, {0x202F, 0x202F}, {0x205F, 0x205F}, {0x2800, 0x2800},
    {0x3000, 0x3000}, {0x3164, 0x3164}, {0xFE00, 0xFE0F}, {0xFFA0, 0xFFA0}, {0xE0100, 0xE01EF},
};

template <std::size_t N>
bool inRanges(const Range (&ranges)[N], char32_t c)
{
    const auto* at = std::upper_bound(std::begin(ranges), std::end(ranges), c,
                                      [](char32_t value, const Range& r) { return value < r.first; });
    return at != std::begin(ranges) && c <= std::prev(at)->last;
}

// The UTF-8 character tables, loaded once; without them only ASCII is known.
locale_t utf8Tables()
{
    static const locale_t tables = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    return tables;
}

bool isAsciiLetterOrDigit(char32_t c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Columns the character takes on a terminal: 0 for combining marks.
int columns(char32_t c)
{
    const locale_t tables = utf8Tables();
    if (tables == static_cast<locale_t>(nullptr))
        return 1;
    const locale_t previous = uselocale(tables);
    const int width = ::wcwidth(static_cast<wchar_t>(c));
    uselocale(previous);
    return width;
}
} // namespace

bool isControlCharacter(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0x2028 || c == 0x2029;
}

bool isFormatCharacter(char32_t c)
{
    return inRanges(kFormat, c);
}

bool isDirectionMark(char32_t c)
{
    return c == 0x200E || c == 0x200F || c == 0x061C;
}

bool isLetterOrDigit(char32_t c)
{
    if (c < 0x80)
        return isAsciiLetterOrDigit(c);
    const locale_t tables = utf8Tables();
    // Without the tables no non-ASCII character can be told apart; count
    // them all as letters, which refuses rather than lets through.
    return tables == static_cast<locale_t>(nullptr) || ::iswalnum_l(static_cast<wint_t>(c), tables) != 0;
}

bool isSpaceCharacter(char32_t c)
{
    if (c == ' ' || inRanges(kBlank, c))
        return true;
    const locale_t tables = utf8Tables();
    return tables != static_cast<locale_t>(nullptr) && ::iswspace_l(static_cast<wint_t>(c), tables) != 0;
}

bool isVisibleCharacter(char32_t c)
{
    if (isControlCharacter(c) || isFormatCharacter(c) || isSpaceCharacter(c))
        return false;
    return columns(c) > 0;
}
