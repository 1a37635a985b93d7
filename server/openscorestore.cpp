// SPDX-License-Identifier: MIT
#include "server/openscorestore.h"

#include <algorithm>
#include <system_error>

#include "server/postgresscorestore.h"
#include "server/sqlitescorestore.h"
#include "server/storeerror.h"

namespace {
bool startsWith(const std::string& text, std::string_view prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool isPostgres(const std::string& database)
{
    return startsWith(database, "postgresql://") || startsWith(database, "postgres://");
}

std::filesystem::path sqlitePath(const std::string& database, const std::filesystem::path& dataFolder)
{
    if (database.empty())
        return dataFolder / kSqliteFileName;
    return database.substr(std::string_view("sqlite:").size());
}
} // namespace

std::unique_ptr<ScoreStore> openScoreStore(const std::string& database, const std::filesystem::path& dataFolder,
                                           std::size_t connections, std::chrono::milliseconds timeout)
{
    if (isPostgres(database))
        return std::make_unique<PostgresScoreStore>(database, connections, timeout);
    if (!database.empty() && !startsWith(database, "sqlite:"))
        throw StoreError("unknown database \"" + database + "\": give a postgresql:// URI or sqlite:PATH");
    const std::filesystem::path file = sqlitePath(database, dataFolder);
    if (database.empty()) {
        std::error_code error;
        std::filesystem::create_directories(dataFolder, error);
        if (error)
            throw StoreError("cannot create the data folder " + dataFolder.string() + ": " + error.message());
    }
    return std::make_unique<SqliteScoreStore>(file, timeout);
}

void backupScoreStore(const std::string& database, const std::filesystem::path& dataFolder,
                      const std::filesystem::path& target)
{
    if (isPostgres(database))
        throw StoreError("backup copies a SQLite database; for PostgreSQL use pg_dump");
    if (!database.empty() && !startsWith(database, "sqlite:"))
        throw StoreError("unknown database \"" + database + "\": give a postgresql:// URI or sqlite:PATH");
    backupSqliteDatabase(sqlitePath(database, dataFolder), target);
}

std::vector<std::pair<std::size_t, std::size_t>> passwordSpans(std::string_view database)
{
    std::vector<std::pair<std::size_t, std::size_t>> spans;
    if (!isPostgres(std::string(database)))
        return spans;
    const std::size_t authority = database.find("://") + 3;
    const std::size_t authorityEnd = std::min(database.find_first_of("/?", authority), database.size());
    const std::size_t at = database.rfind('@', authorityEnd);
    if (at != std::string_view::npos && at >= authority) {
        const std::size_t colon = database.find(':', authority);
        if (colon < at)
            spans.emplace_back(colon + 1, at - colon - 1);
    }
    const std::size_t query = database.find('?');
    for (std::size_t pos = query; pos != std::string_view::npos && pos < database.size(); pos = database.find('&', pos)) {
        ++pos;
        constexpr std::string_view kKey = "password=";
        if (database.substr(pos, kKey.size()) == kKey) {
            const std::size_t start = pos + kKey.size();
            spans.emplace_back(start, std::min(database.find('&', start), database.size()) - start);
        }
    }
    return spans;
}

std::string describeDatabase(const std::string& database, const std::filesystem::path& dataFolder)
{
    if (isPostgres(database)) {
        std::string shown = database;
        const auto spans = passwordSpans(database);
        for (auto span = spans.rbegin(); span != spans.rend(); ++span)
            shown.replace(span->first, span->second, "***");
        return "PostgreSQL " + shown;
    }
    return "SQLite " + sqlitePath(database, dataFolder).string();
}
