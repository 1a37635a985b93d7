// SPDX-License-Identifier: MIT
#pragma once
#include <atomic>
#include <chrono>
#include <filesystem>
#include <mutex>

#include "server/scorestore.h"

struct sqlite3;
struct sqlite3_stmt;

// Scores in one SQLite file in write-ahead-log mode, the embedded choice for
// a server on one machine. One connection serves every thread in turn; each
// addAll is one committed transaction, synced to disk before it returns.
// While another connection holds the write lock an operation waits at most
// the time-out, then fails.
class SqliteScoreStore : public ScoreStore {
public:
    static constexpr std::chrono::milliseconds kDefaultTimeout{2000};

    explicit SqliteScoreStore(const std::filesystem::path& file, std::chrono::milliseconds timeout = kDefaultTimeout);
    ~SqliteScoreStore() override;
    SqliteScoreStore(const SqliteScoreStore&) = delete;
    SqliteScoreStore& operator=(const SqliteScoreStore&) = delete;

    void addAll(const std::vector<ScoreEntry>& entries) override;
    [[nodiscard]] std::vector<ScoreEntry> best(std::size_t limit) override;
    [[nodiscard]] std::int64_t count() override;
    void interrupt() override;

private:
    static int onBusy(void* store, int attempts);
    [[noreturn]] void fail(const char* what) const;
    void execute(const char* sql);
    sqlite3_stmt* prepare(const char* sql);

    std::filesystem::path m_file;
    const std::chrono::milliseconds m_timeout;
    std::chrono::steady_clock::time_point m_busySince;
    std::atomic<bool> m_interrupted{false};
    std::mutex m_mutex;
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_insert = nullptr;
    sqlite3_stmt* m_best = nullptr;
    sqlite3_stmt* m_count = nullptr;
    sqlite3_stmt* m_begin = nullptr;
    sqlite3_stmt* m_commit = nullptr;
    sqlite3_stmt* m_rollback = nullptr;
};
