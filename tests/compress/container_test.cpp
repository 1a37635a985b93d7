// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "compress/testdata.h"
#include "core/compress/compressorerror.h"
#include "core/compress/lzrw1codec.h"

using testdata::bytes;
using testdata::bytesOf;
using testdata::Bytes;

namespace {
const std::string kFastSize = "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !";
const std::string kGoodSize = "Lzrw1 (LZH decompression) : Original and compressed sizes do not match !";
const std::string kPath = "/t/pelbixsolotally.tld";
const std::string kRead = "Lzrw1 : Error reading from input file : " + kPath;
const std::string kHeader = kPath + " : Lzrw1 decompression : this file has no valid header !";

std::string decompressError(const Bytes& file)
{
    try {
        lzrw1Decompress(file, kPath);
    } catch (const CompressorError& e) {
        return e.what();
    }
    return "no error";
}

const char* methodName(CompressMode m) { return m == CompressMode::Fast ? "Fast" : "Good"; }

void setSize(Bytes& file, uint32_t size)
{
    for (int i = 0; i < 4; ++i)
        file[4 + std::size_t(i)] = uint8_t(size >> (8 * i));
}
} // namespace

TEST(lzrw1Decompress, RoundTripsAtBlockEdgesInBothMethods)
{
    const struct {
        const char* name;
        std::function<Bytes(std::size_t)> make;
    } kinds[] = {
        {"text", [](std::size_t n) { return testdata::text(n); }},
        {"runs", [](std::size_t n) { return testdata::runs(n); }},
        {"random", [](std::size_t n) { return testdata::randomBytes(n); }},
    };
    for (const CompressMode mode : {CompressMode::Fast, CompressMode::Good}) {
        for (const auto& kind : kinds) {
            for (const std::size_t n : {0u, 1u, 32767u, 32768u, 32769u, 1u << 20}) {
                const Bytes input = kind.make(n);
                EXPECT_EQ(lzrw1Decompress(lzrw1Compress(input, mode)), input)
                    << methodName(mode) << " " << kind.name << " " << n;
            }
        }
    }
}

TEST(lzrw1Compress, AutoPicksByTheSamples)
{
    // Below three blocks Auto always takes Good.
    EXPECT_EQ(lzrw1Compress(testdata::runs(98303), CompressMode::Auto)[0], '!');
    EXPECT_EQ(lzrw1Compress(testdata::runs(98304), CompressMode::Auto)[0], 'W');
    EXPECT_EQ(lzrw1Compress(testdata::randomBytes(98304), CompressMode::Auto)[0], '!');
}

TEST(lzrw1Decompress, RefusesDamagedFilesWithTheirMessage)
{
    const Bytes abc = lzrw1Compress(bytesOf("abc"), CompressMode::Fast);
    const Bytes spaces = lzrw1Compress(bytesOf("   "), CompressMode::Good);
    auto with = [](Bytes file, const std::function<void(Bytes&)>& change) {
        change(file);
        return file;
    };
    const struct {
        const char* name;
        Bytes file;
        std::string message;
    } cases[] = {
        {"empty file", {}, kRead},
        {"short of an identifier", bytes({0x57, 0x52}), kRead},
        {"foreign identifier", bytesOf("PK\x03\x04 and more"), kHeader},
        {"identifier in the wrong case", bytesOf("wrzl\x03\x00\x00\x00"), kHeader},
        {"size field cut", bytes({0x57, 0x52, 0x5A, 0x4C, 3, 0}), kRead},
        {"no block", Bytes(abc.begin(), abc.begin() + 8), kRead},
        {"block length cut", Bytes(abc.begin(), abc.begin() + 9), kRead},
        {"block longer than the file", with(abc, [](Bytes& f) { f[8] = 5; }), kRead},
        {"blocks decode to less than the size", with(abc, [](Bytes& f) { setSize(f, 4); }), kFastSize},
        {"blocks decode to more than the size", with(abc, [](Bytes& f) { setSize(f, 2); }), kFastSize},
        {"negative size, Fast", with(abc, [](Bytes& f) { setSize(f, 0xFFFFFFFD); }), kFastSize},
        {"absurd size, Fast", with(abc, [](Bytes& f) { setSize(f, 0x7FFFFFFF); }), kFastSize},
        {"copy before the start",
         bytes({0x57, 0x52, 0x5A, 0x4C, 3, 0, 0, 0, 0x05, 0x00, 0x40, 0x80, 0x00, 0x00, 0x10}), kFastSize},
        {"negative size, Good", with(spaces, [](Bytes& f) { setSize(f, 0x80000000); }), kGoodSize},
        {"match past the size, Good", with(spaces, [](Bytes& f) { setSize(f, 2); }), kGoodSize},
        {"absurd size, Good: stream ends long before", with(spaces, [](Bytes& f) { setSize(f, 0x7FFFFFFF); }),
         kRead},
    };
    for (const auto& c : cases)
        EXPECT_EQ(decompressError(c.file), c.message) << c.name;
}

TEST(lzrw1Decompress, NamesAStreamWhenThereIsNoPath)
{
    try {
        lzrw1Decompress(bytesOf("nope"));
        FAIL();
    } catch (const CompressorError& e) {
        EXPECT_STREQ(e.what(), "Lzrw1 decompression : input stream contains no valid header !");
    }
    try {
        lzrw1Decompress(bytesOf("WRZL"));
        FAIL();
    } catch (const CompressorError& e) {
        EXPECT_STREQ(e.what(), "Lzrw1 : Error reading from input stream !");
    }
}

