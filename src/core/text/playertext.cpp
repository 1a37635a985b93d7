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

PlayerText& PlayerText::append(const PlayerText& more, const char* separator)
{
    const std::size_t first = m_sentences.size();
    m_sentences.insert(m_sentences.end(), more.m_sentences.begin(), more.m_sentences.end());
    if (first < m_sentences.size())
        m_sentences[first].separator = separator;
    return *this;
}

PlayerText& PlayerText::markArgument(unsigned n)
{
    if (!m_sentences.empty() && n < 32)
        m_sentences.back().markedArgs |= 1U << n;
    return *this;
}

std::string PlayerText::english() const
{
    return text([](const char*, const char* pattern) { return std::string(pattern); });
}

std::string PlayerText::text(Translate translate) const
{
    std::string out;
    for (std::size_t i = 0; i < m_sentences.size(); ++i) {
        const Sentence& s = m_sentences[i];
        if (i > 0)
            out += s.separator;
        if (!s.context) {
            out += fill(s.pattern, s.args);
            continue;
        }
        std::vector<std::string> args = s.args;
        for (std::size_t n = 0; n < args.size() && n < 32; ++n)
            if (s.markedArgs & (1U << n))
                args[n] = translate(s.context, s.args[n].c_str());
        out += fill(translate(s.context, s.pattern), args);
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
