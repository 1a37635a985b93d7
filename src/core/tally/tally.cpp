// SPDX-License-Identifier: MIT
#include "core/tally/tally.h"

#include <algorithm>
#include <chrono>
#include <limits>
#include <thread>
#include <tuple>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "core/tally/tallystat.h"

namespace fs = std::filesystem;

namespace {

// A copy waits this long for another copy's save to finish, then saves anyway.
constexpr int kLockAttempts = 250;
constexpr std::chrono::milliseconds kLockPause{20};

// Holds an advisory lock on the tally's folder while a save reads, merges
// and replaces the file, so two copies closing at once take turns.
class FolderLock {
public:
    explicit FolderLock(const fs::path& folder)
        : m_fd(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        for (int attempt = 0; m_fd >= 0 && attempt < kLockAttempts; ++attempt) {
            if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0)
                return;
            std::this_thread::sleep_for(kLockPause);
        }
    }
    ~FolderLock()
    {
        if (m_fd >= 0)
            ::close(m_fd); // closing releases the lock
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    int m_fd;
};

int32_t clamp32(int64_t v)
{
    return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

using Entry = std::tuple<std::string, std::string, std::string>; // date, score, name

Entry entryAt(const TallyTable& t, int place)
{
    return {t.cell(TallyTable::kDateColumn, place), t.cell(TallyTable::kScoreColumn, place),
            t.cell(TallyTable::kNameColumn, place)};
}

} // namespace

Tally::Tally(fs::path file) : m_file(std::move(file)) {}

TallyFile::Loaded Tally::load()
{
    TallyFile::Loaded loaded = TallyFile::load(m_file);
    m_table = loaded.table;
    m_base = loaded.table;
    forgetChanges();
    return loaded;
}

void Tally::save()
{
    const FolderLock lock(m_file.parent_path());
    TallyTable merged = m_reset ? othersSinceBase(fileForMerge()) : fileForMerge();
    applyOwnChanges(merged);
    TallyFile::save(m_file, merged);
    m_table = merged;
    m_base = std::move(merged);
    forgetChanges();
}

TallyTable Tally::fileForMerge() const
{
    // A file gone or damaged since it was read holds nothing of another
    // copy's to keep (a damaged one is moved aside by the loader).
    std::error_code ec;
    if (!fs::exists(m_file, ec))
        return m_base;
    TallyFile::Loaded now = TallyFile::load(m_file);
    return now.error ? m_base : std::move(now.table);
}

TallyTable Tally::othersSinceBase(const TallyTable& onDisk) const
{
    // The reset cleared what this copy had; what other copies added to the
    // file since this copy read it is theirs and stays.
    TallyTable result;
    result.reset();
    const auto grown = [&](int column) -> int64_t {
        const auto now = TallyTable::toInt(onDisk.statistic(column));
        const auto then = TallyTable::toInt(m_base.statistic(column));
        return now && then && *now > *then ? int64_t{*now} - *then : 0;
    };
    result.addCount(tallystat::kTotalGames, grown(tallystat::kTotalGames));
    if (const int64_t scored = grown(tallystat::kRunningTotal); scored > 0)
        result.addTo(tallystat::kRunningTotal, clamp32(scored));
    // A higher round than this copy knew was banked by another copy.
    if (grown(tallystat::kHighestRound) > 0)
        result.keepHighest(tallystat::kHighestRound, *TallyTable::toInt(onDisk.statistic(tallystat::kHighestRound)));

    std::vector<bool> known(TallyTable::kPlaces + 1, false);
    std::vector<int> theirs;
    for (int place = 1; place <= TallyTable::kPlaces; ++place) {
        if (onDisk.placeScore(place) <= TallyTable::kEmptyScore)
            continue;
        bool found = false;
        for (int b = 1; b <= TallyTable::kPlaces && !found; ++b)
            if (!known[static_cast<std::size_t>(b)] && entryAt(m_base, b) == entryAt(onDisk, place))
                found = known[static_cast<std::size_t>(b)] = true;
        if (!found)
            theirs.push_back(place);
    }
    // From the bottom up, so equal scores keep their order.
    for (auto it = theirs.rbegin(); it != theirs.rend(); ++it)
        result.enterGame(onDisk.placeScore(*it), onDisk.placeName(*it), onDisk.placeDate(*it));
    return result;
}

void Tally::applyOwnChanges(TallyTable& table) const
{
    for (int c = 0; c < TallyTable::kColumns; ++c) {
        if (m_counted[static_cast<std::size_t>(c)] != 0)
            table.addCount(c, m_counted[static_cast<std::size_t>(c)]);
        if (const auto& sum = m_scored[static_cast<std::size_t>(c)])
            table.addTo(c, clamp32(*sum));
        if (const auto& highest = m_highest[static_cast<std::size_t>(c)])
            table.keepHighest(c, *highest);
    }
    for (const Game& g : m_games)
        table.enterGame(g.score, g.name, g.date);
}

void Tally::forgetChanges()
{
    m_reset = false;
    m_counted = {};
    m_scored = {};
    m_highest = {};
    m_games.clear();
}

void Tally::increment(int column)
{
    m_table.increment(column);
    ++m_counted.at(static_cast<std::size_t>(column));
}

void Tally::addTo(int column, int32_t amount)
{
    const std::string& before = m_table.statistic(column);
    // The table ignores a score for a cell that is not a number; so does the merge.
    if (before.empty() || TallyTable::toInt(before)) {
        auto& sum = m_scored.at(static_cast<std::size_t>(column));
        sum = sum.value_or(0) + amount;
    }
    m_table.addTo(column, amount);
}

void Tally::keepHighest(int column, int32_t value)
{
    m_table.keepHighest(column, value);
    auto& highest = m_highest.at(static_cast<std::size_t>(column));
    highest = std::max(highest.value_or(value), value);
}

bool Tally::enterGame(int32_t score, const std::string& name, const std::string& date)
{
    m_games.push_back({score, name, date});
    if (m_games.size() > kKeptGames) {
        // Drop the game that ranks lowest: the lowest score, the oldest of
        // equals. Ten of this copy's games rank above it, so it can never
        // reach the ten best. The newest game is never dropped.
        auto lowest = m_games.begin();
        for (auto it = m_games.begin(); it != m_games.end() - 1; ++it)
            if (it->score < lowest->score)
                lowest = it;
        m_games.erase(lowest);
    }
    return m_table.enterGame(score, name, date);
}

void Tally::reset()
{
    m_table.reset();
    forgetChanges();
    m_reset = true;
}
