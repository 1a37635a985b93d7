// SPDX-License-Identifier: MIT
#pragma once
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "core/game/gamekeeper.h"
#include "core/text/playertext.h"

// The game in progress on disk, next to the tally. Only the copy of the
// program that holds the file's lock reads or writes it, so two running
// copies never go on with the same game; the lock dies with its process,
// so a crash leaves the game to the next start.
class SavedGameFile final : public GameKeeper {
public:
    static constexpr const char* kFileName = "pelbixsologame.sav";
    static constexpr const char* kLockName = "pelbixsologame.lock";
    static constexpr const char* kDamagedName = "pelbixsologame.damaged";

    explicit SavedGameFile(std::filesystem::path folder);
    ~SavedGameFile() override;
    SavedGameFile(const SavedGameFile&) = delete;
    SavedGameFile& operator=(const SavedGameFile&) = delete;

    // Whether this copy holds the saved game; another running copy does when not.
    [[nodiscard]] bool owned() const { return m_lockFd >= 0; }

    struct Found {
        std::optional<SavedGame> game;
        PlayerText problem; // a damaged file, now set aside under kDamagedName
    };
    // The game left by an earlier run, if any. A file that does not read
    // as a saved game is renamed out of the way and the problem returned.
    [[nodiscard]] Found load();

    // GameKeeper. A write that fails leaves the previous file; the first
    // failure goes to the problem handler, once.
    void keep(const SavedGame& game) override;
    void forget() override;
    void setProblemHandler(std::function<void(const PlayerText&)> handler) { m_onProblem = std::move(handler); }

    [[nodiscard]] std::filesystem::path path() const { return m_folder / kFileName; }

private:
    std::filesystem::path m_folder;
    int m_lockFd = -1;
    bool m_told = false;
    std::function<void(const PlayerText&)> m_onProblem;
};
