// SPDX-License-Identifier: MIT
#pragma once
#include <string>
#include <vector>

#include "core/history/historygame.h"
#include "core/text/playertext.h"

struct sqlite3;

// The player's game history: one SQLite file, written a whole game per
// transaction. Two running copies share it (write-ahead log, a busy wait).
// A file that is not a sound history is set aside under a new name and a
// fresh one started; the caller gets the message to show. No call throws.
class HistoryStore {
public:
    static constexpr int kBusyMs = 5000;
    static constexpr int kVersion = 1;

    // A read-only store never creates, changes or sets aside the file.
    enum class Access { ReadWrite, ReadOnly };
    explicit HistoryStore(std::string path, Access access = Access::ReadWrite);
    ~HistoryStore();
    HistoryStore(const HistoryStore&) = delete;
    HistoryStore& operator=(const HistoryStore&) = delete;

    // Opens (and checks) the file; empty when all went well, else a message
    // for the player. Called again by record() and load() when needed.
    PlayerText open();
    // Stores the game in one transaction and sets its id; empty or a message.
    PlayerText record(HistoryGame& game);
    // Every game, oldest first; decisions only when asked for.
    [[nodiscard]] std::vector<HistoryGame> load(bool withDecisions, PlayerText* problem = nullptr);

    [[nodiscard]] const std::string& path() const { return m_path; }
    // Where the last damaged file went; empty when none was set aside.
    [[nodiscard]] const std::string& setAsidePath() const { return m_setAside; }

private:
    PlayerText openChecked();
    PlayerText setAside(const std::string& why);
    std::string insert(const HistoryGame& game, int64_t& id);
    void close();

    std::string m_path;
    std::string m_setAside;
    sqlite3* m_db = nullptr;
    bool m_readOnly;
    bool m_damaged = false; // what the last open found wrong is in the file itself
};

// The text forms of a decision's dice, as stored: six faces ("000000" to
// "666666") and six statuses (I, S, P, A, F); false when malformed.
[[nodiscard]] std::string diceText(const GameState& state);
[[nodiscard]] std::string statusText(const GameState& state);
[[nodiscard]] bool readDice(const std::string& faces, const std::string& statuses, GameState& state);
// Faces drawn as digits, and back; false when malformed.
[[nodiscard]] std::string drawnText(const std::vector<int>& faces);
[[nodiscard]] bool readDrawn(const std::string& text, std::vector<int>& faces);
[[nodiscard]] std::string tallyText(const DiceTally& tally);
[[nodiscard]] bool readTally(const std::string& text, DiceTally& tally);
