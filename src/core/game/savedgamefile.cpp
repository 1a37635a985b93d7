// SPDX-License-Identifier: MIT
#include "core/game/savedgamefile.h"

#include <fstream>
#include <system_error>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "core/settings/atomicfile.h"
#include "core/settings/fileerror.h"

SavedGameFile::SavedGameFile(std::filesystem::path folder) : m_folder(std::move(folder))
{
    const std::string lock = (m_folder / kLockName).string();
    m_lockFd = ::open(lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_lockFd >= 0 && ::flock(m_lockFd, LOCK_EX | LOCK_NB) != 0) {
        ::close(m_lockFd);
        m_lockFd = -1;
    }
}

SavedGameFile::~SavedGameFile()
{
    if (m_lockFd >= 0)
        ::close(m_lockFd);
}

SavedGameFile::Found SavedGameFile::load()
{
    Found found;
    if (!owned())
        return found;
    std::ifstream in(path(), std::ios::binary);
    if (!in)
        return found; // no game was left
    std::string text;
    // One byte past the limit is enough to know the file is too long.
    text.resize(kMaxSavedGameBytes + 1);
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    try {
        found.game = readSavedGame(text);
    } catch (const SavedGameError& e) {
        const std::filesystem::path aside = m_folder / kDamagedName;
        std::error_code ec;
        std::filesystem::rename(path(), aside, ec);
        found.problem = std::string(e.what()) + "\nThe file was set aside as " + aside.string() + ".";
        if (ec) {
            std::filesystem::remove(path(), ec);
            found.problem = std::string(e.what()) + "\nThe file was removed.";
        }
    }
    return found;
}

void SavedGameFile::keep(const SavedGame& game)
{
    if (!owned())
        return;
    try {
        AtomicFile::replace(path(), writeSavedGame(game));
    } catch (const FileError& e) {
        if (m_problem.empty())
            m_problem = e.what();
    }
}

void SavedGameFile::forget()
{
    if (!owned())
        return;
    std::error_code ec;
    std::filesystem::remove(path(), ec);
}
