#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "server/scoreentry.h"

// Where posted scores live. Every operation may be called from several
// request threads at once and throws StoreError when the database fails.
class ScoreStore {
public:
    virtual ~ScoreStore() = default;

    virtual void add(const ScoreEntry& entry) = 0;
    // Best score first; equal scores in the order they were posted.
    [[nodiscard]] virtual std::vector<ScoreEntry> best(std::size_t limit) = 0;
    [[nodiscard]] virtual std::int64_t count() = 0;
};
