// SPDX-License-Identifier: MIT
#pragma once
#include <QString>

#include "core/game/coach.h"

// The coach's advice in the player's language, for the hint and the
// review alike: "Roll 5 dice, keep 1", "Bank, keep 1, 1, 5", "Bank".
namespace coachtext {
[[nodiscard]] QString choice(const Choice& c);
} // namespace coachtext
