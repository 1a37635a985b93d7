// SPDX-License-Identifier: MIT
#include "core/history/historystore.h"

#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <utility>

#include "core/game/solver.h"

namespace {

// What the player is told; %1 is the file, %2 what SQLite or the check said.
constexpr const char* kCannotOpen = QT_TRANSLATE_NOOP("HistoryStore", "The game history %1 could not be opened: %2.");
constexpr const char* kCannotRead = QT_TRANSLATE_NOOP("HistoryStore", "The game history %1 could not be read: %2.");
constexpr const char* kDamaged = QT_TRANSLATE_NOOP("HistoryStore", "The game history %1 is damaged (%2).");
constexpr const char* kNewer = QT_TRANSLATE_NOOP(
    "HistoryStore", "The game history %1 was written by a newer version of the game; games are not recorded.");
constexpr const char* kNotAHistory = QT_TRANSLATE_NOOP("HistoryStore", "The game history %1 is damaged or not a game history.");
constexpr const char* kNotSetAside =
    QT_TRANSLATE_NOOP("HistoryStore", "The game history %1 is damaged (%2) and could not be set aside.");
constexpr const char* kSetAside = QT_TRANSLATE_NOOP(
    "HistoryStore", "The game history %1 was damaged (%2); it was kept as %3 and a new history was started.");
constexpr const char* kNotAdded = QT_TRANSLATE_NOOP("HistoryStore", "The game could not be added to the history %1: %2.");
constexpr const char* kGameSkipped = QT_TRANSLATE_NOOP("HistoryStore", "Game %1 of the history is damaged and was skipped.");
constexpr const char* kDecisionDamaged = QT_TRANSLATE_NOOP("HistoryStore", "A decision of game %1 is damaged.");

PlayerText told(const char* pattern, std::vector<std::string> args)
{
    return PlayerText("HistoryStore", pattern, std::move(args));
}

constexpr const char* kSchema =
    "CREATE TABLE IF NOT EXISTS games("
    " id INTEGER PRIMARY KEY, started TEXT NOT NULL, finished TEXT NOT NULL, name TEXT NOT NULL,"
    " score INTEGER NOT NULL, rounds INTEGER NOT NULL, abandoned INTEGER NOT NULL, hints INTEGER NOT NULL,"
    " faces TEXT NOT NULL, expected REAL, given_away REAL, luck REAL, rolls TEXT NOT NULL, busts TEXT NOT NULL);"
    "CREATE TABLE IF NOT EXISTS decisions("
    " game INTEGER NOT NULL, seq INTEGER NOT NULL, round INTEGER NOT NULL, committed INTEGER NOT NULL,"
    " total INTEGER NOT NULL, onboard INTEGER NOT NULL, opening INTEGER NOT NULL, dice TEXT NOT NULL,"
    " status TEXT NOT NULL, move TEXT NOT NULL, hinted INTEGER NOT NULL, PRIMARY KEY(game, seq)) WITHOUT ROWID;";

constexpr const char kStatusLetters[] = "ISPAF"; // in DieStatus order

// A prepared statement that finalizes itself.
class Statement {
public:
    Statement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr); }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    [[nodiscard]] bool ok() const { return m_stmt != nullptr; }
    sqlite3_stmt* operator*() const { return m_stmt; }
    void text(int i, const std::string& s) { sqlite3_bind_text(m_stmt, i, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT); }
    void integer(int i, int64_t v) { sqlite3_bind_int64(m_stmt, i, v); }
    void real(int i, const std::optional<double>& v)
    {
        if (v)
            sqlite3_bind_double(m_stmt, i, *v);
        else
            sqlite3_bind_null(m_stmt, i);
    }
    [[nodiscard]] std::string column(int i) const
    {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, i));
        return p ? std::string(p, static_cast<std::size_t>(sqlite3_column_bytes(m_stmt, i))) : std::string();
    }

private:
    sqlite3_stmt* m_stmt = nullptr;
};

bool damaging(int code)
{
    const int primary = code & 0xff;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

std::string stamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    gmtime_r(&now, &tm);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y%m%d-%H%M%S", &tm);
    return buf;
}

std::optional<double> optionalOf(const std::optional<HistorySkill>& s, double HistorySkill::*field)
{
    if (!s)
        return std::nullopt;
    return (*s).*field;
}

} // namespace

std::string historyNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    gmtime_r(&now, &tm);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y-%m-%dT%H:%M:%SZ", &tm);
    return buf;
}

