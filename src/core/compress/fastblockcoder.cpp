// SPDX-License-Identifier: MIT
#include "core/compress/fastblockcoder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {
constexpr std::size_t kMinRun = 16;
constexpr std::size_t kMaxRun = 4095;
constexpr std::size_t kMinMatch = 3;
constexpr std::size_t kMaxMatch = 18;
constexpr std::size_t kMaxDistance = 4095;
constexpr int kItemsPerControlWord = 16;
// Literal stretches are at most 16 bytes; moving a fixed 16 (when both
// buffers have the room) beats a call sized to each stretch.
constexpr std::size_t kWideCopy = 16;

// The hash of the three bytes at p. Only the low 16 bits of the value
// reach the hash's bits, which lets eight of them be worked out in 16-bit lanes.
inline std::size_t hashOf(const uint8_t* p)
{
    const uint32_t v = ((uint32_t(p[0]) << 4 ^ p[1]) << 4) ^ p[2];
    return (v * 40543u >> 4) & 0xFFF;
}

// Whether the first three bytes at a and b agree; at least three bytes
// remain at a (and more before it at b, which lies earlier in the block).
static_assert(std::endian::native == std::endian::little, "the three-byte test reads a little-endian word");

inline bool startsAlike(const uint8_t* a, const uint8_t* b, std::size_t remaining)
{
    if (remaining >= 4) {
        uint32_t x = 0;
        uint32_t y = 0;
        std::memcpy(&x, a, 4);
        std::memcpy(&y, b, 4);
        return ((x ^ y) & 0x00FFFFFFu) == 0;
    }
    return a[0] == b[0] && a[1] == b[1] && a[2] == b[2];
}

// How far the bytes at a and b agree, from 3 (known) up to 18, stopping
// where the input ends remaining bytes after a.
inline std::size_t matchLength(const uint8_t* a, const uint8_t* b, std::size_t remaining)
{
    // Two words cover bytes 3 to 18 when the input reaches that far.
    if (remaining >= kMinMatch + 16) {
        uint64_t x = 0;
        uint64_t y = 0;
        std::memcpy(&x, a + kMinMatch, 8);
        std::memcpy(&y, b + kMinMatch, 8);
        if (x != y)
            return kMinMatch + std::size_t(std::countr_zero(x ^ y)) / 8;
        std::memcpy(&x, a + kMinMatch + 8, 8);
        std::memcpy(&y, b + kMinMatch + 8, 8);
        if (x != y)
            return std::min(kMaxMatch, kMinMatch + 8 + std::size_t(std::countr_zero(x ^ y)) / 8);
        return kMaxMatch;
    }
    const std::size_t limit = std::min(kMaxMatch, remaining);
    std::size_t k = kMinMatch;
    while (k < limit && a[k] == b[k])
        ++k;
    return k;
}

// The same without a branch, where at least 19 bytes follow a: a match's
// length is as hard to foresee as whether there is one.
inline std::size_t matchLengthAhead(const uint8_t* a, const uint8_t* b)
{
    uint64_t x = 0;
    uint64_t y = 0;
    std::memcpy(&x, a + kMinMatch, 8);
    std::memcpy(&y, b + kMinMatch, 8);
    const auto near = std::size_t(std::countr_zero(x ^ y)) / 8;  // 8 when all agree
    std::memcpy(&x, a + kMinMatch + 8, 8);
    std::memcpy(&y, b + kMinMatch + 8, 8);
    const auto far = std::min(std::size_t(std::countr_zero(x ^ y)) / 8, kMaxMatch - kMinMatch - 8);
    return kMinMatch + near + (near == 8 ? far : 0);
}

inline void putWord(uint8_t* at, uint32_t word)
{
    at[0] = uint8_t(word >> 8);
    at[1] = uint8_t(word);
}

