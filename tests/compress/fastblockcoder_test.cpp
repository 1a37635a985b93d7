// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "compress/testdata.h"
#include "core/compress/lzrw1codec.h"
#include "core/compress/fastblockcoder.h"

using testdata::bytes;
using testdata::bytesOf;
using testdata::Bytes;

namespace {
// What the tally list writes when no game was ever played. Read by hand: a
// block of 0x3F bytes, flag 40, control word 00 38 (ten literals
// "9\r\n12\r\n0\r\n", then copies), first copy 00 2F = distance 2,
// length 18 over the empty lines.
const Bytes kEmptyTallyFile = bytes({
    0x57, 0x52, 0x5a, 0x4c, 0x1a, 0x01, 0x00, 0x00, 0x3f, 0x00, 0x40, 0x00, 0x38, 0x39, 0x0d, 0x0a, 0x31, 0x32, 0x0d,
    0x0a, 0x30, 0x0d, 0x0a, 0x00, 0x2f, 0x01, 0x21, 0x01, 0x90, 0x2d, 0x31, 0x30, 0x67, 0xff, 0x30, 0x00, 0x7f, 0x01,
    0x5f, 0x0d, 0x0a, 0x02, 0xaf, 0x03, 0x87, 0x06, 0x4f, 0x07, 0x26, 0x02, 0x50, 0x06, 0xb1, 0x00, 0x4f, 0x01, 0x9f,
    0x03, 0x44, 0x01, 0x9f, 0x01, 0x9f, 0xf0, 0x00, 0x04, 0xfb, 0x03, 0x2f, 0x03, 0x2f, 0x03, 0x2b});

Bytes packBlock(const Bytes& input)
{
    FastBlockCoder coder;
    Bytes out(FastBlockCoder::kPackBufferSize);
    out.resize(coder.compressBlock(input, out.data()));
    return out;
}

Bytes repeat(std::size_t n, uint8_t value) { return Bytes(n, value); }

constexpr uint8_t kGuard = 0xA5;
constexpr std::size_t kGuardSize = 64;

// Decodes into a buffer with a guard tail and checks the tail stays intact.
DecodeStatus unpackBlock(const Bytes& block, Bytes& plain)
{
    std::vector<uint8_t> buffer(FastBlockCoder::kBlockSize + kGuardSize, kGuard);
    std::size_t produced = 0;
    const DecodeStatus status = FastBlockCoder::decompressBlock(block, std::span(buffer.data(), FastBlockCoder::kBlockSize), produced);
    EXPECT_TRUE(std::all_of(buffer.begin() + FastBlockCoder::kBlockSize, buffer.end(), [](uint8_t b) { return b == kGuard; }));
    EXPECT_LE(produced, FastBlockCoder::kBlockSize);
    plain.assign(buffer.begin(), buffer.begin() + std::ptrdiff_t(produced));
    return status;
}
// The block coder written plainly, one item at a time with every bound
// checked: the fast coder must make the same decisions everywhere.
Bytes plainBlock(const Bytes& in)
{
    const std::size_t n = in.size();
    std::vector<long> table(4096, -1);
    Bytes out(n + 16);
    out[0] = FastBlockCoder::kFlagCompressed;
    std::size_t x = 0, y = 3, z = 1;
    uint32_t control = 0;
    int items = 0;
    const auto put = [&](std::size_t at, uint32_t word) {
        out[at] = uint8_t(word >> 8);
        out[at + 1] = uint8_t(word);
    };
    for (; x < n && y <= n; ++items) {
        if (items == 16) {
            put(z, control);
            z = y;
            y += 2;
            items = 0;
        }
        std::size_t run = 1;
        while (x + run < n && run < 4095 && in[x + run] == in[x])
            ++run;
        std::size_t length = 0;
        std::size_t distance = 0;
        if (run < 16 && x + 2 < n) {
            const std::size_t h = (((((uint32_t(in[x]) << 4) ^ in[x + 1]) << 4) ^ in[x + 2]) * 40543u >> 4) & 0xFFF;
            const long c = std::exchange(table[h], long(x));
            const auto at = in.begin() + long(x);
            if (c >= 0 && x - std::size_t(c) <= 4095 && std::equal(in.begin() + c, in.begin() + c + 3, at)) {
                for (length = 3; length < 18 && x + length < n && in[std::size_t(c) + length] == in[x + length];)
                    ++length;
                distance = x - std::size_t(c);
            }
        }
        if (run >= 16) {
            out[y] = 0;
            put(y + 1, uint32_t(run - 16));
            out[y + 3] = in[x];
            y += 4;
            x += run;
        } else if (length != 0) {
            put(y, uint32_t(distance << 4 | (length - 3)));
            y += 2;
            x += length;
        } else {
            out[y++] = in[x++];
        }
        control = control << 1 | (run >= 16 || length != 0 ? 1 : 0);
    }
    put(z, items == 0 ? 0 : control << (16 - items));
    if (y > n) {
        out.assign(1, FastBlockCoder::kFlagStored);
        out.insert(out.end(), in.begin(), in.end());
        return out;
    }
    out.resize(y);
    return out;
}
} // namespace

