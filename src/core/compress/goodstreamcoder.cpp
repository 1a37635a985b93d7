// SPDX-License-Identifier: MIT
#include "core/compress/goodstreamcoder.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

#include "core/compress/lzhmatchfinder.h"
#include "core/compress/lzhtree.h"

namespace {
constexpr int kRingSize = LzhMatchFinder::kRingSize;
constexpr int kRingMask = kRingSize - 1;
constexpr int kMaxMatch = LzhMatchFinder::kMaxMatch;
constexpr int kThreshold = LzhMatchFinder::kThreshold;
constexpr int kStart = kRingSize - kMaxMatch;
// A match of length l is sent as symbol l + kLengthBias.
constexpr int kLengthBias = 255 - kThreshold;
constexpr int kLowPositionBits = 6;
constexpr std::size_t kProgressStep = 32768;
constexpr std::size_t kOutputChunk = GoodStreamCoder::kOutputChunk;
// A valid stream is never read past its last byte; past this many bytes of
// zero padding the decoder is only chasing garbage.
constexpr std::size_t kMaxPaddingBytes = 16;

// The fixed prefix code of the upper six bits of a match position: a
// canonical code with 1, 3, 8, 12, 24 and 16 codes of 3 to 8 bits.
struct PositionCode {
    std::array<uint8_t, 64> length{};
    std::array<uint8_t, 64> code{};          // left-aligned in 8 bits
    std::array<uint8_t, 256> decodeValue{};  // by the next 8 bits of the stream
    std::array<uint8_t, 256> decodeLength{};

    constexpr PositionCode()
    {
        constexpr std::array<int, 6> countsByLength{1, 3, 8, 12, 24, 16};
        int value = 0;
        unsigned next = 0;
        for (int bits = 3; bits <= 8; ++bits) {
            for (int n = 0; n < countsByLength[std::size_t(bits - 3)]; ++n, ++value, ++next) {
                length[std::size_t(value)] = uint8_t(bits);
                code[std::size_t(value)] = uint8_t(next << (8 - bits));
                for (unsigned tail = 0; tail < (1u << (8 - bits)); ++tail) {
                    decodeValue[(next << (8 - bits)) | tail] = uint8_t(value);
                    decodeLength[(next << (8 - bits)) | tail] = uint8_t(bits);
                }
            }
            next <<= 1;
        }
    }
};
constexpr PositionCode kPositionCode;

// Gathers the bits of the stream and hands them on a chunk at a time.
class BitWriter {
public:
    explicit BitWriter(const GoodStreamCoder::Write& out) : m_out(out) { m_bytes.reserve(kOutputChunk + 8); }
    // count at most 32
    void put(uint32_t value, int count)
    {
        m_bits = m_bits << count | value;
        m_count += count;
        while (m_count >= 8) {
            m_count -= 8;
            m_bytes.push_back(uint8_t(m_bits >> m_count));
        }
        if (m_bytes.size() >= kOutputChunk)
            hand();
    }
    void flush()
    {
        if (m_count > 0)
            m_bytes.push_back(uint8_t(m_bits << (8 - m_count)));
        m_count = 0;
        hand();
    }
    [[nodiscard]] std::size_t written() const { return m_handed + m_bytes.size(); }

private:
    void hand()
    {
        if (m_bytes.empty())
            return;
        m_out(m_bytes);
        m_handed += m_bytes.size();
        m_bytes.clear();
    }
    const GoodStreamCoder::Write& m_out;
    std::vector<uint8_t> m_bytes;
    std::size_t m_handed = 0;
    uint64_t m_bits = 0;
    int m_count = 0;
};

// The input of the encoder, a byte at a time.
class ByteReader {
public:
    explicit ByteReader(const GoodStreamCoder::Pieces& in) : m_in(in) {}
    bool next(uint8_t& c)
    {
        if (m_next == m_end && !fetch())
            return false;
        c = *m_next++;
        ++m_read;
        return true;
    }
    [[nodiscard]] std::size_t read() const { return m_read; }

private:
    bool fetch()
    {
        if (m_ended)
            return false;
        const auto piece = m_in();
        m_ended = piece.empty();
        m_next = piece.data();
        m_end = piece.data() + piece.size();
        return !m_ended;
    }
    const GoodStreamCoder::Pieces& m_in;
    const uint8_t* m_next = nullptr;
    const uint8_t* m_end = nullptr;
    std::size_t m_read = 0;
    bool m_ended = false;
};

class BitReader {
public:
    explicit BitReader(const GoodStreamCoder::Pieces& in) : m_in(in) {}

    // At least this many bits are valid in window().
    static constexpr int kWindowBits = 57;

