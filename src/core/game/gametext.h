// SPDX-License-Identifier: MIT
#pragma once

// The core stays free of Qt; this only marks the texts for the catalogue
// tool, which reads the source and knows this name.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

// What the round flow writes on the board, in English. The window shows
// each in the player's language (context "Game"); a lead is followed by
// the player's name or the score.
namespace gametext {
inline constexpr const char* kGreeting = QT_TRANSLATE_NOOP("Game", "Good Luck ");
inline constexpr const char* kFinalScore = QT_TRANSLATE_NOOP("Game", "Your Score:");
inline constexpr const char* kSelectFirst = QT_TRANSLATE_NOOP("Game", "You must select dice before rolling again.");
} // namespace gametext
