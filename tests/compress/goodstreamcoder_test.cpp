// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "compress/testdata.h"
#include "core/compress/goodstreamcoder.h"
#include "core/compress/lzhtree.h"
#include "core/compress/lzrw1codec.h"

using testdata::bytes;
using testdata::bytesOf;
using testdata::Bytes;

namespace {
Bytes encodeGood(const Bytes& input)
{
    Bytes out;
    GoodStreamCoder::encode(input, out);
    return out;
}
} // namespace

// How the expected bytes were found, by hand, from the starting tree.
//
// The tree starts with the 314 leaves at nodes 0..313 (symbol = node) and
// node j >= 314 as the parent of nodes 2(j-314) and 2(j-314)+1, so the
// parent of node k is 314 + k/2 and a node's bit is k & 1. Frequencies start
// at 1 per leaf; inner nodes hold sums: 314..470 = 2, 471..548 = 4, 549 = 6,
// 550..587 = 8, 588 = 10, 589..607 = 16, 608 = 26, 609..617 = 32, 618 = 58,
// 619..622 = 64, 623 = 122, 624 = 128, 625 = 186, root 626 = 314.
//
// "a" (97): path 97,362,495,561,594,611,619,623,625; bits read root side
// first: 1 1 1 1 0 1 1 0 1 -> F6 80 after padding.
//
// After "a" is counted its node 97 (now 2) passes every leaf of 1 and swaps
// with node 313, the last of them; the sums above it grow without reordering.
// So a second "a" sits at node 313: path 313,470,549,588,608,618,623,625,
// bits 1 1 0 0 0 1 0 1 -> "aa" = F6 E2 80. "b" keeps node 98: path
// 98,363,495,...: 1 1 1 1 0 1 1 1 0 -> "ab" = F6 FB 80.
//
// "   ": the 60 strings that start in the spaces before the text are in the
// tree before coding. Unwritten ring bytes are 0, so the key at 4036 is
// "   " + zeros and every string of spaces differs from it at its 4th byte:
// all matches are 3 long and the first one met (4035, distance 1) wins.
// Symbol 256 (length 3): path 256,442,535,581,604,616,622,625, bits
// 1 0 0 0 1 1 0 0; position 0: code 000 and six bits 000000 -> 8C 00 00.
//
// "abcabc": literals a, b (node 98, as above) and c (node 99, same path as
// b with a last bit of 1: 1 1 1 1 0 1 1 1 1), then the copy of 3 at
// distance 3: symbol 256 as above, position 2 = 000 000010.
// -> F6 FB BD F1 80 20.
TEST(GoodStreamCoder, CodesShortInputsByteExact)
{
    const struct {
        const char* input;
        Bytes body;
    } cases[] = {
        {"a", bytes({0xF6, 0x80})},
        {"aa", bytes({0xF6, 0xE2, 0x80})},
        {"ab", bytes({0xF6, 0xFB, 0x80})},
        {"   ", bytes({0x8C, 0x00, 0x00})},
        {"abcabc", bytes({0xF6, 0xFB, 0xBD, 0xF1, 0x80, 0x20})},
    };
    for (const auto& c : cases) {
        const Bytes input = bytesOf(c.input);
        EXPECT_EQ(encodeGood(input), c.body) << c.input;
        Bytes plain;
        EXPECT_EQ(GoodStreamCoder::decode(c.body, input.size(), plain), DecodeStatus::Ok) << c.input;
        EXPECT_EQ(plain, input) << c.input;
    }
}

TEST(GoodStreamCoder, GoodFileCarriesItsIdentifierAndSize)
{
    EXPECT_EQ(lzrw1Compress(bytesOf("a"), CompressMode::Good), bytes({0x21, 0x48, 0x5A, 0x4C, 1, 0, 0, 0, 0xF6, 0x80}));
    EXPECT_EQ(lzrw1Compress({}, CompressMode::Good), bytes({0x21, 0x48, 0x5A, 0x4C, 0, 0, 0, 0}));
}

// Pins the nearest-of-equal-length rule: "xyz" occurs at distances 12 and 4
// before the last one, both matching exactly 3 bytes (the next bytes differ:
// '2', '1' and the unwritten 0). The search meets the far one first (the
// tree's top for 'x'), then the near one below it; the near one (position
// 3) must be sent, not the first found (position 11).
TEST(GoodStreamCoder, PrefersTheNearestOfEqualMatches)
{
    const Bytes input = bytesOf("xyz2abcdxyz1xyz");
    const Bytes body = encodeGood(input);
    Bytes plain;
    ASSERT_EQ(GoodStreamCoder::decode(body, input.size(), plain), DecodeStatus::Ok);
    ASSERT_EQ(plain, input);
    // Decode again with our own reading of the last symbol's position: the
    // final 9 bits before padding are the position code 000 and 000011 (3 = distance 4 - 1).
    const std::size_t totalBits = body.size() * 8;
    bool found = false;
    for (std::size_t end = totalBits; end + 8 > totalBits && end >= 9; --end) {
        uint32_t bits = 0;
        for (std::size_t i = end - 9; i < end; ++i)
            bits = bits << 1 | ((body[i / 8] >> (7 - i % 8)) & 1);
        bool padZero = true;
        for (std::size_t i = end; i < totalBits; ++i)
            padZero = padZero && ((body[i / 8] >> (7 - i % 8)) & 1) == 0;
        if (padZero && bits == 0b000000011)
            found = true;
    }
    EXPECT_TRUE(found);
}