inline std::size_t runLength(const uint8_t* src, std::size_t x, std::size_t n)
{
    const std::size_t limit = std::min(n - x, kMaxRun);
    const uint8_t value = src[x];
    std::size_t count = 1;
    while (count < limit && src[x + count] == value)
        ++count;
    return count;
}

// Far enough from the block's end for the unchecked item: the run test
// reads 16 bytes and the match length 19.
constexpr std::size_t kFastReach = 32;
// The same for all the items of a control word, none of them a run, and
// the most output they give, their control word included.
constexpr std::size_t kPackGroupReach = kItemsPerControlWord * kMaxMatch + kFastReach;
constexpr std::size_t kPackGroupOutput = 2 + kItemsPerControlWord * 4;

inline uint64_t load64(const uint8_t* p)
{
    uint64_t v = 0;
    std::memcpy(&v, p, 8);
    return v;
}

inline uint32_t load32(const uint8_t* p)
{
    uint32_t v = 0;
    std::memcpy(&v, p, 4);
    return v;
}

// The hashes of the positions just ahead, worked out eight at a time: most
// positions are looked up, and one at a time the hash is a third of the
// work of a position that stays a literal.
class HashesAhead {
public:
    // Makes the hashes of positions from to before until available; reads
    // up to 9 bytes past until.
    void cover(const uint8_t* s, std::size_t from, std::size_t until)
    {
        if (m_until >= until)
            return;
        // Whole groups of eight keep each group's slots together in the ring.
        std::size_t q = std::max(m_until, from) & ~std::size_t(7);
        for (; q < until; q += 8)
            hashEight(s, q);
        m_until = q;
    }
    [[nodiscard]] uint16_t operator[](std::size_t position) const { return m_ring[position % kRing]; }

private:
    static constexpr std::size_t kRing = 512;
    static_assert(kRing >= kPackGroupReach + 8);

    void hashEight(const uint8_t* s, std::size_t q)
    {
        uint16_t* out = m_ring.data() + q % kRing;
#if defined(__SSE2__)
        const __m128i zero = _mm_setzero_si128();
        const auto lanes = [&](std::size_t at) {
            return _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(s + at)), zero);
        };
        const __m128i value = _mm_xor_si128(_mm_xor_si128(_mm_slli_epi16(lanes(q), 8), _mm_slli_epi16(lanes(q + 1), 4)),
                                            lanes(q + 2));
        const __m128i hash = _mm_srli_epi16(_mm_mullo_epi16(value, _mm_set1_epi16(int16_t(40543))), 4);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), hash);
#else
        for (std::size_t k = 0; k < 8; ++k)
            out[k] = uint16_t(hashOf(s + q + k));
#endif
    }

    std::array<uint16_t, kRing> m_ring;
    std::size_t m_until = 0;
};
// A block's items as they are written: the control word being filled,
// where it goes, and the items' bytes after it.
struct ItemWriter {
    uint8_t* dst;
    std::size_t y = 3;  // the next item's first byte
    std::size_t z = 1;  // the control word's place
    uint32_t control = 0;
    int items = 0;

    // Opens an item; the 17th opens a new control word before it.
    void next()
    {
        if (items == kItemsPerControlWord) {
            putWord(dst + z, control);
            z = y;
            y += 2;
            items = 0;
        }
        ++items;
    }
    void run(std::size_t length, uint8_t value)
    {
        dst[y] = 0;
        putWord(dst + y + 1, uint32_t(length - kMinRun));
        dst[y + 3] = value;
        y += 4;
        control = control << 1 | 1;
    }
    void copy(std::size_t distance, std::size_t length)
    {
        putWord(dst + y, uint32_t(distance << 4 | (length - kMinMatch)));
        y += 2;
        control = control << 1 | 1;
    }
    void literal(uint8_t value)
    {
        dst[y++] = value;
        control <<= 1;
    }
    // The last control word, its unused items as literals.
    void finish() { putWord(dst + z, items == 0 ? 0 : control << (kItemsPerControlWord - items)); }
};
} // namespace

