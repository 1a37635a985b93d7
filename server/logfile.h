// SPDX-License-Identifier: MIT
#pragma once
#include <filesystem>
#include <string>

// Where the server's log lines go: standard error, or a file opened for
// appending that reopen() swaps for a fresh one under the same name (after
// a log rotation moved the old one away). Writes from any thread; each line
// is one write, so lines from different threads stay whole.
class LogFile {
public:
    // Empty path: standard error. Throws std::runtime_error naming the file
    // and the cause when it cannot be opened.
    explicit LogFile(std::filesystem::path path);
    ~LogFile();
    LogFile(const LogFile&) = delete;
    LogFile& operator=(const LogFile&) = delete;

    void write(const std::string& line) const;
    // Returns what happened, for the log itself; never throws.
    [[nodiscard]] std::string reopen();

private:
    const std::filesystem::path m_path;
    int m_fd; // replaced in place by reopen(), so a writer never sees it closed
};
