// SPDX-License-Identifier: MIT
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The lines of an INI file, kept as they are so that changing one key leaves
// every other line, comment and section exactly where it was. Section and
// key names match without regard to (ASCII) case and the first match wins.
class IniText {
public:
    explicit IniText(std::string_view text = {});

    // The value after the first "=" of the key's line, without the blanks
    // around it; nothing when the section or the key is missing.
    [[nodiscard]] std::optional<std::string> value(std::string_view section, std::string_view key) const;

    // Replaces the key's line, or appends the key after the last line of its
    // section, or appends the section at the end. Line breaks and NUL bytes in
    // the value become blanks, so a value can never add lines of its own.
    // Throws std::invalid_argument for a section or key that could not be
    // read back (empty, or holding "]", "=", line breaks).
    void setValue(std::string_view section, std::string_view key, std::string_view value);

    // Every line ends with the line break the text used first (CR LF when it
    // had none).
    [[nodiscard]] std::string text() const;

private:
    struct Range {
        std::size_t header;
        std::size_t end;
    };
    [[nodiscard]] std::optional<Range> findSection(std::string_view section) const;
    [[nodiscard]] std::optional<std::size_t> findKey(const Range& range, std::string_view key) const;

    std::string m_byteOrderMark;
    std::vector<std::string> m_lines;
    std::string m_lineBreak;
};
