// SPDX-License-Identifier: MIT
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "server/scoreentry.h"

// Where posted scores live. Every operation may be called from several
// threads at once and throws StoreError when the database fails or does not
// answer within the store's time-out.
class ScoreStore {
public:
    virtual ~ScoreStore() = default;

    // Stores all of the entries or, on failure, none of them.
    virtual void addAll(const std::vector<ScoreEntry>& entries) = 0;
    void add(const ScoreEntry& entry) { addAll({entry}); }
    // Best score first; equal scores in the order they were posted.
    [[nodiscard]] virtual std::vector<ScoreEntry> best(std::size_t limit) = 0;
    [[nodiscard]] virtual std::int64_t count() = 0;
    // Makes the operation under way, and every later one, fail at once
    // with nothing half-stored. Safe from any thread; for shutting down.
    virtual void interrupt() = 0;
    // Moves everything stored into the database's own file, so that file
    // alone holds every score; for a clean stop, also after interrupt().
    virtual void checkpoint() {}
};
