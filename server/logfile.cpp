// SPDX-License-Identifier: MIT
#include "server/logfile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

namespace {
constexpr mode_t kLogMode = 0640;

int openForAppending(const std::filesystem::path& path)
{
    return ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, kLogMode);
}
} // namespace

LogFile::LogFile(std::filesystem::path path) : m_path(std::move(path)), m_fd(STDERR_FILENO)
{
    if (m_path.empty())
        return;
    m_fd = openForAppending(m_path);
    if (m_fd < 0)
        throw std::runtime_error("cannot open the log file " + m_path.string() + ": " + std::strerror(errno));
}

LogFile::~LogFile()
{
    if (m_fd != STDERR_FILENO)
        ::close(m_fd);
}

void LogFile::write(const std::string& line) const
{
    const ssize_t ignored = ::write(m_fd, line.data(), line.size());
    (void)ignored;
}

std::string LogFile::reopen()
{
    if (m_path.empty())
        return "logging to standard error, nothing to reopen";
    const int fresh = openForAppending(m_path);
    if (fresh < 0)
        return "cannot reopen the log file " + m_path.string() + ": " + std::strerror(errno) +
               "; still writing to the old one";
    // dup2 swaps the file under the same number at once: a line written
    // meanwhile lands in the old file or the new one, never nowhere.
    const bool swapped = ::dup2(fresh, m_fd) >= 0;
    const int error = errno;
    ::close(fresh);
    if (!swapped)
        return std::string("cannot reopen the log file: ") + std::strerror(error);
    return "reopened the log file " + m_path.string();
}
