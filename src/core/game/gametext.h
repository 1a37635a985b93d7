// SPDX-License-Identifier: MIT
#pragma once

#include "core/text/playertext.h" // the catalogue marker

// What the round flow writes on the board, in English. The window shows
// each in the player's language (context "Game"); a lead is followed by
// the player's name or the score.
namespace gametext {
inline constexpr const char* kGreeting = QT_TRANSLATE_NOOP("Game", "Good Luck ");
inline constexpr const char* kFinalScore = QT_TRANSLATE_NOOP("Game", "Your Score:");
inline constexpr const char* kSelectFirst = QT_TRANSLATE_NOOP("Game", "You must select dice before rolling again.");
} // namespace gametext
