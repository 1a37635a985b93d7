// SPDX-License-Identifier: MIT
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/game/gameobserver.h"
#include "core/game/gamestate.h"
#include "core/text/playertext.h"

// What a round's slot on the score card holds.
inline constexpr int32_t kSlotEmpty = -1; // not reached, or the round being played
inline constexpr int32_t kSlotLost = -2;  // the round ended with no score ("---")

// One decision of the game so far: the dice chosen (bit i for die i + 1)
// and the move made with them.
struct SavedDecision {
    PlayerMove move = PlayerMove::Roll;
    bool hinted = false; // the coach's hint was on show
    uint8_t chosen = 0;
};

// The game so far as the history keeps it, so that a resumed game is
// recorded from its first throw: every face drawn and every decision.
struct SavedPlay {
    std::string started; // UTC, "2026-12-07T20:31:05Z"
    std::vector<int> faces;
    std::vector<SavedDecision> decisions;
};

// A game in progress, everything needed to go on with it exactly: the dice
// generator's state makes the next throws the ones the game would have had.
struct SavedGame {
    GameState state;                 // canPlay is false exactly when paused
    std::array<int32_t, kRounds> card{kSlotEmpty, kSlotEmpty, kSlotEmpty, kSlotEmpty, kSlotEmpty,
                                      kSlotEmpty, kSlotEmpty, kSlotEmpty, kSlotEmpty, kSlotEmpty};
    uint32_t faceState = 0;
    bool paused = false;             // the round is over, the next one not begun
    std::optional<SavedPlay> play;   // absent in files written before it was kept
};

// A saved game that is damaged, of another version or not ours at all;
// message() says what is wrong for a window to translate (context "SavedGame").
class SavedGameError : public std::runtime_error {
public:
    explicit SavedGameError(PlayerText message) : std::runtime_error(message.english()), m_message(std::move(message)) {}
    [[nodiscard]] const PlayerText& message() const { return m_message; }

private:
    PlayerText m_message;
};

// Points a round can hold before the file is called damaged: far beyond
// any real round, and ten of them still fit in 32 bits.
inline constexpr int32_t kMaxSavedPoints = 100'000'000;
// Far more decisions than any game takes (a few dozen); a game beyond
// them is kept without its play, so the file always reads back.
inline constexpr std::size_t kMaxSavedDecisions = 1000;
inline constexpr std::size_t kMaxSavedFaces = kMaxSavedDecisions * kDice;
// A saved game is a few hundred bytes and its play a few more; a decision
// is at most "rh123456 ".
inline constexpr std::size_t kMaxSavedGameBytes = 1024 + kMaxSavedFaces + kMaxSavedDecisions * 9;

// The small text form of a saved game, one "key value" per line.
[[nodiscard]] std::string writeSavedGame(const SavedGame& game);
// Reads it back, checking every field and how they fit together; throws
// SavedGameError saying what is wrong.
[[nodiscard]] SavedGame readSavedGame(std::string_view text);
