// SPDX-License-Identifier: MIT
// Any bytes as a saved game: either a clean refusal, or a game that writes
// back to exactly the bytes read and that a game can go on with.
#include "core/game/game.h"
#include "core/game/savedgame.h"
#include "support/nullboard.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    SavedGame saved;
    try {
        saved = readSavedGame(text);
    } catch (const SavedGameError&) {
        return 0;
    }
    if (writeSavedGame(saved) != text)
        std::abort();
    NullBoard board;
    NullTally tally;
    DiceGenerator faces;
    Game game(board, tally, faces);
    game.resume(saved);
    for (int i = 1; i <= 6; ++i)
        game.toggleDie(i);
    game.roll();
    game.bank();
    game.pauseElapsed();
    return 0;
}
