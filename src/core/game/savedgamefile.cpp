// SPDX-License-Identifier: MIT
#include "core/game/savedgamefile.h"

#include <cerrno>
#include <system_error>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
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
    // Not blocking, and only a plain file: a pipe or device put in its
    // place must not hang or flood the start.
    const int fd = ::open(path().c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return found; // no game was left
    std::string text;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        // One byte past the limit is enough to know the file is too long.
        text.resize(kMaxSavedGameBytes + 1);
        std::size_t got = 0;
        while (got < text.size()) {
            const ssize_t n = ::read(fd, text.data() + got, text.size() - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            got += static_cast<std::size_t>(n);
        }
        text.resize(got);
    }
    ::close(fd);
    try {
        found.game = readSavedGame(text);
    } catch (const SavedGameError& e) {
        const std::filesystem::path aside = m_folder / kDamagedName;
        std::error_code ec;
        std::filesystem::rename(path(), aside, ec);
        found.problem = e.message();
        if (ec) {
            std::filesystem::remove(path(), ec);
            found.problem.append(PlayerText("SavedGameFile", QT_TRANSLATE_NOOP("SavedGameFile", "The file was removed.")), "\n");
        } else {
            found.problem.append(PlayerText("SavedGameFile", QT_TRANSLATE_NOOP("SavedGameFile", "The file was set aside as %1."),
                                            {aside.string()}),
                                 "\n");
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
        if (!m_told && m_onProblem)
            m_onProblem(e.message());
        m_told = true;
    }
}

void SavedGameFile::forget()
{
    if (!owned())
        return;
    std::error_code ec;
    std::filesystem::remove(path(), ec);
}