std::string diceText(const GameState& state)
{
    std::string s;
    for (const Die& d : state.dice)
        s += static_cast<char>('0' + d.value);
    return s;
}

std::string statusText(const GameState& state)
{
    std::string s;
    for (const Die& d : state.dice)
        s += kStatusLetters[static_cast<int>(d.status)];
    return s;
}

bool readDice(const std::string& faces, const std::string& statuses, GameState& state)
{
    if (faces.size() != kDice || statuses.size() != kDice)
        return false;
    for (std::size_t i = 0; i < kDice; ++i) {
        if (faces[i] < '0' || faces[i] > '6')
            return false;
        const std::string_view letters(kStatusLetters);
        const auto at = letters.find(statuses[i]);
        if (at == std::string_view::npos || statuses[i] == '\0')
            return false;
        state.dice[i].value = faces[i] - '0';
        state.dice[i].status = static_cast<DieStatus>(at);
    }
    return true;
}

std::string drawnText(const std::vector<int>& faces)
{
    std::string s;
    s.reserve(faces.size());
    for (const int f : faces)
        s += static_cast<char>('0' + f);
    return s;
}

bool readDrawn(const std::string& text, std::vector<int>& faces)
{
    faces.clear();
    faces.reserve(text.size());
    for (const char c : text) {
        if (c < '1' || c > '6')
            return false;
        faces.push_back(c - '0');
    }
    return true;
}

std::string tallyText(const DiceTally& tally)
{
    std::string s;
    for (int n = 1; n <= kDice; ++n)
        s += (n > 1 ? " " : "") + std::to_string(tally[static_cast<std::size_t>(n)]);
    return s;
}

bool readTally(const std::string& text, DiceTally& tally)
{
    tally = {};
    std::size_t pos = 0;
    for (int n = 1; n <= kDice; ++n) {
        if (n > 1) {
            if (pos >= text.size() || text[pos] != ' ')
                return false;
            ++pos;
        }
        long value = 0;
        const std::size_t start = pos;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && pos - start < 9)
            value = value * 10 + (text[pos++] - '0');
        if (pos == start)
            return false;
        tally[static_cast<std::size_t>(n)] = static_cast<int>(value);
    }
    return pos == text.size();
}

HistoryStore::HistoryStore(std::string path, Access access)
    : m_path(std::move(path)), m_readOnly(access == Access::ReadOnly)
{
}

HistoryStore::~HistoryStore() { close(); }

void HistoryStore::close()
{
    if (m_db)
        sqlite3_close_v2(m_db);
    m_db = nullptr;
}

PlayerText HistoryStore::open()
{
    if (m_db)
        return {};
    const PlayerText problem = openChecked();
    if (problem.empty() || !m_damaged || m_readOnly)
        return problem; // busy, locked, unreadable, newer: the file stays as it is
    // The file itself is damaged: keep it for the player, start afresh.
    PlayerText message = setAside(problem.english());
    message += openChecked();
    return message;
}

