// SPDX-License-Identifier: MIT
#pragma once
#include "core/game/savedgame.h"

// Keeps the game in progress somewhere it outlives the process: told after
// every change a player makes, and when the game is over or abandoned.
class GameKeeper {
public:
    virtual ~GameKeeper() = default;
    virtual void keep(const SavedGame& game) = 0;
    virtual void forget() = 0;
};
