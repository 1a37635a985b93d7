// SPDX-License-Identifier: MIT
#pragma once
#include <QString>

#include "core/text/playertext.h"

// A message of the core in the player's language.
[[nodiscard]] QString translated(const PlayerText& text);
