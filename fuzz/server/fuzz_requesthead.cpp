// SPDX-License-Identifier: MIT
// The first bytes of a connection, as the connection gate peeks at them.
// Whatever they are: a complete head ends within the bytes and the limit,
// and a head that passes holds no Content-Length the HTTP library would
// refuse on its own (not plain digits, or too many of them).
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <algorithm>
#include <utility>

#include "server/requesthead.h"

namespace {
constexpr std::size_t kLimit = 512;

void require(bool condition)
{
    if (!condition)
        std::abort();
}

bool plainNumber(std::string_view value)
{
    while (!value.empty() && (value.front() == ' ' || value.front() == '\t'))
        value.remove_prefix(1);
    const auto significant = value.find_first_not_of('0');
    return !value.empty() && value.find_first_not_of("0123456789") == std::string_view::npos &&
           (significant == std::string_view::npos || value.size() - significant <= kMaxContentLengthDigits);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const RequestHead head = readRequestHead(bytes, kLimit);
    require(head.firstLine.size() <= kLimit);
    if (head.verdict == RequestHead::Verdict::TooLarge)
        require(size >= kLimit);
    if (head.verdict != RequestHead::Verdict::Pass)
        return 0;
    require(head.length > 0 && head.length <= std::min(size, kLimit));
    require(bytes[head.length - 1] == '\n');
    // Every Content-Length line of the passed head, read independently.
    std::string_view rest = bytes.substr(0, head.length);
    rest.remove_prefix(std::min(rest.size(), rest.find_first_not_of("\r\n")));
    bool first = true;
    while (!rest.empty()) {
        const auto end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const auto colon = line.find(':');
        if (std::exchange(first, false) || colon != 14)
            continue;
        std::string name(line.substr(0, colon));
        for (char& c : name)
            c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
        if (name == "content-length")
            require(plainNumber(line.substr(colon + 1)));
    }
    return 0;
}
