// SPDX-License-Identifier: MIT
#include "server/postgresscorestore.h"

#include <algorithm>
#include <charconv>
#include <libpq-fe.h>
#include <memory>
#include <poll.h>
#include <sys/random.h>
#include <set>
#include <thread>

#include "server/duplicatekey.h"
#include "server/storeerror.h"

namespace {
// Instances starting together would race on CREATE TABLE IF NOT EXISTS; an
// advisory lock (any fixed number) makes them take turns. Tables made by
// older servers gain the key columns; their rows keep NULL keys.
constexpr const char* kSchemaLock = "SELECT pg_advisory_xact_lock(7315013)";
constexpr const char* kSchema[] = {
    "CREATE TABLE IF NOT EXISTS pelbixsolo_scores ("
    " id BIGINT GENERATED ALWAYS AS IDENTITY PRIMARY KEY,"
    " name TEXT NOT NULL,"
    " date TEXT NOT NULL,"
    " score INTEGER NOT NULL,"
    " posted_at TIMESTAMPTZ NOT NULL DEFAULT now())",
    "ALTER TABLE pelbixsolo_scores ADD COLUMN IF NOT EXISTS post_key TEXT",
    "CREATE INDEX IF NOT EXISTS pelbixsolo_scores_rank ON pelbixsolo_scores (score DESC, id)",
    "CREATE UNIQUE INDEX IF NOT EXISTS pelbixsolo_scores_post_key ON pelbixsolo_scores (post_key)",
    "ALTER TABLE pelbixsolo_scores ADD COLUMN IF NOT EXISTS post_digest TEXT",
    "CREATE INDEX IF NOT EXISTS pelbixsolo_scores_repeat ON pelbixsolo_scores (post_digest)"
    " WHERE post_digest IS NOT NULL",
};

// Longest single wait on the socket, so an interrupt is noticed promptly.
constexpr std::chrono::milliseconds kWaitSlice{50};
// Between attempts to reach a server that refuses connections (restarting).
constexpr std::chrono::milliseconds kReconnectPause{100};
// libpq does not take a connect time-out below this many seconds.
constexpr long long kMinConnectSeconds = 2;
constexpr std::size_t kKeyBytes = 16;
// After a COMMIT ran past the time-out and was cancelled: how long its
// answer may take to say whether it committed (a commit waiting for a
// standby that is gone ends with success when cancelled).
constexpr std::chrono::milliseconds kCommitGrace{500};

// An advisory lock number for a repeat key, so servers sharing the
// database store a post and its repeat one after the other.
long long lockNumber(const std::string& key)
{
    unsigned long long number = 0;
    std::from_chars(key.data(), key.data() + std::min<std::size_t>(key.size(), 16), number, 16);
    return static_cast<long long>(number);
}

struct ResultDeleter {
    void operator()(PGresult* result) const { PQclear(result); }
};
using Result = std::unique_ptr<PGresult, ResultDeleter>;

std::string errorText(const PGconn* connection)
{
    std::string text = PQerrorMessage(connection);
    while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    return text;
}

std::string randomKey()
{
    unsigned char bytes[kKeyBytes];
    std::size_t got = 0;
    while (got < sizeof bytes) {
        const ssize_t n = ::getrandom(bytes + got, sizeof bytes - got, 0);
        if (n <= 0)
            throw StoreError("no random numbers for a post key");
        got += static_cast<std::size_t>(n);
    }
    static constexpr char kHex[] = "0123456789abcdef";
    std::string key;
    for (const unsigned char b : bytes) {
        key.push_back(kHex[b >> 4]);
        key.push_back(kHex[b & 0xF]);
    }
    return key;
}

// A failure that a fresh connection may not have: the server went away.
class ConnectionLost : public StoreError {
public:
    using StoreError::StoreError;
};
} // namespace

// A connection borrowed from the pool for one operation. One that failed is
// not given back but closed, so the pool opens a fresh one.
class PostgresScoreStore::Lease {
public:
    Lease(PostgresScoreStore& store, Clock::time_point deadline)
        : m_store(store), m_connection(store.acquire(deadline)), m_deadline(deadline)
    {
    }
    ~Lease() { m_store.release(m_connection, m_broken); }
    Lease(const Lease&) = delete;
    Lease& operator=(const Lease&) = delete;

