// SPDX-License-Identifier: MIT
#include "server/sqlitescorestore.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "server/duplicatekey.h"
#include "server/storeerror.h"

namespace {
// How long to sleep between looks at a write lock held elsewhere.
constexpr std::chrono::milliseconds kBusyPause{2};
constexpr const char* kCacheSize = "PRAGMA cache_size=-16384"; // KiB
// How long a backup waits for a lock the running server holds a moment.
constexpr int kBackupBusyMs = 10000;

constexpr const char* kSchema =
    "CREATE TABLE IF NOT EXISTS pelbixsolo_scores ("
    " id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " name TEXT NOT NULL,"
    " date TEXT NOT NULL,"
    " score INTEGER NOT NULL,"
    " posted_at TEXT NOT NULL DEFAULT (strftime('%Y-%m-%dT%H:%M:%fZ', 'now')));"
    "CREATE INDEX IF NOT EXISTS pelbixsolo_scores_rank ON pelbixsolo_scores (score DESC, id);";
// After the key column exists, also in a table an older server made.
constexpr const char* kRepeatIndex =
    "CREATE INDEX IF NOT EXISTS pelbixsolo_scores_repeat ON pelbixsolo_scores (post_digest)"
    " WHERE post_digest IS NOT NULL";

// A post whose key was stored within the repeat window is not stored again.
std::string insertSql()
{
    const auto window = std::chrono::duration_cast<std::chrono::seconds>(kRepeatWindow).count();
    return "INSERT INTO pelbixsolo_scores (name, date, score, post_digest) SELECT ?1, ?2, ?3, ?4"
           " WHERE ?4 IS NULL OR NOT EXISTS (SELECT 1 FROM pelbixsolo_scores WHERE post_digest = ?4"
           " AND posted_at > strftime('%Y-%m-%dT%H:%M:%fZ', 'now', '-" +
           std::to_string(window) + " seconds'))";
}

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

// SQLite's message, with the system's when the disk or a file said no:
// "disk I/O error (No space left on device)".
std::string errorText(sqlite3* db)
{
    std::string text = db ? sqlite3_errmsg(db) : "out of memory";
    const int code = db ? sqlite3_errcode(db) : SQLITE_NOMEM;
    const int system = db ? sqlite3_system_errno(db) : 0;
    if (system != 0 && (code == SQLITE_IOERR || code == SQLITE_CANTOPEN || code == SQLITE_FULL || code == SQLITE_READONLY))
        text += std::string(" (") + std::strerror(system) + ")";
    return text;
}

std::string logPath(const std::filesystem::path& file)
{
    return file.string() + "-wal";
}

void syncFile(const std::filesystem::path& path, int flags)
{
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    const int error = errno;
    if (fd >= 0)
        ::close(fd);
    if (!synced)
        throw StoreError("cannot sync " + path.string() + ": " + std::strerror(error));
}
} // namespace

