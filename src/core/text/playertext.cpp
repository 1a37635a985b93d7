// SPDX-License-Identifier: MIT
#include "core/text/playertext.h"

#include <utility>

PlayerText::PlayerText(const char* context, const char* pattern, std::vector<std::string> args)
    : m_sentences{Sentence{context, pattern, std::move(args)}}
{
}

PlayerText PlayerText::verbatim(std::string text)
{
    PlayerText t;
    t.m_sentences.push_back(Sentence{nullptr, "%1", {std::move(text)}});
    return t;
}

PlayerText& PlayerText::operator+=(const PlayerText& more)
{
    m_sentences.insert(m_sentences.end(), more.m_sentences.begin(), more.m_sentences.end());
    return *this;
}

std::string PlayerText::english() const
{
    return text([](const char*, const char* pattern) { return std::string(pattern); });
}

std::string PlayerText::text(Translate translate) const
{
    std::string out;
    for (const Sentence& s : m_sentences) {
        if (!out.empty())
            out += ' ';
        out += fill(s.context ? translate(s.context, s.pattern) : std::string(s.pattern), s.args);
    }
    return out;
}

std::string PlayerText::fill(std::string_view pattern, const std::vector<std::string>& args)
{
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (n < args.size()) {
                out += args[n];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}
