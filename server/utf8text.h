// SPDX-License-Identifier: MIT
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// Strict UTF-8 stepping: overlong forms, surrogates and values past U+10FFFF
// are invalid, so text checked here can be counted and escaped safely.
inline constexpr char32_t kInvalidCodePoint = 0xFFFFFFFF;

// The code point starting at pos, advancing pos past it. An invalid sequence
// gives kInvalidCodePoint and advances by one byte.
[[nodiscard]] char32_t nextCodePoint(std::string_view text, std::size_t& pos);

[[nodiscard]] bool isValidUtf8(std::string_view text);

void appendUtf8(std::string& out, char32_t codePoint);

// Each byte taken as a Latin-1 character.
[[nodiscard]] std::string latin1ToUtf8(std::string_view text);
