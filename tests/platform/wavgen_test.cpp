// SPDX-License-Identifier: MIT
#include "wavgen/cuetable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

namespace {
std::filesystem::path soundFolder()
{
    const char* root = std::getenv("PELBIX_TEST_SOURCE_DIR");
    return std::filesystem::path(root != nullptr ? root : ".") / "resources" / "sounds";
}

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t le(const std::string& bytes, std::size_t at, int width)
{
    std::uint32_t v = 0;
    for (int i = width - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(bytes.at(at + static_cast<std::size_t>(i)));
    return v;
}

// Sample i of a mono file, scaled to [-1, 1].
double sampleAt(const std::string& wav, std::size_t i, int bits)
{
    constexpr std::size_t kData = 44;
    if (bits == 8)
        return (static_cast<unsigned char>(wav[kData + i]) - 128) / 128.0;
    return static_cast<std::int16_t>(le(wav, kData + 2 * i, 2)) / 32768.0;
}
} // namespace

TEST(wavgen, RegeneratesTheCommittedFilesExactly)
{
    const auto folder = std::filesystem::temp_directory_path() / ("pelbix-wavgen-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const auto written = CueTable::writeAll(folder);
    EXPECT_EQ(written.size(), 10U);
    for (const auto& path : written)
        EXPECT_TRUE(readFile(path) == readFile(soundFolder() / path.filename())) << path.filename();
    std::filesystem::remove_all(folder);
}

TEST(wavgen, CommittedFilesMatchTheCueTable)
{
    const struct {
        const char* name;
        std::uint32_t rate;
        int bits;
        double seconds;
    } cues[] = {
        {"ENTERED", 11025, 8, 0.79},   {"TURNNEW", 44100, 8, 0.43},      {"DICE", 22050, 8, 0.76},
        {"PLACEDICE", 22050, 8, 0.11}, {"UNSET", 44100, 16, 0.22},       {"BELBIX", 8000, 8, 0.25},
        {"INVALID", 11025, 8, 0.25},   {"NOTONBOARD", 11025, 8, 0.28},   {"TURNOVERGOOD", 22050, 8, 1.00},
        {"GAMEOVER", 22050, 16, 2.79},
    };
    for (const auto& c : cues) {
        SCOPED_TRACE(c.name);
        const std::string wav = readFile(soundFolder() / (std::string(c.name) + ".wav"));
        ASSERT_GE(wav.size(), 44U);
        EXPECT_EQ(wav.substr(0, 4), "RIFF");
        EXPECT_EQ(le(wav, 4, 4), wav.size() - 8);
        EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ");
        EXPECT_EQ(le(wav, 16, 4), 16U);
        EXPECT_EQ(le(wav, 20, 2), 1U) << "PCM";
        EXPECT_EQ(le(wav, 22, 2), 1U) << "mono";
        EXPECT_EQ(le(wav, 24, 4), c.rate);
        EXPECT_EQ(le(wav, 28, 4), c.rate * static_cast<std::uint32_t>(c.bits / 8));
        EXPECT_EQ(le(wav, 32, 2), static_cast<std::uint32_t>(c.bits / 8));
        EXPECT_EQ(le(wav, 34, 2), static_cast<std::uint32_t>(c.bits));
        EXPECT_EQ(wav.substr(36, 4), "data");
        const std::uint32_t dataSize = le(wav, 40, 4);
        EXPECT_EQ(wav.size(), 44 + dataSize + dataSize % 2);
        const std::size_t frames = dataSize / static_cast<std::uint32_t>(c.bits / 8);
        EXPECT_LE(std::fabs(static_cast<double>(frames) - c.rate * c.seconds), 1.0) << frames << " frames";

        // Loud enough to hear, never clipped, and silent at both ends so
        // starting or cutting it off does not click.
        double peak = 0;
        for (std::size_t i = 0; i < frames; ++i)
            peak = std::max(peak, std::fabs(sampleAt(wav, i, c.bits)));
        EXPECT_GT(peak, 0.5);
        EXPECT_LT(peak, 0.95);
        EXPECT_LT(std::fabs(sampleAt(wav, 0, c.bits)), 0.02);
        EXPECT_LT(std::fabs(sampleAt(wav, frames - 1, c.bits)), 0.02);
    }
}
