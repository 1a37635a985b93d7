// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "compress/testdata.h"
#include "core/compress/blockpool.h"
#include "core/compress/compressorerror.h"
#include "core/compress/lzrw1codec.h"
#include "core/compress/fastblockcoder.h"
#include "core/compress/lzrw1stream.h"

using testdata::Bytes;

namespace {
constexpr std::size_t kBlock = FastBlockCoder::kBlockSize;
// More blocks than one round of the parallel coder takes.
constexpr std::size_t kManyBlocks = 70;

Bytes mixed(std::size_t n)
{
    Bytes out;
    for (uint32_t seed = 1; out.size() < n; ++seed) {
        const Bytes part = seed % 3 == 0 ? testdata::randomBytes(50000, seed)
                           : seed % 3 == 1 ? testdata::text(150000, seed) : testdata::runs(80000, seed);
        out.insert(out.end(), part.begin(), part.end());
    }
    out.resize(n);
    return out;
}

Bytes streamCompress(const Bytes& plain, CompressMode mode, unsigned threads)
{
    std::istringstream in(std::string(plain.begin(), plain.end()));
    std::ostringstream out;
    lzrw1CompressStream(in, int64_t(plain.size()), out, mode, {}, {}, {}, threads);
    const std::string s = out.str();
    return Bytes(s.begin(), s.end());
}

// What each way of decoding makes of file: the bytes, or the failure message.
std::vector<std::string> decodeEveryWay(const Bytes& file)
{
    const auto attempt = [](const std::function<Bytes()>& decode) {
        try {
            const Bytes plain = decode();
            return std::string(plain.begin(), plain.end());
        } catch (const CompressorError& e) {
            return std::string("failed: ") + e.what();
        }
    };
    std::vector<std::string> results;
    for (const unsigned threads : {1u, 3u}) {
        results.push_back(attempt([&] { return lzrw1Decompress(file, {}, {}, threads); }));
        results.push_back(attempt([&] {
            Bytes plain(lzrw1ReadHeader(file).size);
            lzrw1DecompressInto(file, plain, {}, {}, threads);
            return plain;
        }));
        results.push_back(attempt([&] {
            std::istringstream in(std::string(file.begin(), file.end()));
            std::ostringstream out;
            lzrw1DecompressStream(in, out, {}, {}, {}, threads);
            const std::string s = out.str();
            return Bytes(s.begin(), s.end());
        }));
    }
    return results;
}

// A Fast file put together block by block.
Bytes fastFile(uint32_t size, const std::vector<Bytes>& blocks)
{
    Bytes file = {'W', 'R', 'Z', 'L'};
    for (int i = 0; i < 4; ++i)
        file.push_back(uint8_t(size >> (8 * i)));
    for (const Bytes& block : blocks) {
        file.push_back(uint8_t(block.size()));
        file.push_back(uint8_t(block.size() >> 8));
        file.insert(file.end(), block.begin(), block.end());
    }
    return file;
}
} // namespace

// The blocks are coded apart and joined in order: any number of threads,
// and the streaming coder, must give the one-thread bytes exactly.
TEST(lzrw1Compress, ThreadsAndStreamingNeverChangeTheBytes)
{
    for (const std::size_t n : {kManyBlocks * kBlock + 1000, 64 * kBlock}) {
        const Bytes plain = mixed(n);
        const Bytes expected = lzrw1Compress(plain, CompressMode::Fast, {}, {}, kDefaultThreshold, 1);
        for (const unsigned threads : {2u, 3u}) {
            EXPECT_EQ(lzrw1Compress(plain, CompressMode::Fast, {}, {}, kDefaultThreshold, threads), expected) << n;
            Bytes into(lzrw1FastBound(n));
            into.resize(lzrw1CompressFast(plain, into, threads));
            EXPECT_EQ(into, expected) << n;
            EXPECT_EQ(streamCompress(plain, CompressMode::Fast, threads), expected) << n;
        }
        const std::string text(plain.begin(), plain.end());
        for (const std::string& result : decodeEveryWay(expected))
            EXPECT_TRUE(result == text) << n << ": " << result.substr(0, 120);
    }
    const Bytes small = mixed(200000);
    const Bytes good = lzrw1Compress(small, CompressMode::Good);
    EXPECT_EQ(streamCompress(small, CompressMode::Good, 1), good);
    for (const std::string& result : decodeEveryWay(good))
        EXPECT_EQ(result, std::string(small.begin(), small.end()));
}

// Blocks decode side by side, yet a damaged file must fail as if read in
// order: the first bad block decides, and a missing end only counts when
// every block before it was sound.
TEST(lzrw1Decompress, EveryWayReportsTheFirstFaultInOrder)
{
    const std::string fastSize = "failed: Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !";
    const std::string read = "failed: Lzrw1 : Error reading from input stream !";
    Bytes full(kBlock + 1, 'f');
    full[0] = FastBlockCoder::kFlagStored;
    const Bytes copyBeforeStart = {0x40, 0x80, 0x00, 0x00, 0x10};
    const Bytes shortStored = {FastBlockCoder::kFlagStored, 's', 's'};
    const Bytes controlWordCut = {0x40, 0x80};
    const auto size = uint32_t(kManyBlocks * kBlock + 3);
    auto blocks = [&](std::size_t count) {
        std::vector<Bytes> b(count, full);
        if (count == kManyBlocks + 1)
            b.back() = Bytes{FastBlockCoder::kFlagStored, 'e', 'n', 'd'};
        return b;
    };
    auto with = [](std::vector<Bytes> b, std::size_t at, const Bytes& block) {
        b[at] = block;
        return b;
    };
    const struct {
        const char* name;
        std::vector<Bytes> blocks;
        std::string expected;
    } cases[] = {
        {"a copy before the start in block 3, block 60 cut", with(blocks(60), 3, copyBeforeStart), fastSize},
        {"block 66 of the second round ends early", with(blocks(kManyBlocks + 1), 66, shortStored), fastSize},
        {"block 5 cut inside, block 9 short", with(with(blocks(kManyBlocks + 1), 5, controlWordCut), 9, shortStored),
         read},
        {"sound blocks, the last ones missing", blocks(67), read},
        {"the last block longer than the size allows", with(blocks(kManyBlocks + 1), kManyBlocks, full), fastSize},
    };
    for (const auto& c : cases) {
        for (const std::string& result : decodeEveryWay(fastFile(size, c.blocks)))
            EXPECT_EQ(result, c.expected) << c.name;
    }
}

