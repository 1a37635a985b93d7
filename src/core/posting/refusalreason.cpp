// SPDX-License-Identifier: MIT
#include "core/posting/refusalreason.h"

#include <array>
#include <utility>

namespace {

constexpr std::string_view kMarker = "Score not recorded: ";
constexpr std::string_view kEllipsis = "...";

// The entities an HTML page uses to write the server's own text.
constexpr std::array<std::pair<std::string_view, char>, 6> kEntities = {{
    {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&#39;", '\''}, {"&#x27;", '\''},
}};

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

} // namespace

std::string refusalReason(std::string_view body)
{
    const std::size_t at = body.find(kMarker);
    if (at == std::string_view::npos)
        return {};
    std::string line;
    // The sentence ends where the page's markup or line resumes.
    for (std::size_t i = at; i < body.size() && line.size() <= kMaxRefusalBytes;) {
        const char c = body[i];
        if (c == '<' || c == '\n' || c == '\r')
            break;
        if (c == '&') {
            bool known = false;
            for (const auto& [entity, plain] : kEntities)
                if (body.substr(i, entity.size()) == entity) {
                    line += plain;
                    i += entity.size();
                    known = true;
                    break;
                }
            if (known)
                continue;
        }
        // Control characters would break the line or the box; a blank does.
        line += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? ' ' : c;
        ++i;
    }
    if (line.size() > kMaxRefusalBytes) {
        std::size_t cut = kMaxRefusalBytes - kEllipsis.size();
        while (cut > 0 && isContinuationByte(line[cut]))
            --cut;
        line.resize(cut);
        line += kEllipsis;
    }
    return line;
}