    enum class Kind { Plain, Commit };

    // Runs a statement with text parameters, waiting for its answer no
    // longer than the deadline, and checks its status. A COMMIT that does
    // not answer in time is cancelled and given a short grace to say how it
    // ended; past that, StoreOutcomeUnknown.
    Result run(const std::string& sql, const std::vector<std::string>& values, ExecStatusType expected,
               Kind kind = Kind::Plain)
    {
        std::vector<const char*> pointers;
        for (const auto& v : values)
            pointers.push_back(v.c_str());
        if (!PQsendQueryParams(m_connection, sql.c_str(), static_cast<int>(pointers.size()), nullptr, pointers.data(),
                               nullptr, nullptr, 0))
            lost();
        // Every result, and the end of the answer after it, is waited for
        // within the deadline, so PQgetResult never blocks.
        Result first;
        auto deadline = m_deadline;
        bool cancelled = false;
        for (;;) {
            if (!waitForAnswer(deadline, !cancelled)) {
                const char* why = m_store.m_interrupted && !cancelled ? "interrupted" : "no answer within the time-out";
                if (kind == Kind::Commit && cancelled) {
                    m_broken = true;
                    throw StoreOutcomeUnknown(std::string("PostgreSQL: COMMIT: ") + why +
                                              ", and no word on whether it committed");
                }
                cancel();
                if (kind != Kind::Commit) {
                    m_broken = true;
                    throw StoreError(std::string("PostgreSQL: ") + why);
                }
                cancelled = true;
                deadline = Clock::now() + kCommitGrace;
                continue;
            }
            Result next{PQgetResult(m_connection)};
            if (!next)
                break;
            if (!first)
                first = std::move(next);
        }
        if (PQstatus(m_connection) != CONNECTION_OK)
            lost();
        if (!first || PQresultStatus(first.get()) != expected) {
            m_broken = true; // an aborted transaction or a half-read answer: start clean
            throw StoreError("PostgreSQL: " + errorText(m_connection));
        }
        return first;
    }

private:
    [[noreturn]] void lost()
    {
        m_broken = true;
        throw ConnectionLost("PostgreSQL: " + errorText(m_connection));
    }

    // False when the deadline passed (or, when heeded, an interrupt came)
    // before the answer.
    bool waitForAnswer(Clock::time_point deadline, bool heedInterrupt)
    {
        const int socket = PQsocket(m_connection);
        for (;;) {
            const int flushed = PQflush(m_connection);
            if (flushed < 0 || !PQconsumeInput(m_connection))
                lost();
            if (flushed == 0 && !PQisBusy(m_connection))
                return true;
            const auto now = Clock::now();
            if ((heedInterrupt && m_store.m_interrupted) || now >= deadline)
                return false;
            const auto slice = std::min<Clock::duration>(deadline - now, kWaitSlice);
            pollfd fd{socket, static_cast<short>(POLLIN | (flushed == 1 ? POLLOUT : 0)), 0};
            ::poll(&fd, 1, static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(slice).count()));
        }
    }

    // The backend may be stalled; ask it to cancel. The connection is then
    // dropped, which rolls back whatever it had not committed.
    void cancel()
    {
        if (PGcancel* request = PQgetCancel(m_connection)) {
            char ignored[256];
            PQcancel(request, ignored, sizeof ignored);
            PQfreeCancel(request);
        }
    }

    PostgresScoreStore& m_store;
    PGconn* m_connection;
    const Clock::time_point m_deadline;
    bool m_broken = false;
};

// A connection idle while the database restarted fails on its first use;
// the operation then goes once more through a fresh connection, waiting
// for the server to come back until the deadline.
template <typename Operation>
auto PostgresScoreStore::withRetry(Operation operation)
{
    const auto deadline = Clock::now() + m_timeout;
    try {
        Lease lease(*this, deadline);
        return operation(lease);
    } catch (const ConnectionLost&) {
        Lease lease(*this, deadline);
        return operation(lease);
    }
}