// The upper six bits of a match position go out in a fixed canonical code:
// one code of 3 bits, then 3 of 4, 8 of 5, 12 of 6, 24 of 7 and 16 of 8
// bits, each the previous plus one (shifted left when the length grows). So
// 0 -> 000, 1 -> 0010, 4 -> 01010, 12 -> 100100, 24 -> 1100000,
// 47 -> 1110111, 48 -> 11110000, 63 -> 11111111.
// Each input ends in a match of "xyz" at a chosen distance; its position
// code and six low bits are the last bits before the zero padding.
TEST(GoodStreamCoder, SendsMatchPositionsInTheFixedCode)
{
    const struct {
        int position;
        const char* bits;
    } cases[] = {
        {0 * 64 + 45, "000" "101101"},      {1 * 64 + 45, "0010" "101101"},
        {4 * 64 + 45, "01010" "101101"},    {12 * 64 + 45, "100100" "101101"},
        {24 * 64 + 45, "1100000" "101101"}, {47 * 64 + 45, "1110111" "101101"},
        {48 * 64 + 45, "11110000" "101101"}, {63 * 64 + 1, "11111111" "000001"},
    };
    for (const auto& c : cases) {
        const Bytes filler = testdata::randomBytes(std::size_t(c.position + 1 - 3), uint32_t(c.position));
        Bytes input = bytesOf("xyz");
        for (const uint8_t b : filler)
            input.push_back(b == 'x' ? 'y' : b);  // no other string starts with 'x'
        input.insert(input.end(), {'x', 'y', 'z'});
        const Bytes body = encodeGood(input);

        std::string stream;
        for (const uint8_t b : body)
            for (int i = 7; i >= 0; --i)
                stream += char('0' + ((b >> i) & 1));
        const std::size_t end = stream.find_last_of('1') + 1;
        EXPECT_LT(stream.size() - end, 8u) << c.position;
        const std::string expected = c.bits;
        ASSERT_GE(end, expected.size());
        EXPECT_EQ(stream.substr(end - expected.size(), expected.size()), expected) << c.position;

        Bytes plain;
        ASSERT_EQ(GoodStreamCoder::decode(body, input.size(), plain), DecodeStatus::Ok);
        EXPECT_EQ(plain, input);
    }
}

// A code deeper than 16 bits must reach the stream whole. Eight symbols
// counted with Fibonacci-like frequencies above the ~300 never-seen ones
// (one count each) form a chain that hangs those deep; the bits of every
// code must still lead from the root to its leaf.
TEST(LzhTree, CodesLongerThan16BitsAreWhole)
{
    constexpr int kChain = 8;
    LzhTree tree;
    int older = LzhTree::kSymbols - kChain;  // the unseen leaves together
    int weight = older + 5;
    for (int symbol = 0; symbol < kChain; ++symbol) {
        for (int n = 1; n < weight; ++n)
            tree.update(symbol);
        const int next = weight + older + 5;
        older = weight;
        weight = next;
    }
    std::array<uint8_t, LzhTree::kNodes> bits{};
    int deepest = 0;
    for (int c = 0; c < LzhTree::kSymbols; ++c) {
        const int length = tree.code(c, bits);
        deepest = std::max(deepest, length);
        int node = LzhTree::kRoot;
        for (int i = 0; i < length; ++i)
            node = tree.child(node) + bits[std::size_t(i)];
        EXPECT_EQ(node, tree.leaf(c)) << c;
    }
    EXPECT_GT(deepest, 16);
}

TEST(GoodStreamCoder, RejectsStreamsThatRunOnOrOvershoot)
{
    Bytes plain;
    // Symbol 256 first (a 3-byte match) when only 2 bytes are wanted.
    EXPECT_EQ(GoodStreamCoder::decode(bytes({0x8C, 0x00, 0x00}), 2, plain), DecodeStatus::Inconsistent);
    // Two bytes of stream cannot hold a million symbols: it must stop soon
    // after the stream ends instead of decoding zero bits for ever.
    plain.clear();
    EXPECT_EQ(GoodStreamCoder::decode(bytes({0xF6, 0x80}), 1'000'000, plain), DecodeStatus::Truncated);
    EXPECT_LT(plain.size(), 1000u);
}
