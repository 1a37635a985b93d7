// SPDX-License-Identifier: MIT
#pragma once
#include <filesystem>
#include <stdexcept>
#include <string>

// A file that could not be read or written as asked. The message says what
// failed and names the file, so a caller can show it as it is.
class FileError : public std::runtime_error {
public:
    FileError(const std::string& what, const std::filesystem::path& path)
        : std::runtime_error(what + ": " + path.string())
        , m_path(path)
    {
    }

    [[nodiscard]] const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};