// Lengths around the coder's inner limits, and data that compresses well,
// not at all, or just enough to end up near its own size.
TEST(FastBlockCoder, CodesLikeThePlainItemByItemCoder)
{
    Bytes nearlyRandom = testdata::randomBytes(FastBlockCoder::kBlockSize, 7);
    // Repeats just inside and just past the farthest distance a copy may reach.
    for (std::size_t at = 4200; at + 20 < nearlyRandom.size(); at += 97)
        std::copy_n(nearlyRandom.begin() + long(at - 4095 - at % 2), 20, nearlyRandom.begin() + long(at));
    Bytes runsAtEdges = testdata::text(FastBlockCoder::kBlockSize, 8);
    for (std::size_t i = 300; i + 40 < runsAtEdges.size(); i += 331)
        std::fill_n(runsAtEdges.begin() + long(i), 15 + i % 3, uint8_t(i));
    const Bytes sources[] = {testdata::text(FastBlockCoder::kBlockSize, 4), testdata::randomBytes(FastBlockCoder::kBlockSize, 5),
                             testdata::runs(FastBlockCoder::kBlockSize, 6), nearlyRandom, runsAtEdges,
                             repeat(FastBlockCoder::kBlockSize, 0)};
    for (const Bytes& source : sources) {
        for (const std::size_t n : {0, 1, 2, 3, 18, 31, 32, 33, 319, 320, 321, 4097, 29000, 32768}) {
            const Bytes in(source.begin(), source.begin() + long(n));
            EXPECT_EQ(packBlock(in), plainBlock(in)) << "source " << (&source - sources) << ", " << n << " bytes";
        }
    }
}

// Each expected block was written out by hand from the block format: flag
// 40, control words high byte first, items in order.
TEST(FastBlockCoder, CodesBlocksByteExact)
{
    Bytes sixteenTwice = bytesOf("abcdefghijklmnopabcdefghijklmnop");
    Bytes secondWord = bytes({0x40, 0x00, 0x00});
    secondWord.insert(secondWord.end(), sixteenTwice.begin(), sixteenTwice.begin() + 16);
    // 16 literals fill the first control word (all 0); the copy (distance
    // 16, length 16: K = 16*16 + 13 = 0x010D) opens a second one, 0x8000.
    for (const int b : {0x80, 0x00, 0x01, 0x0D})
        secondWord.push_back(uint8_t(b));

    const struct {
        const char* name;
        Bytes input;
        Bytes block;
    } cases[] = {
        {"empty input: stored, flag only", {}, bytes({0x80})},
        {"abc: coding would grow it, so stored", bytesOf("abc"), bytes({0x80, 'a', 'b', 'c'})},
        {"100 equal bytes: one run item, 100 - 16 = 0x54", repeat(100, 'x'),
         bytes({0x40, 0x80, 0x00, 0x00, 0x00, 0x54, 'x'})},
        {"16 equal bytes: shortest run", repeat(16, 'x'), bytes({0x40, 0x80, 0x00, 0x00, 0x00, 0x00, 'x'})},
        {"15 equal bytes: literal, then copy at distance 1 of 14 (K = 0x1B)", repeat(15, 'x'),
         bytes({0x40, 0x40, 0x00, 'x', 0x00, 0x1B})},
        {"4096 equal bytes: run capped at 4095 (R = 0x0FEF), then a literal", repeat(4096, 'x'),
         bytes({0x40, 0x80, 0x00, 0x00, 0x0F, 0xEF, 'x', 'x'})},
        {"abcdeabcde: coded form exactly as long as the input stays coded", bytesOf("abcdeabcde"),
         bytes({0x40, 0x04, 0x00, 'a', 'b', 'c', 'd', 'e', 0x00, 0x52})},
        {"abcdabcd: coded form one byte longer, stored", bytesOf("abcdabcd"),
         bytes({0x80, 'a', 'b', 'c', 'd', 'a', 'b', 'c', 'd'})},
        {"17 items: second control word in line", sixteenTwice, secondWord},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(packBlock(c.input), c.block) << c.name;
        Bytes plain;
        EXPECT_EQ(unpackBlock(c.block, plain), DecodeStatus::Ok) << c.name;
        EXPECT_EQ(plain, c.input) << c.name;
    }
}