std::size_t FastBlockCoder::compressBlock(std::span<const uint8_t> src, uint8_t* dst)
{
    const std::size_t n = src.size();
    const uint8_t* s = src.data();
    // An empty entry lies 32768 or more before any position, so the
    // distance test alone turns it down.
    m_hash.fill(kEmpty);

    dst[0] = kFlagCompressed;
    ItemWriter out{dst};
    std::size_t x = 0;
    // Most of the block lies far enough from its end that no item of a
    // whole control word needs a bounds check, nor can the output pass the
    // input's size within it; the decisions are those of the checked loop
    // below. A run may jump far ahead, so it ends the stretch of items.
    HashesAhead ahead;
    while (x + kPackGroupReach <= n && out.y + kPackGroupOutput <= n) {
        ahead.cover(s, x, x + kItemsPerControlWord * kMaxMatch);
        do {
            out.next();
            const uint8_t* p = s + x;
            const uint64_t head = load64(p);
            const uint64_t same = (head & 0xFF) * 0x0101010101010101u;
            if (head == same && load64(p + 8) == same) [[unlikely]] {
                const std::size_t run = runLength(s, x, n);
                out.run(run, *p);
                x += run;
                break;
            }
            int16_t& entry = m_hash[ahead[x]];
            // Read as unsigned, an empty entry (32768) lies after every
            // position, so its distance is past any limit; its low 15 bits
            // read the block's first bytes, which the distance then turns down.
            const auto seen = uint16_t(entry);
            const std::size_t distance = x - seen;
            entry = int16_t(x);
            const uint8_t* candidate = s + (seen & 0x7FFF);
            // One branch for both tests: on data that does not repeat, the
            // distance test alone goes either way at random, while a match is rare.
            if ((((uint32_t(head) ^ load32(candidate)) & 0x00FFFFFFu) | uint32_t(distance > kMaxDistance)) == 0) {
                const std::size_t length = matchLengthAhead(p, candidate);
                out.copy(distance, length);
                x += length;
            } else {
                out.literal(uint8_t(head));
                ++x;
            }
        } while (out.items < kItemsPerControlWord);
    }
    while (x < n && out.y <= n) {
        out.next();
        // Most bytes differ from the next one, which rules out a run at once.
        const std::size_t run = (x + 1 < n && s[x + 1] == s[x]) ? runLength(s, x, n) : 1;
        if (run >= kMinRun) {
            out.run(run, s[x]);
            x += run;
            continue;
        }
        // The last two positions cannot start a match of three bytes; the
        // hash entry they would set is never looked at again in this block.
        if (x + 2 < n) {
            int16_t& entry = m_hash[hashOf(s + x)];
            const std::size_t distance = x - std::size_t(std::ptrdiff_t(entry));
            entry = int16_t(x);
            if (distance <= kMaxDistance && startsAlike(s + x, s + x - distance, n - x)) {
                const std::size_t length = matchLength(s + x, s + x - distance, n - x);
                out.copy(distance, length);
                x += length;
                continue;
            }
        }
        out.literal(s[x++]);
    }
    out.finish();

    if (out.y > n) {
        dst[0] = kFlagStored;
        if (n != 0)
            std::memcpy(dst + 1, s, n);
        return n + 1;
    }
    return out.y;
}

