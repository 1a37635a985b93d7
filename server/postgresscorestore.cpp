#include "server/postgresscorestore.h"

#include <algorithm>
#include <charconv>
#include <libpq-fe.h>
#include <memory>

#include "server/storeerror.h"

namespace {
// Instances starting together would race on CREATE TABLE IF NOT EXISTS; an
// advisory lock (any fixed number) makes them take turns.
constexpr const char* kSchema =
    "BEGIN;"
    "SELECT pg_advisory_xact_lock(7315013);"
    "CREATE TABLE IF NOT EXISTS pelbixsolo_scores ("
    " id BIGINT GENERATED ALWAYS AS IDENTITY PRIMARY KEY,"
    " name TEXT NOT NULL,"
    " date TEXT NOT NULL,"
    " score INTEGER NOT NULL,"
    " posted_at TIMESTAMPTZ NOT NULL DEFAULT now());"
    "CREATE INDEX IF NOT EXISTS pelbixsolo_scores_rank ON pelbixsolo_scores (score DESC, id);"
    "COMMIT;";

struct ResultDeleter {
    void operator()(PGresult* result) const { PQclear(result); }
};
using Result = std::unique_ptr<PGresult, ResultDeleter>;

std::string errorText(PGconn* connection)
{
    std::string text = PQerrorMessage(connection);
    while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    return text;
}
} // namespace

// A connection borrowed from the pool for one operation. Broken connections
// are not given back but closed, so the pool opens a fresh one.
class PostgresScoreStore::Lease {
public:
    explicit Lease(PostgresScoreStore& store) : m_store(store), m_connection(store.acquire()) {}
    ~Lease() { m_store.release(m_connection); }
    Lease(const Lease&) = delete;
    Lease& operator=(const Lease&) = delete;

    // Runs a statement with text parameters and checks its status.
    Result run(const char* sql, const std::vector<std::string>& values, ExecStatusType expected)
    {
        std::vector<const char*> pointers;
        for (const auto& v : values)
            pointers.push_back(v.c_str());
        Result result(PQexecParams(m_connection, sql, static_cast<int>(pointers.size()), nullptr,
                                   pointers.data(), nullptr, nullptr, 0));
        if (!result || PQresultStatus(result.get()) != expected)
            throw StoreError("PostgreSQL: " + errorText(m_connection));
        return result;
    }

private:
    PostgresScoreStore& m_store;
    PGconn* m_connection;
};

// A connection idle while the database restarted fails on its first use;
// reading once more goes through a fresh one. Writes are not repeated: a
// post whose answer was lost may have been stored, and must not be twice.
template <typename Read>
auto PostgresScoreStore::readTwice(Read read)
{
    try {
        Lease lease(*this);
        return read(lease);
    } catch (const StoreError&) {
        Lease lease(*this);
        return read(lease);
    }
}

PostgresScoreStore::PostgresScoreStore(std::string connection, std::size_t maxConnections)
    : m_connection(std::move(connection)), m_maxConnections(std::max<std::size_t>(maxConnections, 1))
{
    PGconn* first = connect();
    Result result(PQexec(first, kSchema));
    if (!result || PQresultStatus(result.get()) != PGRES_COMMAND_OK) {
        const std::string message = errorText(first);
        PQfinish(first);
        throw StoreError("PostgreSQL: cannot set up the score table: " + message);
    }
    m_idle.push_back(first);
    m_open = 1;
}

PostgresScoreStore::~PostgresScoreStore()
{
    for (PGconn* connection : m_idle)
        PQfinish(connection);
}

PGconn* PostgresScoreStore::connect() const
{
    PGconn* connection = PQconnectdb(m_connection.c_str());
    if (PQstatus(connection) != CONNECTION_OK) {
        const std::string message = errorText(connection);
        PQfinish(connection);
        throw StoreError("PostgreSQL: cannot connect: " + message);
    }
    return connection;
}

PGconn* PostgresScoreStore::acquire()
{
    std::unique_lock lock(m_mutex);
    m_returned.wait(lock, [this] { return !m_idle.empty() || m_open < m_maxConnections; });
    if (!m_idle.empty()) {
        PGconn* connection = m_idle.back();
        m_idle.pop_back();
        if (PQstatus(connection) == CONNECTION_OK)
            return connection;
        PQfinish(connection);
        --m_open;
    }
    ++m_open;
    lock.unlock();
    try {
        return connect();
    } catch (...) {
        lock.lock();
        --m_open;
        m_returned.notify_one();
        throw;
    }
}

void PostgresScoreStore::release(PGconn* connection)
{
    const std::lock_guard lock(m_mutex);
    if (PQstatus(connection) == CONNECTION_OK) {
        m_idle.push_back(connection);
    } else {
        PQfinish(connection);
        --m_open;
    }
    m_returned.notify_one();
}

void PostgresScoreStore::add(const ScoreEntry& entry)
{
    Lease lease(*this);
    lease.run("INSERT INTO pelbixsolo_scores (name, date, score) VALUES ($1, $2, $3)",
              {entry.name, entry.date, std::to_string(entry.score)}, PGRES_COMMAND_OK);
}

std::vector<ScoreEntry> PostgresScoreStore::best(std::size_t limit)
{
    return readTwice([&](Lease& lease) {
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
    return readTwice([](Lease& lease) {
        const Result result = lease.run("SELECT count(*) FROM pelbixsolo_scores", {}, PGRES_TUPLES_OK);
        std::int64_t value = 0;
        const char* text = PQgetvalue(result.get(), 0, 0);
        std::from_chars(text, text + PQgetlength(result.get(), 0, 0), value);
        return value;
    });
}