PlayerText HistoryStore::openChecked()
{
    close();
    m_damaged = false;
    int rc = sqlite3_open_v2(m_path.c_str(), &m_db,
                             m_readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK) {
        const std::string why = m_db ? sqlite3_errmsg(m_db) : "out of memory";
        close();
        return told(kCannotOpen, {m_path, why});
    }
    sqlite3_busy_timeout(m_db, kBusyMs);
    sqlite3_exec(m_db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
    // With the write-ahead log a commit survives the program's crash
    // without a sync of its own; only a power cut can lose the last games,
    // never the file. A sync per game would cost more than the recording.
    sqlite3_exec(m_db, "PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr);
    // A cheap look at every page's structure: a damaged file fails here,
    // not halfway through a player's game.
    {
        Statement check(m_db, "PRAGMA quick_check(1)");
        rc = check.ok() ? sqlite3_step(*check) : sqlite3_errcode(m_db);
        const std::string verdict = rc == SQLITE_ROW ? check.column(0) : std::string(sqlite3_errstr(rc));
        if (rc != SQLITE_ROW && !damaging(rc)) {
            close();
            return told(kCannotRead, {m_path, verdict});
        }
        if (verdict != "ok") {
            close();
            m_damaged = true;
            return m_readOnly ? told(kDamaged, {m_path, verdict}) : PlayerText::verbatim(verdict);
        }
    }
    int version = 0;
    {
        Statement v(m_db, "PRAGMA user_version");
        if (v.ok() && sqlite3_step(*v) == SQLITE_ROW)
            version = sqlite3_column_int(*v, 0);
    }
    if (version > kVersion) {
        close();
        return told(kNewer, {m_path});
    }
    char* err = nullptr;
    rc = m_readOnly ? SQLITE_OK : sqlite3_exec(m_db, (std::string(kSchema) + "PRAGMA user_version=" + std::to_string(kVersion)).c_str(),
                      nullptr, nullptr, &err);
    const std::string why = err ? err : "";
    sqlite3_free(err);
    if (rc != SQLITE_OK) {
        close();
        m_damaged = damaging(rc);
        return m_damaged ? PlayerText::verbatim(why) : told(kCannotOpen, {m_path, why});
    }
    // A file of ours has exactly these columns; a foreign database with
    // tables of the same names is not a history.
    Statement probe(m_db, "SELECT id, started, finished, name, score, rounds, abandoned, hints, faces, expected,"
                          " given_away, luck, rolls, busts FROM games LIMIT 0");
    Statement probe2(m_db, "SELECT game, seq, round, committed, total, onboard, opening, dice, status, move, hinted"
                           " FROM decisions LIMIT 0");
    if (!probe.ok() || !probe2.ok()) {
        close();
        m_damaged = true;
        return m_readOnly ? told(kNotAHistory, {m_path}) : PlayerText::verbatim("not a game history");
    }
    return {};
}

PlayerText HistoryStore::setAside(const std::string& why)
{
    close();
    std::string target = m_path + ".damaged-" + stamp();
    for (int n = 2; std::FILE* f = std::fopen(target.c_str(), "r"); ++n) {
        std::fclose(f);
        target = m_path + ".damaged-" + stamp() + "-" + std::to_string(n);
    }
    if (std::rename(m_path.c_str(), target.c_str()) != 0)
        return told(kNotSetAside, {m_path, why});
    for (const char* suffix : {"-wal", "-shm"})
        std::rename((m_path + suffix).c_str(), (target + suffix).c_str());
    m_setAside = target;
    return told(kSetAside, {m_path, why, target});
}

std::string HistoryStore::insert(const HistoryGame& g, int64_t& id)
{
    if (sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
        return sqlite3_errmsg(m_db);
    auto fail = [&](int rc) {
        const std::string why = sqlite3_errstr(rc);
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        return why.empty() ? std::string("error") : why;
    };
    Statement game(m_db, "INSERT INTO games(started, finished, name, score, rounds, abandoned, hints, faces,"
                         " expected, given_away, luck, rolls, busts) VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?)");
    if (!game.ok())
        return fail(sqlite3_errcode(m_db));
    game.text(1, g.started);
    game.text(2, g.finished);
    game.text(3, g.name);
    game.integer(4, g.score);
    game.integer(5, g.rounds);
    game.integer(6, g.abandoned ? 1 : 0);
    game.integer(7, g.hints);
    game.text(8, drawnText(g.faces));
    game.real(9, optionalOf(g.skill, &HistorySkill::expected));
    game.real(10, optionalOf(g.skill, &HistorySkill::givenAway));
    game.real(11, optionalOf(g.skill, &HistorySkill::luck));
    game.text(12, tallyText(g.rolls));
    game.text(13, tallyText(g.busts));
    if (const int rc = sqlite3_step(*game); rc != SQLITE_DONE)
        return fail(rc);
    id = sqlite3_last_insert_rowid(m_db);
    Statement move(m_db, "INSERT INTO decisions VALUES(?,?,?,?,?,?,?,?,?,?,?)");
    if (!move.ok())
        return fail(sqlite3_errcode(m_db));
    for (std::size_t i = 0; i < g.decisions.size(); ++i) {
        const HistoryDecision& d = g.decisions[i];
        sqlite3_reset(*move);
        move.integer(1, id);
        move.integer(2, static_cast<int64_t>(i));
        move.integer(3, d.before.round);
        move.integer(4, d.before.roundTotal);
        move.integer(5, d.before.gameTotal);
        move.integer(6, d.before.onBoard ? 1 : 0);
        move.integer(7, d.before.firstRoll ? 1 : 0);
        move.text(8, diceText(d.before));
        move.text(9, statusText(d.before));
        move.text(10, d.move == PlayerMove::Bank ? "B" : "R");
        move.integer(11, d.hinted ? 1 : 0);
        if (const int rc = sqlite3_step(*move); rc != SQLITE_DONE)
            return fail(rc);
    }
    if (const int rc = sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr); rc != SQLITE_OK)
        return fail(rc);
    return {};
}

PlayerText HistoryStore::record(HistoryGame& game)
{
    PlayerText message = open();
    if (!m_db)
        return message;
    int64_t id = 0;
    std::string why = insert(game, id);
    if (why.empty()) {
        game.id = id;
        return message;
    }
    // Damage found only now: set the file aside and keep this game in a new one.
    if (why == sqlite3_errstr(SQLITE_CORRUPT) || why == sqlite3_errstr(SQLITE_NOTADB)) {
        message = setAside(why);
        if (const PlayerText again = openChecked(); !again.empty()) {
            message += again;
            return message;
        }
        why = insert(game, id);
        if (why.empty()) {
            game.id = id;
            return message;
        }
    }
    message += told(kNotAdded, {m_path, why});
    return message;
}

std::vector<HistoryGame> HistoryStore::load(bool withDecisions, PlayerText* problem)
{
    std::vector<HistoryGame> games;
    PlayerText message = open();
    if (!m_db) {
        if (problem)
            *problem = message;
        return games;
    }
    auto note = [&](const PlayerText& m) { message += m; };
    sqlite3_exec(m_db, "BEGIN", nullptr, nullptr, nullptr); // one snapshot for both tables
    {
        Statement q(m_db, "SELECT id, started, finished, name, score, rounds, abandoned, hints, faces, expected,"
                          " given_away, luck, rolls, busts FROM games ORDER BY id");
        int rc = SQLITE_DONE;
        while (q.ok() && (rc = sqlite3_step(*q)) == SQLITE_ROW) {
            HistoryGame g;
            g.id = sqlite3_column_int64(*q, 0);
            g.started = q.column(1);
            g.finished = q.column(2);
            g.name = q.column(3);
            g.score = sqlite3_column_int(*q, 4);
            g.rounds = sqlite3_column_int(*q, 5);
            g.abandoned = sqlite3_column_int(*q, 6) != 0;
            g.hints = sqlite3_column_int(*q, 7);
            bool sound = !withDecisions || readDrawn(q.column(8), g.faces);
            if (sqlite3_column_type(*q, 9) != SQLITE_NULL)
                g.skill = HistorySkill{sqlite3_column_double(*q, 9), sqlite3_column_double(*q, 10),
                                       sqlite3_column_double(*q, 11)};
            sound = readTally(q.column(12), g.rolls) && readTally(q.column(13), g.busts) && sound;
            if (!sound) {
                note(told(kGameSkipped, {std::to_string(g.id)}));
                continue;
            }
            games.push_back(std::move(g));
        }
        if (rc != SQLITE_DONE)
            note(told(kCannotRead, {m_path, sqlite3_errstr(rc)}));
    }
    if (withDecisions && !games.empty()) {
        Statement q(m_db, "SELECT game, round, committed, total, onboard, opening, dice, status, move, hinted"
                          " FROM decisions ORDER BY game, seq");
        std::size_t at = 0;
        int rc = SQLITE_DONE;
        while (q.ok() && (rc = sqlite3_step(*q)) == SQLITE_ROW) {
            const int64_t id = sqlite3_column_int64(*q, 0);
            while (at < games.size() && games[at].id < id)
                ++at;
            if (at == games.size())
                break;
            if (games[at].id != id)
                continue;
            HistoryDecision d;
            d.before.round = sqlite3_column_int(*q, 1);
            d.before.roundTotal = sqlite3_column_int(*q, 2);
            d.before.gameTotal = sqlite3_column_int(*q, 3);
            d.before.onBoard = sqlite3_column_int(*q, 4) != 0;
            d.before.firstRoll = sqlite3_column_int(*q, 5) != 0;
            d.before.canPlay = true;
            const std::string move = q.column(8);
            d.move = move == "B" ? PlayerMove::Bank : PlayerMove::Roll;
            d.hinted = sqlite3_column_int(*q, 9) != 0;
            const bool possible = d.before.round >= 1 && d.before.round <= kRounds && d.before.roundTotal >= 0 &&
                                  d.before.gameTotal >= 0 && d.before.roundTotal % Solver::kStep == 0 &&
                                  d.before.gameTotal % Solver::kStep == 0;
            if (!possible || !readDice(q.column(6), q.column(7), d.before) || (move != "B" && move != "R")) {
                note(told(kDecisionDamaged, {std::to_string(id)}));
                continue;
            }
            games[at].decisions.push_back(d);
        }
        if (rc != SQLITE_DONE && rc != SQLITE_ROW)
            note(told(kCannotRead, {m_path, sqlite3_errstr(rc)}));
    }
    sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr);
    if (problem)
        *problem = message;
    return games;
}