    // The next bits, most significant first; past the end of the input they are 0.
    uint64_t window()
    {
        if (m_count < kWindowBits)
            refill();
        return m_bits;
    }
    unsigned peekByte() { return unsigned(window() >> 56); }
    void skip(int count)
    {
        m_bits <<= count;
        m_count -= count;
    }
    unsigned bits(int count)
    {
        const auto v = unsigned(window() >> (64 - count));
        skip(count);
        return v;
    }
    [[nodiscard]] bool overrun() const { return m_padding > kMaxPaddingBytes; }

private:
    void refill()
    {
        while (m_count <= 56) {
            uint64_t byte = 0;
            if (m_next != m_end || fetch())
                byte = *m_next++;
            else
                ++m_padding;
            m_bits |= byte << (56 - m_count);
            m_count += 8;
        }
    }
    bool fetch()
    {
        if (m_ended)
            return false;
        const auto piece = m_in();
        m_ended = piece.empty();
        m_next = piece.data();
        m_end = piece.data() + piece.size();
        m_read += piece.size();
        return !m_ended;
    }

public:
    // Bytes taken from the input so far.
    [[nodiscard]] std::size_t read() const { return m_read; }

private:
    const GoodStreamCoder::Pieces& m_in;
    const uint8_t* m_next = nullptr;
    const uint8_t* m_end = nullptr;
    std::size_t m_read = 0;
    bool m_ended = false;
    uint64_t m_bits = 0;
    int m_count = 0;
    std::size_t m_padding = 0;
};

// Sends symbol c with its current code, whole however deep the leaf lies,
// then counts it.
void encodeSymbol(LzhTree& tree, BitWriter& out, int c)
{
    uint64_t word = 0;
    int length = tree.shortCode(c, word);
    if (length > 32) {
        out.put(uint32_t(word >> 32), length - 32);
        length = 32;
    }
    if (length > 0) {
        out.put(uint32_t(word), length);
    } else {
        std::array<uint8_t, LzhTree::kNodes> bits;
        length = tree.code(c, bits);
        for (int i = 0; i < length; ++i)
            out.put(bits[std::size_t(i)], 1);
    }
    tree.update(c);
}

// Walks from the root to a leaf: the first levels in one step from the
// tree's table, then one bit per level, taking the bits from the reader's
// window so that it refills once per symbol, not per bit. The nodes walked
// are the ones the count update climbs back up.
int decodeSymbol(LzhTree& tree, BitReader& in)
{
    std::array<int16_t, LzhTree::kNodes + LzhTree::kTopBits> path;
    path[0] = LzhTree::kRoot;
    // The first levels in one step from the table.
    const auto& top = tree.top(unsigned(in.window() >> (64 - LzhTree::kTopBits)));
    std::copy(top.path.begin(), top.path.end(), path.begin() + 1);
    int depth = 1 + top.depth;
    in.skip(top.depth);
    int node = top.next;
    while (node < LzhTree::kNodes) {
        uint64_t window = in.window();
        int used = 0;
        while (node < LzhTree::kNodes && used < BitReader::kWindowBits) {
            node += int(window >> 63);
            path[std::size_t(depth++)] = int16_t(node);
            node = tree.child(node);
            window <<= 1;
            ++used;
        }
        in.skip(used);
    }
    tree.updateAlong(path.data(), depth);
    return node - LzhTree::kNodes;
}

// Wide moves may run this far past a match's end in the ring; those bytes
// lie outside it and are never read as part of it.
constexpr int kCopySlack = 16;

// Copies a match of count bytes inside the ring, neither end wrapping. The
// source may overlap the bytes being written; when it lies at most 15 bytes
// behind them, bytes written earlier in the match are read again, so those
// go one at a time. A source ahead of them is read before it is overwritten,
// which each 16-byte move (a load, then a store) keeps true.
inline void copyMatch(uint8_t* to, const uint8_t* from, int count)
{
    if (to - from > 0 && to - from < 16) {
        for (int k = 0; k < count; ++k)
            to[k] = from[k];
        return;
    }
    for (int k = 0; k < count; k += 16)
        std::memmove(to + k, from + k, 16);
}

void encodePosition(BitWriter& out, int position)
{
    const auto upper = std::size_t(position >> kLowPositionBits);
    const int length = kPositionCode.length[upper];
    out.put(uint32_t(kPositionCode.code[upper] >> (8 - length)), length);
    out.put(uint32_t(position & ((1 << kLowPositionBits) - 1)), kLowPositionBits);
}

int decodePosition(BitReader& in)
{
    const unsigned next = in.peekByte();
    in.skip(kPositionCode.decodeLength[next]);
    return int(kPositionCode.decodeValue[next]) << kLowPositionBits | int(in.bits(kLowPositionBits));
}

struct EncoderTables {
    LzhMatchFinder dictionary;
    LzhTree tree;
};
} // namespace

GoodStreamCoder::Pieces GoodStreamCoder::whole(std::span<const uint8_t> bytes)
{
    return [bytes, given = false]() mutable {
        if (given)
            return std::span<const uint8_t>();
        given = true;
        return bytes;
    };
}