namespace {
// A control word's 16 items take at most 4 bytes each, and the wide literal
// copy reads 16 bytes at the last item's start.
constexpr std::size_t kGroupInput = kItemsPerControlWord * 4 + kWideCopy;
// 16 longest copies, and after them the wide literal move of 16 bytes.
constexpr std::size_t kGroupOutput = kItemsPerControlWord * kMaxMatch + kWideCopy;

// The items still to decode of one control word: their bits from bit 31
// down (0 a literal, 1 a copy or a run), then a 1 bit that stops the count
// of leading literals at the last item; and how many items there are.
constexpr uint32_t kLastItemMark = 1u << 15;
struct Items {
    uint32_t bits;
    int left;
};

// For a distance d under 8: k % d for the first 8 bytes, and the largest
// multiple of d that is at most 8.
constexpr auto kPatternPhase = [] {
    std::array<std::array<uint8_t, 8>, 8> phase{};
    for (std::size_t d = 1; d < 8; ++d)
        for (std::size_t k = 0; k < 8; ++k)
            phase[d][k] = uint8_t(k % d);
    return phase;
}();
constexpr std::array<std::size_t, 8> kPatternStep{0, 8, 8, 6, 8, 5, 6, 7};

// Copies count (3 to 18) bytes from distance bytes back, which may overlap
// what it writes; may write up to 23 bytes at out.
[[gnu::always_inline]] inline void wideCopy(uint8_t* out, std::size_t distance, std::size_t count)
{
    const uint8_t* from = out - distance;
    if (distance >= 16) {
        // Bytes 0-15, then 2-17: the second move may read what the first
        // wrote (at distances 16 and 17), which it then finds in place.
        std::memcpy(out, from, 16);
        std::memcpy(out + 2, from + 2, 16);
    } else if (distance >= 8) {
        std::memcpy(out, from, 8);
        std::memcpy(out + 8, from + 8, 8);
        std::memcpy(out + 10, from + 10, 8);
    } else {
        // A distance under 8 repeats its last distance bytes: 8 bytes of that
        // pattern, read only from what is already there, are stored again at
        // each multiple of the distance.
        std::array<uint8_t, 8> pattern;
        for (std::size_t k = 0; k < 8; ++k)
            pattern[k] = from[kPatternPhase[distance][k]];
        for (std::size_t k = 0; k < count; k += kPatternStep[distance])
            std::memcpy(out + k, pattern.data(), 8);
    }
}

// Decodes items of one control word with a single bounds check for all of
// them: the caller saw kGroupInput bytes of block and kGroupOutput bytes of
// room. Returns with items left only when a run took the room the rest
// might need; those go through the checked loop.
[[gnu::always_inline]] inline DecodeStatus decodeGroup(const uint8_t* s, std::size_t& x, uint8_t* out,
                                                       std::size_t& y, std::size_t capacity, Items& items)
{
    for (;;) {
        // The literals up front in one move.
        const int literals = std::countl_zero(items.bits);
        std::memcpy(out + y, s + x, kWideCopy);
        x += std::size_t(literals);
        y += std::size_t(literals);
        items.left -= literals;
        items.bits <<= literals;
        if (items.left == 0)
            return DecodeStatus::Ok;
        const std::size_t word = std::size_t(s[x]) << 8 | s[x + 1];
        const std::size_t distance = word >> 4;
        items.bits <<= 1;
        --items.left;
        if (distance == 0) {
            const std::size_t run = (word << 8 | s[x + 2]) + kMinRun;
            if (run > capacity - y)
                return DecodeStatus::Inconsistent;
            std::memset(out + y, s[x + 3], run);
            y += run;
            x += 4;
            if (capacity - y < kGroupOutput)
                return DecodeStatus::Ok;
            continue;
        }
        // A distance past what this block has written would read before its output.
        if (distance > y)
            return DecodeStatus::Inconsistent;
        const std::size_t count = (word & 0x0F) + kMinMatch;
        wideCopy(out + y, distance, count);
        y += count;
        x += 2;
    }
}

// The same items, each checked against both ends; used near the end of the
// block or of the output, where a group may not fit.
[[gnu::always_inline]] inline DecodeStatus decodeChecked(const uint8_t* s, std::size_t& x, std::size_t length,
                                                         uint8_t* out, std::size_t& y, std::size_t capacity,
                                                         Items& items)
{
    while (items.left > 0 && x < length) {
        // The last control word's spare bits are 0 too, so the block end caps the literals.
        const auto literals =
            std::min({std::size_t(std::countl_zero(items.bits)), std::size_t(items.left), length - x});
        if (literals > 0) {
            if (literals > capacity - y)
                return DecodeStatus::Inconsistent;
            std::memcpy(out + y, s + x, literals);
            x += literals;
            y += literals;
            items.left -= int(literals);
            items.bits <<= literals;
            continue;
        }
        if (length - x < 2)
            return DecodeStatus::Truncated;
        const std::size_t word = std::size_t(s[x]) << 8 | s[x + 1];
        const std::size_t distance = word >> 4;
        if (distance == 0) {
            if (length - x < 4)
                return DecodeStatus::Truncated;
            const std::size_t run = (word << 8 | s[x + 2]) + kMinRun;
            if (run > capacity - y)
                return DecodeStatus::Inconsistent;
            std::memset(out + y, s[x + 3], run);
            y += run;
            x += 4;
        } else {
            const std::size_t count = (word & 0x0F) + kMinMatch;
            if (distance > y || count > capacity - y)
                return DecodeStatus::Inconsistent;
            const uint8_t* from = out + y - distance;
            for (std::size_t k = 0; k < count; ++k)
                out[y + k] = from[k];
            y += count;
            x += 2;
        }
        items.bits <<= 1;
        --items.left;
    }
    return DecodeStatus::Ok;
}

// Counting the literals ahead of each copy lies on every item's path, and
// the baseline x86-64 set counts leading zeros slowly (BSR, then a fix-up).
// Processors of the x86-64-v3 level (LZCNT among much else) get a copy of
// the decoder of their own, picked once when the program loads; it decodes
// half as fast again.
// ThreadSanitizer instruments the resolver, which then runs before its
// runtime is up and crashes the program at load.
#if defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define PELBIX_THREAD_SANITIZER
#endif
#endif
#if defined(__SANITIZE_THREAD__)
#define PELBIX_THREAD_SANITIZER
#endif
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__)) && !defined(PELBIX_THREAD_SANITIZER)
#define PELBIX_V3_CLONE __attribute__((target_clones("arch=x86-64-v3", "default")))
#else
#define PELBIX_V3_CLONE
#endif

