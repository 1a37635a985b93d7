#include "server/openscorestore.h"

#include <regex>
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
                                           std::size_t connections)
{
    if (isPostgres(database))
        return std::make_unique<PostgresScoreStore>(database, connections);
    if (!database.empty() && !startsWith(database, "sqlite:"))
        throw StoreError("unknown database \"" + database + "\": give a postgresql:// URI or sqlite:PATH");
    const std::filesystem::path file = sqlitePath(database, dataFolder);
    if (database.empty()) {
        std::error_code error;
        std::filesystem::create_directories(dataFolder, error);
        if (error)
            throw StoreError("cannot create the data folder " + dataFolder.string() + ": " + error.message());
    }
    return std::make_unique<SqliteScoreStore>(file);
}

std::string describeDatabase(const std::string& database, const std::filesystem::path& dataFolder)
{
    if (isPostgres(database)) {
        // user:password@ becomes user@
        static const std::regex password(R"(^(postgres(ql)?://[^:@/]*):[^@/]*@)");
        return "PostgreSQL " + std::regex_replace(database, password, "$1@");
    }
    return "SQLite " + sqlitePath(database, dataFolder).string();
}
