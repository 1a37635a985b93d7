// SPDX-License-Identifier: MIT
#pragma once
#include <atomic>
#include <chrono>
#include <filesystem>
#include <mutex>
#include <string>
#include <sys/types.h>

#include "server/scorestore.h"

struct sqlite3;
struct sqlite3_stmt;

// Scores in one SQLite file in write-ahead-log mode, the embedded choice for
// a server on one machine. One connection serves every thread in turn; each
// addAll is one committed transaction, synced to disk before it returns.
// While another connection holds the write lock an operation waits at most
// the time-out, then fails. Once the file is found deleted or replaced
// under the open connection, every later addAll fails: what it wrote would
// be gone at the next start.
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
    void checkpoint() override;

private:
    // Where a file lies on disk; a file put in its place has another one.
    struct FileIdentity {
        dev_t device = 0;
        ino_t inode = 0;
        bool operator==(const FileIdentity&) const = default;
    };

    static int onBusy(void* store, int attempts);
    [[noreturn]] void fail(const char* what) const;
    void execute(const char* sql);
    sqlite3_stmt* prepare(const char* sql);
    void addColumnIfMissing(const char* column, const char* definition);
    // Empty while the database file and its log are the ones opened;
    // otherwise why not, which then sticks.
    std::string lostFile();

    std::filesystem::path m_file;
    const std::chrono::milliseconds m_timeout;
    std::chrono::steady_clock::time_point m_busySince;
    std::atomic<bool> m_interrupted{false};
    std::mutex m_mutex;
    sqlite3* m_db = nullptr;
    FileIdentity m_database;
    FileIdentity m_log;
    std::string m_lost;
    sqlite3_stmt* m_insert = nullptr;
    sqlite3_stmt* m_best = nullptr;
    sqlite3_stmt* m_count = nullptr;
    sqlite3_stmt* m_begin = nullptr;
    sqlite3_stmt* m_commit = nullptr;
    sqlite3_stmt* m_rollback = nullptr;
};

// Writes a consistent copy of the SQLite database at source to target,
// while servers go on writing to it: through SQLite's online backup, into
// a temporary file beside target that is synced and renamed over it.
// Throws StoreError.
void backupSqliteDatabase(const std::filesystem::path& source, const std::filesystem::path& target);
