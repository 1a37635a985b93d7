// SPDX-License-Identifier: MIT
#pragma once
#include <cstdint>

#include "core/game/gamestate.h"

// The two moves a player makes in a round.
enum class PlayerMove { Roll, Bank };

// Hears of every move the round flow accepts, with the state the player
// decided on (dice still selected, nothing committed yet). Refused moves
// (rolling with nothing that scores, banking below 350) are not moves.
class GameObserver {
public:
    virtual ~GameObserver() = default;
    virtual void gameStarted() = 0;
    virtual void moveMade(const GameState& before, PlayerMove move) = 0;
    virtual void gameOver(int32_t total) = 0;
};