TEST(FastBlockCoder, StoresRandomBlock)
{
    const Bytes input = testdata::randomBytes(FastBlockCoder::kBlockSize, 7);
    const Bytes block = packBlock(input);
    ASSERT_EQ(block.size(), input.size() + 1);
    EXPECT_EQ(block[0], FastBlockCoder::kFlagStored);
    EXPECT_TRUE(std::equal(input.begin(), input.end(), block.begin() + 1));
}

TEST(FastBlockCoder, MatchesNeverReachBackMoreThan4095)
{
    // "abc" recurs at distance 4096: too far, so the second one is literal.
    // At distance 4095 it is a copy.
    for (const std::size_t gap : {4095u, 4096u}) {
        Bytes input = bytesOf("abc");
        input.resize(gap, 0);
        for (std::size_t i = 3; i < gap; ++i)
            input[i] = uint8_t('0' + i % 7);  // never "abc", and no run
        input.insert(input.end(), {'a', 'b', 'c'});
        const Bytes block = packBlock(input);
        Bytes plain;
        ASSERT_EQ(unpackBlock(block, plain), DecodeStatus::Ok);
        EXPECT_EQ(plain, input);
        const bool endsInCopy = block[block.size() - 2] == uint8_t(gap >> 4) &&
                                block.back() == uint8_t((gap & 15) << 4);
        EXPECT_EQ(endsInCopy, gap == 4095) << gap;
    }
}

// A decoder fault here writes past the 32768-byte output or reads past the
// block; the guard tail and the sanitizer builds catch either.
TEST(FastBlockCoder, RejectsBlocksThatLeaveTheirBuffers)
{
    Bytes tooManyRuns = bytes({0x40, 0xFF, 0xFF});
    for (int i = 0; i < 9; ++i)  // 9 runs of 4111 bytes = 36999 > 32768
        tooManyRuns.insert(tooManyRuns.end(), {0x00, 0x0F, 0xFF, 'r'});
    Bytes storedTooLong(FastBlockCoder::kBlockSize + 2, 'x');
    storedTooLong[0] = FastBlockCoder::kFlagStored;
    Bytes literalsTooMany = bytes({0x40});
    for (std::size_t i = 0; i < FastBlockCoder::kBlockSize / 16 + 1; ++i) {
        literalsTooMany.insert(literalsTooMany.end(), {0x00, 0x00});
        literalsTooMany.insert(literalsTooMany.end(), 16, 'l');
    }

    const struct {
        const char* name;
        Bytes block;
        DecodeStatus status;
    } cases[] = {
        {"copy before the start of the output", bytes({0x40, 0x80, 0x00, 0x00, 0x10}), DecodeStatus::Inconsistent},
        {"copy one byte further back than written", bytes({0x40, 0x40, 0x00, 'a', 0x00, 0x20}),
         DecodeStatus::Inconsistent},
        {"runs past 32768 bytes", tooManyRuns, DecodeStatus::Inconsistent},
        {"literals past 32768 bytes", literalsTooMany, DecodeStatus::Inconsistent},
        {"stored block of 32769 bytes", storedTooLong, DecodeStatus::Inconsistent},
        {"control word cut short", bytes({0x40, 0x80}), DecodeStatus::Truncated},
        {"copy item cut short", bytes({0x40, 0x40, 0x00, 'a', 0x00}), DecodeStatus::Truncated},
        {"run item cut short", bytes({0x40, 0x80, 0x00, 0x00, 0x00, 0x10}), DecodeStatus::Truncated},
        {"second control word cut short", [] {
             Bytes b = bytes({0x40, 0x00, 0x00});
             b.insert(b.end(), 16, 'l');
             b.push_back(0x00);
             return b;
         }(),
         DecodeStatus::Truncated},
        {"second control word with no item after it", [] {
             Bytes b = bytes({0x40, 0x00, 0x00});
             b.insert(b.end(), 16, 'l');
             b.insert(b.end(), {0x00, 0x00});
             return b;
         }(),
         DecodeStatus::Truncated},
    };
    for (const auto& c : cases) {
        Bytes plain;
        EXPECT_EQ(unpackBlock(c.block, plain), c.status) << c.name;
    }
}

