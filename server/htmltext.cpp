// SPDX-License-Identifier: MIT
#include "server/htmltext.h"

#include "server/utf8text.h"

namespace {
constexpr char32_t kReplacementCharacter = 0xFFFD;

void appendReference(std::string& out, char32_t codePoint)
{
    out += "&#";
    out += std::to_string(static_cast<unsigned long>(codePoint));
    out += ';';
}
} // namespace

std::string escapeHtml(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size() + utf8.size() / 4);
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const char32_t c = nextCodePoint(utf8, pos);
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        case '\t':
        case '\n':
        case '\r': out.push_back(static_cast<char>(c)); break;
        default:
            if (c == kInvalidCodePoint || c < 0x20 || (c >= 0x7F && c < 0xA0))
                appendReference(out, kReplacementCharacter);
            else if (c < 0x80)
                out.push_back(static_cast<char>(c));
            else
                appendReference(out, c);
        }
    }
    return out;
}