// Blocks made item by item, whatever an encoder would choose: copies at
// every distance that takes another route through the decoder (overlapping
// by one byte, under 8, under 16, from further back), runs and literals,
// enough of them that most control words go through the unchecked path.
TEST(FastBlockCoder, DecodesEveryKindOfItemAsWritten)
{
    std::mt19937 gen(11);
    for (int round = 0; round < 50; ++round) {
        Bytes block = {0x40};
        Bytes expected;
        std::size_t control = 0;
        uint32_t word = 0;
        int items = 0;
        while (expected.size() < kBlock - 4200 && block.size() < kBlock - 8) {
            if (items == 0) {
                control = block.size();
                block.insert(block.end(), {0, 0});
            }
            const unsigned kind = gen() % 8;
            if (kind == 0 && !expected.empty()) {
                const std::size_t run = 16 + gen() % 300;
                const uint8_t value = uint8_t(gen());
                block.insert(block.end(), {0x00, uint8_t((run - 16) >> 8), uint8_t(run - 16), value});
                expected.insert(expected.end(), run, value);
                word = word << 1 | 1;
            } else if (kind < 4 && expected.size() >= 20) {
                const std::size_t distance = 1 + gen() % (kind == 1 ? 20 : std::min<std::size_t>(expected.size(), 4095));
                const std::size_t count = 3 + gen() % 16;
                const std::size_t k = distance << 4 | (count - 3);
                block.insert(block.end(), {uint8_t(k >> 8), uint8_t(k)});
                for (std::size_t i = 0; i < count; ++i)
                    expected.push_back(expected[expected.size() - distance]);
                word = word << 1 | 1;
            } else {
                const uint8_t literal = uint8_t(gen());
                block.push_back(literal);
                expected.push_back(literal);
                word <<= 1;
            }
            if (++items == 16) {
                block[control] = uint8_t(word >> 8);
                block[control + 1] = uint8_t(word);
                word = 0;
                items = 0;
            }
        }
        if (items > 0) {
            word <<= 16 - items;
            block[control] = uint8_t(word >> 8);
            block[control + 1] = uint8_t(word);
        }
        Bytes out(kBlock + 64, 0xA5);
        std::size_t produced = 0;
        ASSERT_EQ(FastBlockCoder::decompressBlock(block, std::span(out.data(), kBlock), produced), DecodeStatus::Ok) << round;
        ASSERT_EQ(produced, expected.size()) << round;
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), out.begin())) << round;
        EXPECT_TRUE(std::all_of(out.begin() + kBlock, out.end(), [](uint8_t b) { return b == 0xA5; })) << round;
        // The same block into a stretch exactly as long as its output.
        std::fill(out.begin(), out.end(), 0xA5);
        ASSERT_EQ(FastBlockCoder::decompressBlock(block, std::span(out.data(), produced), produced), DecodeStatus::Ok) << round;
        EXPECT_TRUE(std::all_of(out.begin() + std::ptrdiff_t(expected.size()), out.end(),
                                [](uint8_t b) { return b == 0xA5; }))
            << round;
    }
}

TEST(BlockPool, RunsEachIndexOnceAndPassesOnAFailure)
{
    BlockPool pool(3);
    std::vector<std::atomic<int>> runs(1000);
    pool.run(runs.size(), [&](std::size_t i) { ++runs[i]; });
    EXPECT_TRUE(std::all_of(runs.begin(), runs.end(), [](const std::atomic<int>& n) { return n == 1; }));
    EXPECT_THROW(pool.run(10, [](std::size_t i) {
        if (i == 7)
            throw std::runtime_error("job 7");
    }), std::runtime_error);
    // Still usable after a failed round.
    std::atomic<int> total = 0;
    pool.run(100, [&](std::size_t) { ++total; });
    EXPECT_EQ(total, 100);
}

// The coder hands on one round while the next is coded: a failure there
// comes out only once that round is done, ahead of the round's own.
TEST(BlockPool, RunsTheCallersWorkAlongsideAndPassesOnItsFailureLast)
{
    BlockPool pool(3);
    std::atomic<int> total = 0;
    int alongside = 0;
    pool.run(200, [&](std::size_t) { ++total; }, [&] { ++alongside; });
    EXPECT_EQ(total, 200);
    EXPECT_EQ(alongside, 1);
    total = 0;
    try {
        pool.run(200, [&](std::size_t i) {
            ++total;
            if (i == 3)
                throw std::runtime_error("job");
        }, [] { throw std::runtime_error("alongside"); });
        ADD_FAILURE() << "no exception";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "alongside");
    }
    EXPECT_EQ(total, 200);
}