TEST(FastBlockCoder, OverlappingCopyRepeatsItsOwnOutput)
{
    // "ab", then a copy at distance 2 of length 6 ("ababab").
    Bytes plain;
    ASSERT_EQ(unpackBlock(bytes({0x40, 0x20, 0x00, 'a', 'b', 0x00, 0x23}), plain), DecodeStatus::Ok);
    EXPECT_EQ(plain, bytesOf("abababab"));
}

// The container around the blocks, as every reader of a tally file sees it.
TEST(lzrw1Compress, FastFilesByteExact)
{
    const struct {
        const char* name;
        Bytes input;
        Bytes file;
    } cases[] = {
        {"empty", {}, bytes({0x57, 0x52, 0x5A, 0x4C, 0, 0, 0, 0, 0x01, 0x00, 0x80})},
        {"abc", bytesOf("abc"), bytes({0x57, 0x52, 0x5A, 0x4C, 3, 0, 0, 0, 0x04, 0x00, 0x80, 'a', 'b', 'c'})},
        {"100 equal", repeat(100, 0x11),
         bytes({0x57, 0x52, 0x5A, 0x4C, 100, 0, 0, 0, 0x07, 0x00, 0x40, 0x80, 0x00, 0x00, 0x00, 0x54, 0x11})},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(lzrw1Compress(c.input, CompressMode::Fast), c.file) << c.name;
        EXPECT_EQ(lzrw1Decompress(c.file), c.input) << c.name;
    }
}

TEST(lzrw1Compress, FullBlockIsFollowedByAnEmptyOne)
{
    const Bytes input = testdata::text(FastBlockCoder::kBlockSize);
    const Bytes file = lzrw1Compress(input, CompressMode::Fast);
    const std::size_t first = file[8] | std::size_t(file[9]) << 8;
    ASSERT_EQ(file.size(), 8 + 2 + first + 3);
    EXPECT_EQ(Bytes(file.end() - 3, file.end()), bytes({0x01, 0x00, 0x80}));
    EXPECT_EQ(lzrw1Decompress(file), input);
}

TEST(lzrw1Compress, RandomInputIsStoredBlockByBlock)
{
    const Bytes input = testdata::randomBytes(1000, 9);
    const Bytes file = lzrw1Compress(input, CompressMode::Fast);
    ASSERT_EQ(file.size(), 8 + 2 + 1001u);
    EXPECT_EQ(Bytes(file.begin() + 4, file.begin() + 11), bytes({0xE8, 0x03, 0, 0, 0xE9, 0x03, 0x80}));
}

// The tally list writes this text when no game was ever played; the file
// must come out the same on every run and read back unchanged.
TEST(lzrw1Compress, EmptyTallyTextIsStable)
{
    const Bytes tally = testdata::emptyTally();
    ASSERT_EQ(tally.size(), 282u);
    const Bytes file = lzrw1Compress(tally, CompressMode::Fast);
    EXPECT_EQ(file, lzrw1Compress(tally, CompressMode::Fast));
    EXPECT_EQ(lzrw1Decompress(file), tally);
    // Pinned: a change here makes tally files of older builds differ.
    EXPECT_EQ(file, kEmptyTallyFile);
}
