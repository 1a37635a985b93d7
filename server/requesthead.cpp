// SPDX-License-Identifier: MIT
#include "server/requesthead.h"

#include <algorithm>
#include <cctype>

namespace {
bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trimmedLine(std::string_view line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

bool namesContentLength(std::string_view name)
{
    constexpr std::string_view kName = "content-length";
    return name.size() == kName.size() &&
           std::equal(name.begin(), name.end(), kName.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == b;
           });
}

// Only what the library would read as an unsigned number passes: digits
// after optional leading blanks, and nothing after them.
RequestHead::Verdict judgeLength(std::string_view value)
{
    while (!value.empty() && isBlank(value.front()))
        value.remove_prefix(1);
    if (value.empty() || !std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return RequestHead::Verdict::BadLength;
    const auto significant = value.find_first_not_of('0');
    if (significant != std::string_view::npos && value.size() - significant > kMaxContentLengthDigits)
        return RequestHead::Verdict::LengthTooLarge;
    return RequestHead::Verdict::Pass;
}
} // namespace

RequestHead readRequestHead(std::string_view bytes, std::size_t limit)
{
    RequestHead head;
    const std::string_view window = bytes.substr(0, limit);
    // Empty lines before the request line are skipped by HTTP readers.
    std::size_t at = 0;
    while (at < window.size() && (window[at] == '\r' || window[at] == '\n'))
        ++at;
    bool firstLine = true;
    bool afterLength = false;
    RequestHead::Verdict verdict = RequestHead::Verdict::Pass;
    while (true) {
        const auto end = window.find('\n', at);
        if (end == std::string_view::npos) {
            if (firstLine)
                head.firstLine = trimmedLine(window.substr(at));
            head.verdict = bytes.size() >= limit ? RequestHead::Verdict::TooLarge : RequestHead::Verdict::Incomplete;
            return head;
        }
        const std::string_view line = trimmedLine(window.substr(at, end - at));
        at = end + 1;
        if (firstLine) {
            head.firstLine = line;
            firstLine = false;
            continue;
        }
        if (line.empty())
            break;
        if (isBlank(line.front())) {
            // A folded line continues the header before it; a Content-Length
            // spread over lines is not a number the library reads.
            if (afterLength)
                verdict = RequestHead::Verdict::BadLength;
            continue;
        }
        afterLength = false;
        const auto colon = line.find(':');
        if (colon == std::string_view::npos || !namesContentLength(line.substr(0, colon)))
            continue;
        afterLength = true;
        const RequestHead::Verdict judged = judgeLength(line.substr(colon + 1));
        if (verdict == RequestHead::Verdict::Pass)
            verdict = judged;
    }
    head.verdict = verdict;
    head.length = at;
    return head;
}