PostgresScoreStore::PostgresScoreStore(std::string connection, std::size_t maxConnections,
                                       std::chrono::milliseconds timeout)
    : m_connection(std::move(connection)), m_maxConnections(std::max<std::size_t>(maxConnections, 1)), m_timeout(timeout)
{
    m_idle.push_back(connect(Clock::now() + m_timeout));
    m_open = 1;
    // Statement by statement within the time-out: a COMMIT that waits for
    // a standby that is gone must not hang the start.
    try {
        withRetry([](Lease& lease) {
            lease.run("BEGIN", {}, PGRES_COMMAND_OK);
            lease.run(kSchemaLock, {}, PGRES_TUPLES_OK);
            for (const char* statement : kSchema)
                lease.run(statement, {}, PGRES_COMMAND_OK);
            return lease.run("COMMIT", {}, PGRES_COMMAND_OK, Lease::Kind::Commit);
        });
    } catch (const StoreError& error) {
        for (PGconn* idle : m_idle)
            PQfinish(idle);
        throw StoreError(std::string("PostgreSQL: cannot set up the score table: ") + error.what());
    }
}

PostgresScoreStore::~PostgresScoreStore()
{
    for (PGconn* connection : m_idle)
        PQfinish(connection);
}

void PostgresScoreStore::interrupt()
{
    m_interrupted = true;
}

// Tries until the deadline while the server refuses connections, as it does
// while restarting. The server itself ends any statement that runs longer
// than the time-out.
PGconn* PostgresScoreStore::connect(Clock::time_point deadline) const
{
    const auto timeoutMs = std::chrono::duration_cast<std::chrono::milliseconds>(m_timeout).count();
    const std::string connectSeconds = std::to_string(std::max<long long>(kMinConnectSeconds, (timeoutMs + 999) / 1000));
    const std::string options = "-c statement_timeout=" + std::to_string(timeoutMs);
    // Later keywords override what the URI says.
    const char* keywords[] = {"dbname", "connect_timeout", "application_name", "options", nullptr};
    const char* values[] = {m_connection.c_str(), connectSeconds.c_str(), "pelbixsolo-server", options.c_str(), nullptr};
    for (;;) {
        PGconn* connection = PQconnectdbParams(keywords, values, 1);
        if (PQstatus(connection) == CONNECTION_OK)
            return connection;
        const std::string message = errorText(connection);
        PQfinish(connection);
        if (m_interrupted || Clock::now() + kReconnectPause >= deadline)
            throw StoreError("PostgreSQL: cannot connect: " + message);
        std::this_thread::sleep_for(kReconnectPause);
    }
}

PGconn* PostgresScoreStore::acquire(Clock::time_point deadline)
{
    std::unique_lock lock(m_mutex);
    if (!m_returned.wait_until(lock, deadline, [this] { return !m_idle.empty() || m_open < m_maxConnections; }))
        throw StoreError("PostgreSQL: no connection came free within the time-out");
    while (!m_idle.empty()) {
        PGconn* connection = m_idle.back();
        m_idle.pop_back();
        // A server that restarted has closed this connection: the socket
        // reads as ready. Find out now rather than fail the statement.
        pollfd fd{PQsocket(connection), POLLIN, 0};
        if (::poll(&fd, 1, 0) == 0 || (PQconsumeInput(connection) && PQstatus(connection) == CONNECTION_OK))
            return connection;
        PQfinish(connection);
        --m_open;
    }
    ++m_open;
    lock.unlock();
    try {
        return connect(deadline);
    } catch (...) {
        lock.lock();
        --m_open;
        m_returned.notify_one();
        throw;
    }
}

void PostgresScoreStore::release(PGconn* connection, bool broken)
{
    const std::lock_guard lock(m_mutex);
    if (!broken && PQstatus(connection) == CONNECTION_OK) {
        m_idle.push_back(connection);
    } else {
        PQfinish(connection);
        --m_open;
    }
    m_returned.notify_one();
}

