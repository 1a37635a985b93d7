#pragma once
#include <filesystem>
#include <mutex>

#include "server/scorestore.h"

struct sqlite3;
struct sqlite3_stmt;

// Scores in one SQLite file in write-ahead-log mode, the embedded choice for
// a server on one machine. One connection serves every thread in turn; each
// post is its own committed transaction, synced to disk before add returns.
class SqliteScoreStore : public ScoreStore {
public:
    explicit SqliteScoreStore(const std::filesystem::path& file);
    ~SqliteScoreStore() override;
    SqliteScoreStore(const SqliteScoreStore&) = delete;
    SqliteScoreStore& operator=(const SqliteScoreStore&) = delete;

    void add(const ScoreEntry& entry) override;
    [[nodiscard]] std::vector<ScoreEntry> best(std::size_t limit) override;
    [[nodiscard]] std::int64_t count() override;

private:
    [[noreturn]] void fail(const char* what) const;
    void execute(const char* sql);
    sqlite3_stmt* prepare(const char* sql);

    std::filesystem::path m_file;
    std::mutex m_mutex;
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_insert = nullptr;
    sqlite3_stmt* m_best = nullptr;
    sqlite3_stmt* m_count = nullptr;
};
