// SPDX-License-Identifier: MIT
// A request target from a client, through everything the server does with
// one before storage: query decoding, the post checks, the list page and
// the log line. Whatever comes in, the page and the log stay plain ASCII
// without stray markup, and an accepted entry meets the checks' limits: a
// visible name without control or format characters, a date without
// markup or spaces.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "server/htmltext.h"
#include "server/listpage.h"
#include "server/postvalidator.h"
#include "server/querydecoder.h"
#include "server/requestlog.h"
#include "server/textclass.h"
#include "server/utf8text.h"

namespace {
void require(bool condition)
{
    if (!condition)
        std::abort();
}

bool isAsciiWithoutMarkup(std::string_view text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80 || c == '<' || c == '>' || c == '"')
            return false;
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view target(reinterpret_cast<const char*>(data), size);
    const PostCheck check = checkPost(decodeQuery(queryOf(target)));
    if (check.entry) {
        require(isValidUtf8(check.entry->name));
        require(check.entry->score >= 0 && check.entry->score <= kMaxScore && check.entry->score % kScoreStep == 0);
        require(check.entry->name.size() <= kMaxFieldBytes * 2 && check.entry->date.size() <= 14);
        bool visible = false;
        for (std::size_t pos = 0; pos < check.entry->name.size();) {
            const char32_t c = nextCodePoint(check.entry->name, pos);
            require(!isControlCharacter(c) && !isFormatCharacter(c));
            visible = visible || isVisibleCharacter(c);
        }
        require(visible);
        for (const char c : {'<', '>', '&', '"', '\'', ' '})
            require(check.entry->date.find(c) == std::string::npos);
        const std::string page = renderListPage({*check.entry});
        require(page.find(escapeHtml(check.entry->name)) != std::string::npos);
        for (const char c : page)
            require(static_cast<unsigned char>(c) < 0x80);
    } else {
        require(!check.field.empty() && !check.problem.empty());
    }
    require(isAsciiWithoutMarkup(escapeHtml(target)));

    const std::string line = formatRequestLine({{}, "127.0.0.1", "GET", target, "HTTP/1.0", 200, size});
    require(line.back() == '\n');
    for (std::size_t i = 0; i + 1 < line.size(); ++i)
        require(line[i] >= 0x20 && line[i] < 0x7F);
    return 0;
}