void PostgresScoreStore::addAll(const std::vector<ScoreEntry>& entries)
{
    if (entries.empty())
        return;
    // A repeat of a post in the same batch is the same post.
    std::set<std::string> keys;
    std::string sql = "INSERT INTO pelbixsolo_scores (name, date, score, post_key, post_digest)"
                      " SELECT v.name, v.date, v.score, v.post_key, v.post_digest FROM (VALUES ";
    std::vector<std::string> values;
    for (const ScoreEntry& entry : entries) {
        std::string key = duplicateKey(entry);
        if (!key.empty() && !keys.insert(key).second)
            continue;
        const std::size_t n = values.size();
        sql += (n == 0 ? "($" : ", ($") + std::to_string(n + 1) + ", $" + std::to_string(n + 2) + ", $" +
               std::to_string(n + 3) + "::integer, $" + std::to_string(n + 4) + ", NULLIF($" + std::to_string(n + 5) +
               ", ''))";
        values.insert(values.end(), {entry.name, entry.date, std::to_string(entry.score), randomKey(), std::move(key)});
    }
    const auto window = std::chrono::duration_cast<std::chrono::seconds>(kRepeatWindow).count();
    sql += ") AS v (name, date, score, post_key, post_digest) WHERE v.post_digest IS NULL OR NOT EXISTS"
           " (SELECT 1 FROM pelbixsolo_scores s WHERE s.post_digest = v.post_digest AND s.posted_at > now() - interval '" +
           std::to_string(window) + " seconds') ON CONFLICT (post_key) DO NOTHING";
    // Taken in one order by every server, so two never wait on each other.
    std::string locks;
    for (const std::string& key : keys)
        locks += (locks.empty() ? "" : ",") + std::to_string(lockNumber(key));
    bool commitSent = false;
    try {
        // COMMIT goes out only once the insert has answered: a backend that
        // stalls before that and wakes after we gave up finds the connection
        // closed and rolls back, rather than storing a post answered 503.
        withRetry([&](Lease& lease) {
            lease.run("BEGIN", {}, PGRES_COMMAND_OK);
            if (!locks.empty())
                lease.run("SELECT pg_advisory_xact_lock(k) FROM unnest($1::bigint[]) AS k ORDER BY k",
                          {"{" + locks + "}"}, PGRES_TUPLES_OK);
            lease.run(sql, values, PGRES_COMMAND_OK);
            commitSent = true;
            return lease.run("COMMIT", {}, PGRES_COMMAND_OK, Lease::Kind::Commit);
        });
    } catch (const StoreOutcomeUnknown&) {
        throw;
    } catch (const StoreError& error) {
        // A COMMIT whose connection broke may have committed, even when the
        // retry failed before its own.
        if (commitSent)
            throw StoreOutcomeUnknown(std::string(error.what()) + " after a COMMIT that may have committed");
        throw;
    }
}

std::vector<ScoreEntry> PostgresScoreStore::best(std::size_t limit)
{
    return withRetry([&](Lease& lease) {
        const Result result = lease.run("SELECT name, date, score FROM pelbixsolo_scores ORDER BY score DESC, id LIMIT $1",
                                        {std::to_string(limit)}, PGRES_TUPLES_OK);
        std::vector<ScoreEntry> rows;
        const int count = PQntuples(result.get());
        rows.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            ScoreEntry entry{PQgetvalue(result.get(), i, 0), PQgetvalue(result.get(), i, 1), 0};
            const char* score = PQgetvalue(result.get(), i, 2);
            std::from_chars(score, score + PQgetlength(result.get(), i, 2), entry.score);
            rows.push_back(std::move(entry));
        }
        return rows;
    });
}

std::int64_t PostgresScoreStore::count()
{
    return withRetry([](Lease& lease) {
        const Result result = lease.run("SELECT count(*) FROM pelbixsolo_scores", {}, PGRES_TUPLES_OK);
        std::int64_t value = 0;
        const char* text = PQgetvalue(result.get(), 0, 0);
        std::from_chars(text, text + PQgetlength(result.get(), 0, 0), value);
        return value;
    });
}
