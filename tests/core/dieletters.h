// SPDX-License-Identifier: MIT
#pragma once
#include <string>

#include "core/game/gamestate.h"

// Tests spell six dice's statuses as one word, a letter a die ("ppuuuf"):
// u in play, s selected, g previewed, p set aside, f frozen.
inline constexpr const char* kStatusLetters = "usgpf";

inline char letter(DieStatus status) { return kStatusLetters[static_cast<int>(status)]; }

inline DieStatus statusOf(char letter)
{
    return static_cast<DieStatus>(std::string(kStatusLetters).find(letter));
}

inline std::string statuses(const GameState& state)
{
    std::string out;
    for (const Die& d : state.dice)
        out += letter(d.status);
    return out;
}