PELBIX_V3_CLONE
DecodeStatus decodeBlock(std::span<const uint8_t> block, std::span<uint8_t> dst, std::size_t& produced)
{
    produced = 0;
    const std::size_t length = block.size();
    const uint8_t* s = block.data();
    uint8_t* out = dst.data();
    const std::size_t capacity = dst.size();
    if (length <= 1)
        return DecodeStatus::Ok;
    if (s[0] == FastBlockCoder::kFlagStored) {
        if (length - 1 > capacity)
            return DecodeStatus::Inconsistent;
        std::memcpy(out, s + 1, length - 1);
        produced = length - 1;
        return DecodeStatus::Ok;
    }
    if (length < 3)
        return DecodeStatus::Truncated;

    std::size_t x = 1;
    std::size_t y = 0;
    for (bool first = true; x < length; first = false) {
        if (length - x < 2)
            return DecodeStatus::Truncated;
        Items items{uint32_t(s[x]) << 24 | uint32_t(s[x + 1]) << 16 | kLastItemMark, kItemsPerControlWord};
        x += 2;
        // Only the first control word may stand alone (a block of nothing);
        // any later one is there because more items follow.
        if (x == length && !first)
            return DecodeStatus::Truncated;
        if (length - x >= kGroupInput && capacity - y >= kGroupOutput) {
            if (const DecodeStatus status = decodeGroup(s, x, out, y, capacity, items); status != DecodeStatus::Ok)
                return status;
        }
        if (const DecodeStatus status = decodeChecked(s, x, length, out, y, capacity, items);
            status != DecodeStatus::Ok)
            return status;
    }
    produced = y;
    return DecodeStatus::Ok;
}
} // namespace

DecodeStatus FastBlockCoder::decompressBlock(std::span<const uint8_t> block, std::span<uint8_t> dst, std::size_t& produced)
{
    return decodeBlock(block, dst, produced);
}
