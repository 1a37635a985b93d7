// SPDX-License-Identifier: MIT
#pragma once
#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "core/tally/tallytable.h"
#include "core/text/playertext.h"

// The tally file: the text table compressed in Fast mode. Reading never
// throws; a file that cannot be read is moved aside, never overwritten, so
// the player's records always survive in some file.
class TallyFile {
public:
    // Compressed tally files are a few hundred bytes; anything past this is not one.
    static constexpr std::uintmax_t kMaxFileSize = 1024 * 1024;
    static constexpr const char* kDamagedSuffix = ".damaged";

    struct Loaded {
        TallyTable table;              // the file's table, or the empty one
        std::optional<PlayerText> error; // what was wrong with the file, for the player
        std::filesystem::path keptAs;  // where a damaged file now lies
    };

    // No file gives the empty table and no error.
    [[nodiscard]] static Loaded load(const std::filesystem::path& path);

    // Replaces the file atomically; throws FileError (or CompressorError)
    // with the old file untouched.
    static void save(const std::filesystem::path& path, const TallyTable& table);

    // The bytes save() writes.
    [[nodiscard]] static std::string encode(const TallyTable& table);
    // The table in a tally file's bytes; shownPath names the file in
    // messages. Throws CompressorError or TallyTable::ParseError.
    [[nodiscard]] static TallyTable decode(std::span<const uint8_t> bytes, const std::string& shownPath);

private:
    static std::filesystem::path keepDamaged(const std::filesystem::path& path);
};
