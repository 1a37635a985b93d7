// SPDX-License-Identifier: MIT
#pragma once
#include <filesystem>
#include <stdexcept>
#include <string>

#include "core/text/playertext.h"

// A file that could not be read or written as asked. The message says what
// failed and names the file, so a caller can show it as it is; message()
// is the same for a window to show in the player's language.
class FileError : public std::runtime_error {
public:
    // `pattern` is marked for the catalogue in context "FileError": %1 is
    // the file, %2 the system's reason where there is one.
    FileError(const char* pattern, const std::filesystem::path& path, std::string reason = {})
        : FileError(PlayerText("FileError", pattern, {path.string(), std::move(reason)}), path)
    {
    }

    [[nodiscard]] const std::filesystem::path& path() const { return m_path; }
    [[nodiscard]] const PlayerText& message() const { return m_message; }

private:
    FileError(PlayerText message, const std::filesystem::path& path)
        : std::runtime_error(message.english()), m_path(path), m_message(std::move(message))
    {
    }

    std::filesystem::path m_path;
    PlayerText m_message;
};
