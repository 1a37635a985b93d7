// SPDX-License-Identifier: MIT
#include "server/sqlitescorestore.h"

#include <sqlite3.h>

#include "server/storeerror.h"

#include <thread>

namespace {
// How long to sleep between looks at a write lock held elsewhere.
constexpr std::chrono::milliseconds kBusyPause{2};

constexpr const char* kSchema =
    "CREATE TABLE IF NOT EXISTS pelbixsolo_scores ("
    " id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " name TEXT NOT NULL,"
    " date TEXT NOT NULL,"
    " score INTEGER NOT NULL,"
    " posted_at TEXT NOT NULL DEFAULT (strftime('%Y-%m-%dT%H:%M:%fZ', 'now')));"
    "CREATE INDEX IF NOT EXISTS pelbixsolo_scores_rank ON pelbixsolo_scores (score DESC, id);";

// Resets a statement however the step loop is left.
class StatementReset {
public:
    explicit StatementReset(sqlite3_stmt* statement) : m_statement(statement) {}
    ~StatementReset()
    {
        sqlite3_reset(m_statement);
        sqlite3_clear_bindings(m_statement);
    }
    StatementReset(const StatementReset&) = delete;
    StatementReset& operator=(const StatementReset&) = delete;

private:
    sqlite3_stmt* m_statement;
};

std::string columnText(sqlite3_stmt* statement, int column)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return text == nullptr ? std::string() : std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(statement, column)));
}
} // namespace

SqliteScoreStore::SqliteScoreStore(const std::filesystem::path& file, std::chrono::milliseconds timeout)
    : m_file(file), m_timeout(timeout)
{
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(file.c_str(), &m_db, flags, nullptr) != SQLITE_OK) {
        const std::string message = m_db ? sqlite3_errmsg(m_db) : "out of memory";
        sqlite3_close(m_db);
        throw StoreError("cannot open " + file.string() + ": " + message);
    }
    try {
        sqlite3_busy_handler(m_db, &SqliteScoreStore::onBusy, this);
        sqlite3_stmt* mode = prepare("PRAGMA journal_mode=WAL");
        const bool wal = sqlite3_step(mode) == SQLITE_ROW && columnText(mode, 0) == "wal";
        sqlite3_finalize(mode);
        if (!wal)
            throw StoreError(file.string() + ": the database cannot use write-ahead logging");
        // In WAL mode FULL syncs the log at each commit, so an accepted post
        // survives a power cut, not only a crash of this process.
        execute("PRAGMA synchronous=FULL");
        execute(kSchema);
        m_insert = prepare("INSERT INTO pelbixsolo_scores (name, date, score) VALUES (?1, ?2, ?3)");
        m_best = prepare("SELECT name, date, score FROM pelbixsolo_scores ORDER BY score DESC, id LIMIT ?1");
        m_count = prepare("SELECT count(*) FROM pelbixsolo_scores");
        // IMMEDIATE takes the write lock at the start, so a transaction never
        // has to give up half-way for another writer.
        m_begin = prepare("BEGIN IMMEDIATE");
        m_commit = prepare("COMMIT");
        m_rollback = prepare("ROLLBACK");
    } catch (...) {
        for (sqlite3_stmt* statement : {m_insert, m_best, m_count, m_begin, m_commit, m_rollback})
            sqlite3_finalize(statement);
        sqlite3_close(m_db);
        throw;
    }
}

SqliteScoreStore::~SqliteScoreStore()
{
    for (sqlite3_stmt* statement : {m_insert, m_best, m_count, m_begin, m_commit, m_rollback})
        sqlite3_finalize(statement);
    sqlite3_close(m_db);
}

// Called while another connection holds a lock we need; 0 gives up.
int SqliteScoreStore::onBusy(void* store, int attempts)
{
    auto& self = *static_cast<SqliteScoreStore*>(store);
    const auto now = std::chrono::steady_clock::now();
    if (attempts == 0)
        self.m_busySince = now;
    if (self.m_interrupted || now - self.m_busySince >= self.m_timeout)
        return 0;
    std::this_thread::sleep_for(kBusyPause);
    return 1;
}

void SqliteScoreStore::interrupt()
{
    m_interrupted = true;
    sqlite3_interrupt(m_db);
}

void SqliteScoreStore::fail(const char* what) const
{
    throw StoreError(m_file.string() + ": " + what + ": " + sqlite3_errmsg(m_db));
}

void SqliteScoreStore::execute(const char* sql)
{
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        fail("cannot set up the score table");
}

sqlite3_stmt* SqliteScoreStore::prepare(const char* sql)
{
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr) != SQLITE_OK)
        fail("cannot prepare a query");
    return statement;
}

void SqliteScoreStore::addAll(const std::vector<ScoreEntry>& entries)
{
    const std::lock_guard lock(m_mutex);
    if (m_interrupted)
        throw StoreError(m_file.string() + ": shutting down");
    {
        const StatementReset reset(m_begin);
        if (sqlite3_step(m_begin) != SQLITE_DONE)
            fail("cannot store scores");
    }
    try {
        for (const ScoreEntry& entry : entries) {
            const StatementReset reset(m_insert);
            sqlite3_bind_text(m_insert, 1, entry.name.data(), static_cast<int>(entry.name.size()), SQLITE_STATIC);
            sqlite3_bind_text(m_insert, 2, entry.date.data(), static_cast<int>(entry.date.size()), SQLITE_STATIC);
            sqlite3_bind_int(m_insert, 3, entry.score);
            if (sqlite3_step(m_insert) != SQLITE_DONE)
                fail("cannot store a score");
        }
        const StatementReset reset(m_commit);
        if (sqlite3_step(m_commit) != SQLITE_DONE)
            fail("cannot commit scores");
    } catch (const StoreError&) {
        // A failed COMMIT may leave the transaction open; nothing of it stays.
        if (!sqlite3_get_autocommit(m_db)) {
            const StatementReset reset(m_rollback);
            sqlite3_step(m_rollback);
        }
        throw;
    }
}

std::vector<ScoreEntry> SqliteScoreStore::best(std::size_t limit)
{
    const std::lock_guard lock(m_mutex);
    const StatementReset reset(m_best);
    sqlite3_bind_int64(m_best, 1, static_cast<sqlite3_int64>(limit));
    std::vector<ScoreEntry> rows;
    int status = SQLITE_ROW;
    while ((status = sqlite3_step(m_best)) == SQLITE_ROW)
        rows.push_back({columnText(m_best, 0), columnText(m_best, 1), sqlite3_column_int(m_best, 2)});
    if (status != SQLITE_DONE)
        fail("cannot read the scores");
    return rows;
}

std::int64_t SqliteScoreStore::count()
{
    const std::lock_guard lock(m_mutex);
    const StatementReset reset(m_count);
    if (sqlite3_step(m_count) != SQLITE_ROW)
        fail("cannot count the scores");
    return sqlite3_column_int64(m_count, 0);
}