void GoodStreamCoder::encode(std::span<const uint8_t> in, std::vector<uint8_t>& out, const Progress& progress)
{
    const std::size_t base = out.size();
    encode(whole(in), [&out](std::span<const uint8_t> piece) { out.insert(out.end(), piece.begin(), piece.end()); },
           progress ? Progress([&](std::size_t read, std::size_t written) { progress(read, base + written); })
                    : Progress());
}

std::size_t GoodStreamCoder::encode(const Pieces& in, const Write& out, const Progress& progress)
{
    ByteReader input(in);
    uint8_t c = 0;
    if (!input.next(c))
        return 0;
    auto tables = std::make_unique<EncoderTables>();
    LzhMatchFinder& dict = tables->dictionary;
    LzhTree& tree = tables->tree;
    BitWriter bits(out);

    int s = 0;
    int r = kStart;
    int len = 0;
    dict.put(r + len++, c);
    for (; len < kMaxMatch && input.next(c); ++len)
        dict.put(r + len, c);
    // The strings of spaces before the first byte are in the tree from the
    // start, so the text may open with a match into them.
    for (int i = 1; i <= kMaxMatch; ++i)
        dict.insert(r - i);
    dict.insert(r);

    std::size_t nextReport = kProgressStep;
    bool more = true;
    do {
        int matchLength = std::min(dict.matchLength(), len);
        if (matchLength <= kThreshold) {
            matchLength = 1;
            encodeSymbol(tree, bits, dict.at(r));
        } else {
            encodeSymbol(tree, bits, kLengthBias + matchLength);
            encodePosition(bits, dict.matchPosition());
        }
        int i = 0;
        for (; i < matchLength && more && (more = input.next(c)); ++i) {
            dict.remove(s);
            dict.put(s, c);
            s = (s + 1) & kRingMask;
            r = (r + 1) & kRingMask;
            dict.insert(r);
        }
        for (; i < matchLength; ++i) {
            dict.remove(s);
            s = (s + 1) & kRingMask;
            r = (r + 1) & kRingMask;
            if (--len != 0)
                dict.insert(r);
        }
        if (progress && input.read() >= nextReport) {
            progress(input.read(), bits.written());
            nextReport = input.read() + kProgressStep;
        }
    } while (len > 0);
    bits.flush();
    return input.read();
}

DecodeStatus GoodStreamCoder::decode(std::span<const uint8_t> in, std::size_t size, std::vector<uint8_t>& out,
                          const Progress& progress)
{
    return decode(whole(in), size, [&out](std::span<const uint8_t> piece) {
        out.insert(out.end(), piece.begin(), piece.end());
    }, progress);
}

DecodeStatus GoodStreamCoder::decode(const Pieces& in, std::size_t size, const Write& out, const Progress& progress)
{
    if (size == 0)
        return DecodeStatus::Ok;
    auto tree = std::make_unique<LzhTree>();
    // Past the spaces the ring starts at 0; a valid stream writes those
    // bytes before it copies from them.
    std::array<uint8_t, kRingSize + kCopySlack> ring{};
    std::fill_n(ring.begin(), kStart, uint8_t(' '));
    BitReader bits(in);

    // Output gathers here and goes out a chunk at a time.
    std::array<uint8_t, kOutputChunk + kMaxMatch> chunk;
    std::size_t pending = 0;
    std::size_t produced = 0;
    std::size_t nextReport = kProgressStep;
    int r = kStart;
    while (produced < size) {
        const int c = decodeSymbol(*tree, bits);
        if (c < 256) {
            chunk[pending++] = uint8_t(c);
            ring[std::size_t(r)] = uint8_t(c);
            r = (r + 1) & kRingMask;
            ++produced;
        } else {
            int from = (r - decodePosition(bits) - 1) & kRingMask;
            const int length = c - kLengthBias;
            if (std::size_t(length) > size - produced)
                return DecodeStatus::Inconsistent;
            if (r + length <= kRingSize && from + length <= kRingSize) {
                copyMatch(ring.data() + r, ring.data() + from, length);
                std::copy_n(ring.data() + r, length, chunk.data() + pending);
                pending += std::size_t(length);
                r = (r + length) & kRingMask;
            } else {
                for (int k = 0; k < length; ++k) {
                    const uint8_t b = ring[std::size_t(from)];
                    chunk[pending++] = b;
                    ring[std::size_t(r)] = b;
                    r = (r + 1) & kRingMask;
                    from = (from + 1) & kRingMask;
                }
            }
            produced += std::size_t(length);
        }
        if (bits.overrun())
            return DecodeStatus::Truncated;
        if (pending >= kOutputChunk) {
            out(std::span(chunk.data(), pending));
            pending = 0;
            if (progress && produced >= nextReport) {
                progress(bits.read(), produced);
                nextReport = produced + kProgressStep;
            }
        }
    }
    out(std::span(chunk.data(), pending));
    return DecodeStatus::Ok;
}
