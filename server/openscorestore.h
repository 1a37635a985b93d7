// SPDX-License-Identifier: MIT
#pragma once
#include <chrono>
#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "server/scorestore.h"

// The SQLite file a server keeps in its data folder when no database is named.
inline constexpr const char* kSqliteFileName = "pelbixsolo-scores.sqlite3";

// Opens the store a --database value names: a postgresql:// or postgres://
// URI opens PostgreSQL, "sqlite:PATH" a SQLite file, and an empty value the
// SQLite file in dataFolder (created when missing). No database operation
// waits longer than timeout. Throws StoreError.
[[nodiscard]] std::unique_ptr<ScoreStore> openScoreStore(const std::string& database,
                                                         const std::filesystem::path& dataFolder,
                                                         std::size_t connections,
                                                         std::chrono::milliseconds timeout);

// Writes a consistent copy of the SQLite database a --database value and
// data folder name (as openScoreStore finds it) to target, while a server
// may be writing to it. Throws StoreError, also for PostgreSQL, whose own
// tools do this.
void backupScoreStore(const std::string& database, const std::filesystem::path& dataFolder,
                      const std::filesystem::path& target);

// Where the passwords in a postgresql:// URI lie (user:PASSWORD@ and
// password=PASSWORD in the query), as offset and length pairs, so the
// command line can be blanked before other users read it.
[[nodiscard]] std::vector<std::pair<std::size_t, std::size_t>> passwordSpans(std::string_view database);

// The database a --database value names, for the start-up line; never shows
// a password.
[[nodiscard]] std::string describeDatabase(const std::string& database, const std::filesystem::path& dataFolder);
