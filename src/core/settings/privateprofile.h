// SPDX-License-Identifier: MIT
#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// Reads and writes single keys of an INI file the way the private-profile
// functions of the original platform do: each call opens the file, does its
// one job and closes it again.
class PrivateProfile {
public:
    // A value is read through a buffer of this many bytes, so at most one
    // byte less (the terminator takes the last) arrives.
    static constexpr std::size_t kValueBuffer = 2048;
    // Settings files are a few hundred bytes; anything past this is not one.
    static constexpr std::uintmax_t kMaxFileSize = 1024 * 1024;

    // The key's value, or defaultValue when the file (missing, unreadable,
    // larger than kMaxFileSize), the section or the key is missing.
    [[nodiscard]] static std::string getString(std::string_view section, std::string_view key,
                                               std::string_view defaultValue, const std::filesystem::path& path);

    // Sets one key, creating the file, the section or the key as needed and
    // keeping every other line. The file is replaced atomically. Throws
    // FileError naming the path when the file cannot be read back first (so
    // its other lines would be lost) or cannot be written.
    static void writeString(std::string_view section, std::string_view key, std::string_view value,
                            const std::filesystem::path& path);
};
