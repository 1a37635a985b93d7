// SPDX-License-Identifier: MIT
#include "core/settings/initext.h"

#include <algorithm>
#include <stdexcept>

namespace {
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// A stray CR before a line break counts as a blank, so it never ends up
// in a value (and a rewrite with plain LF line breaks cannot change one).
constexpr std::string_view kBlanks = " \t\r";

std::string_view trim(std::string_view s)
{
    const auto first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    const auto last = s.find_last_not_of(kBlanks);
    return s.substr(first, last - first + 1);
}

bool sameName(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
               return lower(x) == lower(y);
           });
}

// The name of a "[section]" line, or nothing for any other line. A header
// without its closing bracket still opens a section.
std::optional<std::string_view> sectionName(std::string_view line)
{
    const auto t = trim(line);
    if (t.empty() || t.front() != '[')
        return std::nullopt;
    const auto inner = t.substr(1);
    return trim(inner.substr(0, inner.find(']')));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> keyLine(std::string_view line)
{
    const auto t = trim(line);
    if (t.empty() || t.front() == ';' || t.front() == '[')
        return std::nullopt;
    const auto eq = t.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    const auto key = trim(t.substr(0, eq));
    if (key.empty())
        return std::nullopt;
    return KeyLine{key, trim(t.substr(eq + 1))};
}

void requireName(std::string_view name, std::string_view forbidden, const char* what)
{
    const auto t = trim(name);
    if (t.empty() || t.size() != name.size() || name.find_first_of(forbidden) != std::string_view::npos)
        throw std::invalid_argument(std::string("unusable INI ") + what + " name: " + std::string(name));
}
} // namespace

IniText::IniText(std::string_view text)
{
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        m_byteOrderMark = kByteOrderMark;
        text.remove_prefix(kByteOrderMark.size());
    }
    const auto firstBreak = text.find('\n');
    m_lineBreak = (firstBreak == std::string_view::npos || (firstBreak > 0 && text[firstBreak - 1] == '\r'))
                      ? "\r\n"
                      : "\n";
    while (!text.empty()) {
        const auto end = text.find('\n');
        auto line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        m_lines.emplace_back(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
}

std::optional<IniText::Range> IniText::findSection(std::string_view section) const
{
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const auto name = sectionName(m_lines[i]);
        if (!name || !sameName(*name, section))
            continue;
        std::size_t end = i + 1;
        while (end < m_lines.size() && !sectionName(m_lines[end]))
            ++end;
        return Range{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> IniText::findKey(const Range& range, std::string_view key) const
{
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        const auto line = keyLine(m_lines[i]);
        if (line && sameName(line->key, key))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniText::value(std::string_view section, std::string_view key) const
{
    const auto range = findSection(section);
    if (!range)
        return std::nullopt;
    const auto index = findKey(*range, key);
    if (!index)
        return std::nullopt;
    return std::string(keyLine(m_lines[*index])->value);
}

void IniText::setValue(std::string_view section, std::string_view key, std::string_view value)
{
    requireName(section, std::string_view("]\r\n\0", 4), "section");
    requireName(key, std::string_view("=[;\r\n\0", 6), "key");
    std::string line(key);
    line += '=';
    for (const char c : value)
        line += (c == '\r' || c == '\n' || c == '\0') ? ' ' : c;

    const auto range = findSection(section);
    if (!range) {
        m_lines.push_back("[" + std::string(section) + "]");
        m_lines.push_back(std::move(line));
        return;
    }
    if (const auto index = findKey(*range, key)) {
        m_lines[*index] = std::move(line);
        return;
    }
    // After the section's last non-blank line, so blank lines that separate
    // it from the next section stay in between.
    std::size_t insertAt = range->end;
    while (insertAt > range->header + 1 && trim(m_lines[insertAt - 1]).empty())
        --insertAt;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(line));
}

std::string IniText::text() const
{
    std::string out = m_byteOrderMark;
    for (const auto& line : m_lines) {
        out += line;
        out += m_lineBreak;
    }
    return out;
}
