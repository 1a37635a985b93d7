// SPDX-License-Identifier: MIT
#include "server/sqlitescorestore.h"

#include <fstream>
#include <sqlite3.h>

#include "scorestoresuite.h"
#include "server/storeerror.h"

INSTANTIATE_TEST_SUITE_P(Sqlite, ScoreStoreSuite,
                         testing::Values(StoreKind{"SQLite",
                                                   [](const std::filesystem::path& folder) {
                                                       return std::make_unique<SqliteScoreStore>(folder / "s.sqlite3");
                                                   },
                                                   {}}),
                         storeKindName);

TEST(SqliteScoreStore, UsesWriteAheadLogging)
{
    TempFolder folder;
    const auto file = folder.path() / "s.sqlite3";
    SqliteScoreStore store(file);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "PRAGMA journal_mode", -1, &statement, nullptr);
    ASSERT_EQ(sqlite3_step(statement), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)), "wal");
    sqlite3_finalize(statement);
    sqlite3_close(db);
}

TEST(SqliteScoreStore, FileThatIsNotADatabaseIsAnError)
{
    TempFolder folder;
    const auto file = folder.path() / "s.sqlite3";
    std::ofstream(file) << std::string(4096, 'x');
    EXPECT_THROW(SqliteScoreStore store(file), StoreError);
    EXPECT_THROW(SqliteScoreStore store(folder.path() / "missing-folder" / "s.sqlite3"), StoreError);
}
