// SPDX-License-Identifier: MIT
#pragma once
#include "core/settings/productkey.h"
#include "core/settings/serveraddress.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The main window's settings as they stand in the settings file: one
// section named after the product key word, one key per value. Every value
// that is missing or cannot be read falls back to its default.
struct Settings {
    static constexpr std::string_view kSection = kProductKey;
    static constexpr std::int32_t kDefaultTop = 3;
    static constexpr std::int32_t kDefaultLeft = 3;
    static constexpr std::int32_t kDefaultWidth = 774;
    static constexpr std::int32_t kDefaultHeight = 520;
    static constexpr std::string_view kDefaultName = "Guest";

    std::int32_t top = kDefaultTop;
    std::int32_t left = kDefaultLeft;
    std::int32_t width = kDefaultWidth;
    std::int32_t height = kDefaultHeight;
    std::string name = std::string(kDefaultName);
    bool sounds = true;
    bool update = true;
    // The player's choice of the High Contrast look; none until they make
    // one, so the desktop's wish decides. Written only once chosen, so a
    // file the player never chose in keeps exactly the seven lines above.
    std::optional<bool> highContrast;
    // Overrides the maker's server when present and well formed. Read only:
    // save() never writes it, so it stays in the file as the user wrote it.
    std::optional<ServerAddress> server;

    // Never fails: a missing or unreadable file gives the defaults.
    [[nodiscard]] static Settings load(const std::filesystem::path& path, std::string_view section = kSection,
                                       std::int32_t defaultWidth = kDefaultWidth,
                                       std::int32_t defaultHeight = kDefaultHeight);

    // Writes Top, Left, Width, Height, Name, Sounds and Update in that order,
    // then HighContrast when chosen, one key at a time, keeping everything
    // else in the file. Throws FileError
    // naming the path when the file cannot be written.
    void save(const std::filesystem::path& path, std::string_view section = kSection) const;

    // A signed 32-bit decimal with an optional sign, or hexadecimal after
    // "0x"/"0X"; anything else, or a value out of range, gives fallback.
    [[nodiscard]] static std::int32_t parseInt(std::string_view text, std::int32_t fallback);
};
