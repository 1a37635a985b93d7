// SPDX-License-Identifier: MIT
#pragma once
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/tally/tallyfile.h"
#include "core/tally/tallytable.h"

// One running copy's tally: the table it shows and what it changed since it
// last read or wrote the file. Two copies may run at once, so a save reads
// the file again and applies this copy's changes to what is there, instead
// of writing back a table that may miss the other copy's games.
class Tally {
public:
    explicit Tally(std::filesystem::path file);

    // Reads the file (TallyFile::load); the returned table is what now shows.
    TallyFile::Loaded load();

    // Adds this copy's changes to the file as it is now and replaces it
    // atomically; afterwards the table shows the merged tally. Throws
    // FileError (or CompressorError) with the file untouched and the
    // changes still pending.
    void save();

    // Reports from the game, and RESET TALLY: the same rules as the table's.
    void increment(int column);
    void addTo(int column, int32_t amount);
    void keepHighest(int column, int32_t value);
    bool enterGame(int32_t score, const std::string& name, const std::string& date);
    void reset();

    [[nodiscard]] const TallyTable& table() const { return m_table; }
    [[nodiscard]] const std::filesystem::path& file() const { return m_file; }

private:
    struct Game {
        int32_t score;
        std::string name;
        std::string date;
    };
    // The ten best of this copy's own games can make the merged ten best;
    // the newest is kept as well, since it decides the highlight.
    static constexpr std::size_t kKeptGames = TallyTable::kPlaces + 1;

    [[nodiscard]] TallyTable fileForMerge() const;
    [[nodiscard]] TallyTable othersSinceBase(const TallyTable& onDisk) const;
    void applyOwnChanges(TallyTable& table) const;
    void forgetChanges();

    std::filesystem::path m_file;
    TallyTable m_table; // what this copy shows
    TallyTable m_base;  // the file as this copy last read or wrote it
    bool m_reset = false;
    std::array<int64_t, TallyTable::kColumns> m_counted{};
    std::array<std::optional<int64_t>, TallyTable::kColumns> m_scored{};
    std::array<std::optional<int32_t>, TallyTable::kColumns> m_highest{};
    std::vector<Game> m_games; // oldest first
};
