// SPDX-License-Identifier: MIT
#include "net/httpfield.h"

#include <cctype>

namespace {
constexpr std::size_t kMaxLengthDigits = 18; // stays inside a 64-bit integer
} // namespace

bool HttpField::equalNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

bool HttpField::startsWithNoCase(std::string_view text, std::string_view lowerPrefix)
{
    if (text.size() < lowerPrefix.size())
        return false;
    for (std::size_t i = 0; i < lowerPrefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != lowerPrefix[i])
            return false;
    }
    return true;
}

long long HttpField::contentLength(std::string_view value)
{
    const auto first = value.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return -1;
    const auto last = value.find_last_not_of(" \t\r\n");
    if (last - first + 1 > kMaxLengthDigits)
        return -1;
    long long length = 0;
    for (auto i = first; i <= last; ++i) {
        if (value[i] < '0' || value[i] > '9')
            return -1;
        length = length * 10 + (value[i] - '0');
    }
    return length;
}