SqliteScoreStore::SqliteScoreStore(const std::filesystem::path& file, std::chrono::milliseconds timeout)
    : m_file(file), m_timeout(timeout)
{
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(file.c_str(), &m_db, flags, nullptr) != SQLITE_OK) {
        const std::string message = errorText(m_db);
        sqlite3_close(m_db);
        throw StoreError("cannot open " + file.string() + ": " + message);
    }
    try {
        // SQLite opens a file it may not write read-only without a word;
        // every post would then be refused.
        if (sqlite3_db_readonly(m_db, "main") == 1)
            throw StoreError("cannot open " + file.string() + " for writing: the file is read-only to this user");
        sqlite3_busy_handler(m_db, &SqliteScoreStore::onBusy, this);
        sqlite3_stmt* mode = prepare("PRAGMA journal_mode=WAL");
        const bool wal = sqlite3_step(mode) == SQLITE_ROW && columnText(mode, 0) == "wal";
        sqlite3_finalize(mode);
        if (!wal)
            throw StoreError(file.string() + ": the database cannot use write-ahead logging: " + errorText(m_db));
        // In WAL mode FULL syncs the log at each commit, so an accepted post
        // survives a power cut, not only a crash of this process.
        execute("PRAGMA synchronous=FULL");
        // Each post goes into the rank index at a place of its score: with
        // millions of rows the default 2 MB cache misses on most of them.
        execute(kCacheSize);
        execute(kSchema);
        addColumnIfMissing("post_digest", "TEXT");
        execute(kRepeatIndex);
        m_insert = prepare(insertSql().c_str());
        m_best = prepare("SELECT name, date, score FROM pelbixsolo_scores ORDER BY score DESC, id LIMIT ?1");
        m_count = prepare("SELECT count(*) FROM pelbixsolo_scores");
        // IMMEDIATE takes the write lock at the start, so a transaction never
        // has to give up half-way for another writer.
        m_begin = prepare("BEGIN IMMEDIATE");
        m_commit = prepare("COMMIT");
        m_rollback = prepare("ROLLBACK");
        // Taken now that both files exist, so a later look can tell whether
        // they are still the ones written to.
        struct stat database {};
        struct stat log {};
        if (::stat(file.c_str(), &database) != 0 || ::stat(logPath(file).c_str(), &log) != 0)
            throw StoreError(file.string() + ": the database or its -wal file is gone right after opening");
        m_database = {database.st_dev, database.st_ino};
        m_log = {log.st_dev, log.st_ino};
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
    // The last connection to close moves the log into the database file
    // and removes the -wal file.
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

// Only the flag: sqlite3_interrupt would stay set on the idle connection
// and cancel the checkpoint that closing it does, leaving every score in
// the -wal file. Statements here are short; only a lock wait lasts, and
// the busy handler ends that.
void SqliteScoreStore::interrupt()
{
    m_interrupted = true;
}

void SqliteScoreStore::checkpoint()
{
    const std::lock_guard lock(m_mutex);
    if (std::string lost = lostFile(); !lost.empty())
        throw StoreError(lost);
    // Passive: a stop must not wait for another program's transaction;
    // committed pages are copied all the same.
    int logFrames = 0;
    int copiedFrames = 0;
    if (sqlite3_wal_checkpoint_v2(m_db, nullptr, SQLITE_CHECKPOINT_PASSIVE, &logFrames, &copiedFrames) != SQLITE_OK)
        fail("cannot move the write-ahead log into the database file");
    if (copiedFrames < logFrames)
        throw StoreError(m_file.string() + ": another program reads an older state of the database, so " +
                         std::to_string(logFrames - copiedFrames) + " pages stay in the -wal file; keep it with the database");
}

void SqliteScoreStore::fail(const char* what) const
{
    throw StoreError(m_file.string() + ": " + what + ": " + errorText(m_db));
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

void SqliteScoreStore::addColumnIfMissing(const char* column, const char* definition)
{
    sqlite3_stmt* find = prepare("SELECT 1 FROM pragma_table_info('pelbixsolo_scores') WHERE name = ?1");
    sqlite3_bind_text(find, 1, column, -1, SQLITE_STATIC);
    const int status = sqlite3_step(find);
    sqlite3_finalize(find);
    if (status == SQLITE_DONE)
        execute((std::string("ALTER TABLE pelbixsolo_scores ADD COLUMN ") + column + " " + definition).c_str());
    else if (status != SQLITE_ROW)
        fail("cannot read the score table's columns");
}

std::string SqliteScoreStore::lostFile()
{
    if (!m_lost.empty())
        return m_lost;
    struct stat now {};
    const char* why = nullptr;
    int moved = 0;
    if (::stat(m_file.c_str(), &now) != 0)
        why = "the database file was deleted";
    else if (FileIdentity{now.st_dev, now.st_ino} != m_database ||
             (sqlite3_file_control(m_db, "main", SQLITE_FCNTL_HAS_MOVED, &moved) == SQLITE_OK && moved))
        why = "another file was put in the database file's place";
    else if (::stat(logPath(m_file).c_str(), &now) != 0 || FileIdentity{now.st_dev, now.st_ino} != m_log)
        why = "its -wal file was deleted or replaced";
    if (why != nullptr)
        m_lost = m_file.string() + ": " + why + " while the server ran; scores written now would be lost, so "
                 "posts are refused until the server is restarted";
    return m_lost;
}

void SqliteScoreStore::addAll(const std::vector<ScoreEntry>& entries)
{
    const std::lock_guard lock(m_mutex);
    if (m_interrupted)
        throw StoreError(m_file.string() + ": shutting down");
    if (std::string lost = lostFile(); !lost.empty())
        throw StoreError(lost);
    {
        const StatementReset reset(m_begin);
        if (sqlite3_step(m_begin) != SQLITE_DONE)
            fail("cannot store scores");
    }
    try {
        for (const ScoreEntry& entry : entries) {
            const StatementReset reset(m_insert);
            const std::string key = duplicateKey(entry);
            sqlite3_bind_text(m_insert, 1, entry.name.data(), static_cast<int>(entry.name.size()), SQLITE_STATIC);
            sqlite3_bind_text(m_insert, 2, entry.date.data(), static_cast<int>(entry.date.size()), SQLITE_STATIC);
            sqlite3_bind_int(m_insert, 3, entry.score);
            if (!key.empty())
                sqlite3_bind_text(m_insert, 4, key.data(), static_cast<int>(key.size()), SQLITE_TRANSIENT);
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
    // Committed, but into a file that may have gone while we wrote.
    if (std::string lost = lostFile(); !lost.empty())
        throw StoreError(lost);
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

void backupSqliteDatabase(const std::filesystem::path& source, const std::filesystem::path& target)
{
    // Renamed over the live file, the copy would take its place and every
    // score stored after the copy's moment would go into a deleted file.
    std::error_code same;
    for (const std::filesystem::path& live : {source, std::filesystem::path(logPath(source))})
        if (std::filesystem::equivalent(live, target, same))
            throw StoreError("cannot back up " + source.string() + " to " + target.string() + ": that is the database itself");
    // Read-only: a backup never changes the server's database.
    sqlite3* from = nullptr;
    if (sqlite3_open_v2(source.c_str(), &from, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        const std::string message = errorText(from);
        sqlite3_close(from);
        throw StoreError("cannot open " + source.string() + ": " + message);
    }
    sqlite3_busy_timeout(from, kBackupBusyMs);
    const std::filesystem::path part = target.string() + ".part";
    std::filesystem::remove(part);
    sqlite3* to = nullptr;
    std::string failure;
    if (sqlite3_open_v2(part.c_str(), &to, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        failure = "cannot create " + part.string() + ": " + errorText(to);
    } else if (sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main")) {
        // One step copies every page inside one read transaction: a single
        // moment of the database, whatever the server commits meanwhile.
        const int status = sqlite3_backup_step(backup, -1);
        sqlite3_backup_finish(backup);
        if (status != SQLITE_DONE)
            failure = "cannot copy " + source.string() + ": " + sqlite3_errstr(status);
    } else {
        failure = "cannot copy " + source.string() + ": " + errorText(to);
    }
    if (failure.empty() && sqlite3_exec(to, "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr) != SQLITE_OK)
        failure = "cannot finish " + part.string() + ": " + errorText(to);
    sqlite3_close(to);
    sqlite3_close(from);
    if (failure.empty()) {
        try {
            syncFile(part, O_RDONLY);
            std::filesystem::rename(part, target);
            syncFile(target.parent_path().empty() ? "." : target.parent_path(), O_RDONLY | O_DIRECTORY);
        } catch (const std::exception& error) {
            failure = error.what();
        }
    }
    if (!failure.empty()) {
        std::error_code ignored;
        std::filesystem::remove(part, ignored);
        throw StoreError(failure);
    }
}
