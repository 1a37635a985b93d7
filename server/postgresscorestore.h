// SPDX-License-Identifier: MIT
#pragma once
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <string>
#include <vector>

#include "server/scorestore.h"

struct pg_conn;

// Scores in a PostgreSQL table, so several server instances can share one
// database. Holds up to maxConnections connections, opened when first needed
// and handed to one operation at a time. Every operation, connecting
// included, ends within the time-out: a backend that does not answer is
// given up on, and a connection the server closed (a restart) is replaced
// and the operation tried once more. Each stored row carries a random key,
// so a repeated insert whose first answer was lost cannot store twice.
class PostgresScoreStore : public ScoreStore {
public:
    static constexpr std::chrono::milliseconds kDefaultTimeout{2000};

    // connection: a libpq connection URI such as postgresql://user@host/db;
    // the password, when the URI has none, comes from PGPASSWORD or the
    // password file as libpq finds it. Connects once and creates the table
    // when it is missing.
    PostgresScoreStore(std::string connection, std::size_t maxConnections,
                       std::chrono::milliseconds timeout = kDefaultTimeout);
    ~PostgresScoreStore() override;
    PostgresScoreStore(const PostgresScoreStore&) = delete;
    PostgresScoreStore& operator=(const PostgresScoreStore&) = delete;

    void addAll(const std::vector<ScoreEntry>& entries) override;
    [[nodiscard]] std::vector<ScoreEntry> best(std::size_t limit) override;
    [[nodiscard]] std::int64_t count() override;
    void interrupt() override;

private:
    class Lease;
    using Clock = std::chrono::steady_clock;

    template <typename Operation>
    auto withRetry(Operation operation);

    [[nodiscard]] pg_conn* acquire(Clock::time_point deadline);
    void release(pg_conn* connection, bool broken);
    [[nodiscard]] pg_conn* connect(Clock::time_point deadline) const;

    const std::string m_connection;
    const std::size_t m_maxConnections;
    const std::chrono::milliseconds m_timeout;
    std::atomic<bool> m_interrupted{false};
    std::mutex m_mutex;
    std::condition_variable m_returned;
    std::vector<pg_conn*> m_idle;
    std::size_t m_open = 0;
};
