#pragma once
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <string>
#include <vector>

#include "server/scorestore.h"

struct pg_conn;

// Scores in a PostgreSQL table, so several server instances can share one
// database. Holds up to maxConnections connections, opened when first needed
// and handed to one request at a time; a connection found broken is closed
// and replaced on the next use.
class PostgresScoreStore : public ScoreStore {
public:
    // connection: a libpq connection URI such as postgresql://user@host/db.
    // Connects once and creates the table when it is missing.
    PostgresScoreStore(std::string connection, std::size_t maxConnections);
    ~PostgresScoreStore() override;
    PostgresScoreStore(const PostgresScoreStore&) = delete;
    PostgresScoreStore& operator=(const PostgresScoreStore&) = delete;

    void add(const ScoreEntry& entry) override;
    [[nodiscard]] std::vector<ScoreEntry> best(std::size_t limit) override;
    [[nodiscard]] std::int64_t count() override;

private:
    class Lease;

    template <typename Read>
    auto readTwice(Read read);

    [[nodiscard]] pg_conn* acquire();
    void release(pg_conn* connection);
    [[nodiscard]] pg_conn* connect() const;

    const std::string m_connection;
    const std::size_t m_maxConnections;
    std::mutex m_mutex;
    std::condition_variable m_returned;
    std::vector<pg_conn*> m_idle;
    std::size_t m_open = 0;
};