// Every prefix of a Fast file lacks part of a block: each must fail with a
// message. A Good stream reads zero bits past its end, so a prefix may also
// decode, but then to exactly the promised size.
TEST(lzrw1Decompress, TruncatedFilesFailCleanly)
{
    const Bytes input = testdata::text(40000);
    for (const CompressMode mode : {CompressMode::Fast, CompressMode::Good}) {
        const Bytes file = lzrw1Compress(input, mode);
        for (std::size_t cut = 0; cut < file.size(); ++cut) {
            const Bytes prefix(file.begin(), file.begin() + std::ptrdiff_t(cut));
            try {
                const Bytes plain = lzrw1Decompress(prefix);
                EXPECT_EQ(mode, CompressMode::Good) << cut;
                EXPECT_EQ(plain.size(), input.size()) << cut;
            } catch (const CompressorError&) {
            }
        }
    }
}

TEST(lzrw1Decompress, FlippedBytesFailCleanly)
{
    const Bytes input = testdata::text(3000);
    for (const CompressMode mode : {CompressMode::Fast, CompressMode::Good}) {
        const Bytes file = lzrw1Compress(input, mode);
        for (std::size_t at = 0; at < file.size(); ++at) {
            for (const uint8_t flip : {0x01, 0x10, 0x80, 0xFF}) {
                Bytes damaged = file;
                damaged[at] ^= flip;
                try {
                    const Bytes plain = lzrw1Decompress(damaged);
                    // Without a checksum a changed literal goes unnoticed; the size still holds.
                    const uint32_t size = uint32_t(damaged[4]) | uint32_t(damaged[5]) << 8 |
                                          uint32_t(damaged[6]) << 16 | uint32_t(damaged[7]) << 24;
                    EXPECT_EQ(plain.size(), size) << methodName(mode) << " " << at;
                } catch (const CompressorError&) {
                }
            }
        }
    }
}

TEST(lzrw1Advise, JudgesTheTwoSamples)
{
    // Samples of 32768 equal bytes code to 38 bytes each (eight runs, a
    // literal, a copy); random ones are stored, 32769 bytes each.
    const Bytes same(32768, 'q');
    const Bytes noise = testdata::randomBytes(32768, 4);
    const struct {
        const char* name;
        const Bytes& first;
        const Bytes& second;
        int threshold;
        CompressMode mode;
        int percent;
    } cases[] = {
        {"both runs", same, same, 40, CompressMode::Fast, 0},
        {"both random", noise, noise, 40, CompressMode::Good, 100},
        // 32807 bytes for 65536: 50 % of the input; Fast needs c < n * T / 100.
        {"half and half at 50", noise, same, 50, CompressMode::Good, 50},
        {"half and half at 51", noise, same, 51, CompressMode::Fast, 50},
    };
    for (const auto& c : cases) {
        const Lzrw1Advice advice = lzrw1AdviseSamples(c.first, c.second, c.threshold);
        EXPECT_EQ(advice.mode, c.mode) << c.name;
        EXPECT_EQ(advice.percent, c.percent) << c.name;
    }
}

TEST(lzrw1Advise, SamplesAtOneAndTwoThirdsOnBlockEdges)
{
    EXPECT_EQ(lzrw1AdviseOffsets(98304), (std::array<int64_t, 2>{32768, 65536}));
    EXPECT_EQ(lzrw1AdviseOffsets(196607), (std::array<int64_t, 2>{32768, 98304}));
    EXPECT_EQ(lzrw1AdviseOffsets(196608), (std::array<int64_t, 2>{65536, 131072}));
    // Inputs of at least three blocks: the second sample always fits.
    for (int64_t size = 98304; size < 98304 + 3 * 32768; size += 4099)
        EXPECT_LE(lzrw1AdviseOffsets(size)[1] + 32768, size) << size;
}

// Pins both coders' output on a mixed input long enough for several Fast
// blocks and for the LZH tree to be rebuilt more than once: work on the hot
// loops must leave every byte as it was (the hand-checked vectors cover the
// start of a stream only).
TEST(lzrw1Compress, OutputStaysTheSameOnAMixedInput)
{
    Bytes mixed = testdata::text(200000, 5);
    for (const Bytes& part : {testdata::randomBytes(50000, 6), testdata::runs(100000, 7), testdata::text(150000, 8)})
        mixed.insert(mixed.end(), part.begin(), part.end());
    auto fnv1a = [](const Bytes& b) {
        uint64_t h = 1469598103934665603ull;
        for (const uint8_t c : b)
            h = (h ^ c) * 1099511628211ull;
        return h;
    };
    const Bytes fast = lzrw1Compress(mixed, CompressMode::Fast);
    EXPECT_EQ(fast.size(), 169422u);
    EXPECT_EQ(fnv1a(fast), 0x6bf056f0a4b90c45ull);
    const Bytes good = lzrw1Compress(mixed, CompressMode::Good);
    EXPECT_EQ(good.size(), 116154u);
    EXPECT_EQ(fnv1a(good), 0x7c9b8c839c7fecd8ull);
}
