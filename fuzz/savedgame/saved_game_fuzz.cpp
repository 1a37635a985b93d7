// SPDX-License-Identifier: MIT
// Any bytes as a saved game: either a clean refusal, or a game that writes
// back to exactly the bytes read and that a game can go on with, its play
// taken over by the history (or refused) without a fault either way.
#include "core/game/game.h"
#include "core/game/savedgame.h"
#include "core/history/historyanalysis.h"
#include "core/history/historyrecorder.h"
#include "core/game/nullboard.h"

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
    // A rebuilt game is one whose replay is exact, by its own check.
    if (const auto rebuilt = rebuildGame(saved); rebuilt && !replayGame(*rebuilt).exact)
        std::abort();
    NullBoard board;
    NullTally tally;
    DiceGenerator faces;
    HistoryRecorder recorder(faces);
    Game game(board, tally, recorder);
    game.setObserver(&recorder);
    recorder.takeOver(saved);
    game.resume(saved);
    for (int i = 1; i <= 6; ++i)
        game.toggleDie(i);
    game.roll();
    game.bank();
    game.pauseElapsed();
    return 0;
}
