// SPDX-License-Identifier: MIT
#include "server/sqlitescorestore.h"

#include <fstream>
#include <sqlite3.h>
#include <unistd.h>

#include "scorestoresuite.h"
#include "server/storeerror.h"

namespace {
// A second connection, as another program (or a backup) would open.
class Database {
public:
    explicit Database(const std::filesystem::path& file) { sqlite3_open(file.c_str(), &m_db); }
    ~Database() { sqlite3_close(m_db); }
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // The first column of the first row, or the error text.
    [[nodiscard]] std::string value(const char* sql) const
    {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr) != SQLITE_OK)
            return sqlite3_errmsg(m_db);
        std::string text;
        if (sqlite3_step(statement) == SQLITE_ROW && sqlite3_column_text(statement, 0) != nullptr)
            text = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
        sqlite3_finalize(statement);
        return text;
    }

private:
    sqlite3* m_db = nullptr;
};

std::string errorOf(const std::function<void()>& operation)
{
    try {
        operation();
    } catch (const StoreError& error) {
        return error.what();
    }
    return {};
}
} // namespace

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
    EXPECT_EQ(Database(file).value("PRAGMA journal_mode"), "wal");
}

// A clean stop (interrupt, as the server does, then close) left every score
// in the -wal file: a copy of the database file alone held no table.
TEST(SqliteScoreStore, StoppedDatabaseFileAloneHoldsEveryScore)
{
    TempFolder folder;
    const auto file = folder.path() / "s.sqlite3";
    {
        SqliteScoreStore store(file);
        store.addAll({{"Ann", "3/7/26", 850}, {"Bob", "3/7/26", 900}});
        store.interrupt();
        store.checkpoint();
    }
    const auto copy = folder.path() / "copy.sqlite3";
    std::filesystem::copy_file(file, copy);
    EXPECT_FALSE(std::filesystem::exists(file.string() + "-wal"));
    EXPECT_EQ(Database(copy).value("SELECT group_concat(name) FROM pelbixsolo_scores"), "Ann,Bob");
}

TEST(SqliteScoreStore, BackupWhileOpenHoldsWhatTheLogHolds)
{
    TempFolder folder;
    const auto file = folder.path() / "s.sqlite3";
    SqliteScoreStore store(file);
    store.addAll({{"Ann", "3/7/26", 850}, {"Bob", "3/7/26", 900}});
    const auto copy = folder.path() / "backup.sqlite3";
    std::ofstream(copy) << "an older backup";
    backupSqliteDatabase(file, copy);
    EXPECT_EQ(Database(copy).value("SELECT group_concat(name) FROM pelbixsolo_scores"), "Ann,Bob");
    EXPECT_EQ(Database(copy).value("PRAGMA integrity_check"), "ok");
    EXPECT_FALSE(std::filesystem::exists(copy.string() + ".part"));
    EXPECT_NE(errorOf([&] { backupSqliteDatabase(folder.path() / "none.sqlite3", copy); }), "");
    // A backup over the live file would put a snapshot in its place.
    EXPECT_NE(errorOf([&] { backupSqliteDatabase(file, folder.path() / "." / "s.sqlite3"); }).find("database itself"),
              std::string::npos);
    store.add({"Cy", "3/7/26", 50});
    EXPECT_EQ(store.count(), 3);
}

// Posts went on getting 200 into a deleted or replaced file, and vanished
// at the next start. Once noticed, posts are refused until a restart, even
// if a good file appears again.
TEST(SqliteScoreStore, DeletedOrReplacedFileRefusesPostsForGood)
{
    const struct {
        const char* what;
        void (*mishap)(const std::filesystem::path& file);
        const char* reason;
    } cases[] = {
        {"data folder deleted", [](const auto& file) { std::filesystem::remove_all(file.parent_path()); }, "deleted"},
        {"file replaced",
         [](const auto& file) {
             SqliteScoreStore(file.parent_path() / "other.sqlite3").add({"Other", "3/7/26", 50});
             std::filesystem::rename(file.parent_path() / "other.sqlite3", file);
         },
         "in the database file's place"},
        {"log deleted", [](const auto& file) { std::filesystem::remove(file.string() + "-wal"); }, "-wal"},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        const auto file = folder.path() / "data" / "s.sqlite3";
        std::filesystem::create_directories(file.parent_path());
        SqliteScoreStore store(file);
        store.add({"Before", "3/7/26", 50});
        c.mishap(file);
        const std::string refused = errorOf([&] { store.add({"After", "3/7/26", 50}); });
        EXPECT_NE(refused.find(c.reason), std::string::npos) << c.what << ": " << refused;
        EXPECT_NE(refused.find("restart"), std::string::npos) << c.what << ": " << refused;
        std::filesystem::create_directories(file.parent_path());
        SqliteScoreStore(folder.path() / "data" / "fresh.sqlite3").add({"Fresh", "3/7/26", 50});
        std::filesystem::rename(folder.path() / "data" / "fresh.sqlite3", file);
        EXPECT_NE(errorOf([&] { store.add({"Later", "3/7/26", 50}); }), "") << c.what;
    }
}

TEST(SqliteScoreStore, RepeatAfterAnHourIsANewPost)
{
    TempFolder folder;
    const auto file = folder.path() / "s.sqlite3";
    SqliteScoreStore store(file);
    const ScoreEntry post{"Ann", "3/7/26", 850, "192.0.2.1"};
    store.add(post);
    (void)Database(file).value("UPDATE pelbixsolo_scores SET posted_at = strftime('%Y-%m-%dT%H:%M:%fZ', 'now', '-3601 seconds')");
    store.add(post);
    store.add(post);
    EXPECT_EQ(store.count(), 2);
}

TEST(SqliteScoreStore, ReadOnlyFileIsRefusedAtStart)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes to read-only files";
    TempFolder folder;
    const auto file = folder.path() / "s.sqlite3";
    SqliteScoreStore(file).add({"Ann", "3/7/26", 850});
    std::filesystem::permissions(file, std::filesystem::perms::owner_read);
    EXPECT_NE(errorOf([&] { SqliteScoreStore store(file); }).find("read-only"), std::string::npos);
}

TEST(SqliteScoreStore, FileThatIsNotADatabaseIsAnError)
{
    TempFolder folder;
    const auto file = folder.path() / "s.sqlite3";
    std::ofstream(file) << std::string(4096, 'x');
    EXPECT_THROW(SqliteScoreStore store(file), StoreError);
    EXPECT_THROW(SqliteScoreStore store(folder.path() / "missing-folder" / "s.sqlite3"), StoreError);
}
