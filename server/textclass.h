// SPDX-License-Identifier: MIT
#pragma once

// What kind of character a code point is, for the checks on posted names
// and dates. Letters, digits and widths come from the C library's UTF-8
// character tables; the invisible kinds below are listed here, since the
// C library counts most of them as punctuation.

// Cc, and the line and paragraph separators.
[[nodiscard]] bool isControlCharacter(char32_t c);

// Format characters: direction marks, embeddings, overrides and isolates,
// zero-width characters, the byte-order mark and the like.
[[nodiscard]] bool isFormatCharacter(char32_t c);

// The three direction marks (LRM, RLM, ALM) that some locales put into
// their short date format.
[[nodiscard]] bool isDirectionMark(char32_t c);

[[nodiscard]] bool isLetterOrDigit(char32_t c);

[[nodiscard]] bool isSpaceCharacter(char32_t c);

// Leaves a mark of its own on screen: not a space, control, format
// character, combining mark alone, or one of the blank "letters"
// (fillers, blank braille pattern) that show nothing.
[[nodiscard]] bool isVisibleCharacter(char32_t c);
