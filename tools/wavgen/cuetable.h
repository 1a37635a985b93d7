// SPDX-License-Identifier: MIT
#pragma once
#include <filesystem>
#include <string>
#include <vector>

// The sound cues' assets: name, format and length of each file, and the
// synthesis that fills it. TURNOVERBAD is not here: the resource file gives
// INVALID's sound that name too.
class CueTable {
public:
    static constexpr double kPeak = 0.89;   // about 1 dB below full scale

    struct Asset {
        const char* name;
        int rate;
        int bits;
        double seconds;
        void (*compose)(class Synth&);
        double peak = kPeak;
    };

    [[nodiscard]] static const std::vector<Asset>& assets();
    // The WAV file of one asset, byte for byte the same on every run.
    [[nodiscard]] static std::string render(const Asset& asset);
    // Writes NAME.wav for every asset into the folder; returns the paths.
    static std::vector<std::filesystem::path> writeAll(const std::filesystem::path& folder);
};
