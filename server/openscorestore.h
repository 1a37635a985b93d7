#pragma once
#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>

#include "server/scorestore.h"

// The SQLite file a server keeps in its data folder when no database is named.
inline constexpr const char* kSqliteFileName = "pelbixsolo-scores.sqlite3";

// Opens the store a --database value names: a postgresql:// or postgres://
// URI opens PostgreSQL, "sqlite:PATH" a SQLite file, and an empty value the
// SQLite file in dataFolder (created when missing). Throws StoreError.
[[nodiscard]] std::unique_ptr<ScoreStore> openScoreStore(const std::string& database,
                                                         const std::filesystem::path& dataFolder,
                                                         std::size_t connections);

// The database a --database value names, for the start-up line; never shows
// a password.
[[nodiscard]] std::string describeDatabase(const std::string& database, const std::filesystem::path& dataFolder);
