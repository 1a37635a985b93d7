// SPDX-License-Identifier: MIT
// First byte even: the bytes are CSV; what reads must write back the same.
// Odd: the bytes are a history file; every game it yields is replayed and
// judged. Neither may crash, whatever the bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "core/history/historyanalysis.h"
#include "core/history/historycsv.h"
#include "core/history/historystore.h"

namespace {

const Solver& solver()
{
    static const Solver s;
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] % 2 == 0) {
        std::vector<HistoryGame> games;
        std::string problem;
        if (readHistoryCsv(bytes, games, problem)) {
            const std::string again = historyCsv(games);
            std::vector<HistoryGame> back;
            if (!readHistoryCsv(again, back, problem) || historyCsv(back) != again)
                std::abort();
        }
        return 0;
    }
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / ("pelbixhistoryfuzz-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const std::string path = (folder / "history.sqlite3").string();
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    {
        HistoryStore store(path);
        for (HistoryGame& g : store.load(true))
            completeGame(g, &solver()); // replayed, and judged when the replay holds
    }
    fs::remove_all(folder);
    return 0;
}
