#include "core/compress/lzrw1kh.h"

#include <algorithm>
#include <bit>
#include <cstring>

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
} // namespace

std::size_t TLZR::compressBlock(std::span<const uint8_t> src, uint8_t* dst)
{
    const std::size_t n = src.size();
    const uint8_t* s = src.data();
    m_hash.fill(kEmpty);

    dst[0] = kFlagCompressed;
    std::size_t y = 3;
    std::size_t z = 1;
    uint32_t control = 0;
    int items = 0;
    std::size_t x = 0;
    while (x < n && y <= n) {
        if (items == kItemsPerControlWord) {
            putWord(dst + z, control);
            z = y;
            y += 2;
            items = 0;
        }
        // Most bytes differ from the next one, which rules out a run at once.
        const std::size_t run = (x + 1 < n && s[x + 1] == s[x]) ? runLength(s, x, n) : 1;
        if (run >= kMinRun) {
            dst[y] = 0;
            putWord(dst + y + 1, uint32_t(run - kMinRun));
            dst[y + 3] = s[x];
            y += 4;
            x += run;
            control = control << 1 | 1;
        } else {
            std::size_t length = 0;
            std::size_t distance = 0;
            // The last two positions cannot start a match of three bytes; the
            // hash entry they would set is never looked at again in this block.
            if (x + 2 < n) {
                int16_t& entry = m_hash[hashOf(s + x)];
                const int candidate = entry;
                entry = int16_t(x);
                if (candidate != kEmpty && x - std::size_t(candidate) <= kMaxDistance &&
                    startsAlike(s + x, s + candidate, n - x)) {
                    const uint8_t* p = s + candidate;
                    const std::size_t limit = std::min(kMaxMatch, n - x);
                    std::size_t k = kMinMatch;
                    while (k < limit && s[x + k] == p[k])
                        ++k;
                    length = k;
                    distance = x - std::size_t(candidate);
                }
            }
            if (length != 0) {
                putWord(dst + y, uint32_t(distance << 4 | (length - kMinMatch)));
                y += 2;
                x += length;
                control = control << 1 | 1;
            } else {
                dst[y++] = s[x++];
                control <<= 1;
            }
        }
        ++items;
    }
    control = items == 0 ? 0 : control << (kItemsPerControlWord - items);
    putWord(dst + z, control);

    if (y > n) {
        dst[0] = kFlagStored;
        if (n != 0)
            std::memcpy(dst + 1, s, n);
        return n + 1;
    }
    return y;
}

DecodeStatus TLZR::decompressBlock(std::span<const uint8_t> block, uint8_t* dst, std::size_t& produced)
{
    produced = 0;
    const std::size_t length = block.size();
    const uint8_t* s = block.data();
    if (length <= 1)
        return DecodeStatus::Ok;
    if (s[0] == kFlagStored) {
        if (length - 1 > kBlockSize)
            return DecodeStatus::Inconsistent;
        std::memcpy(dst, s + 1, length - 1);
        produced = length - 1;
        return DecodeStatus::Ok;
    }
    if (length < 3)
        return DecodeStatus::Truncated;

    uint32_t control = uint32_t(s[1]) << 8 | s[2];
    int bitsLeft = kItemsPerControlWord;
    std::size_t x = 3;
    std::size_t y = 0;
    while (x < length) {
        if (bitsLeft == 0) {
            if (length - x < 2)
                return DecodeStatus::Truncated;
            control = uint32_t(s[x]) << 8 | s[x + 1];
            x += 2;
            bitsLeft = kItemsPerControlWord;
            if (x == length)
                return DecodeStatus::Truncated;
        }
        // The 0 bits up front are literals: take them in one go. The last
        // control word's spare bits are 0 too, so the block end caps them.
        const std::size_t literals = std::min({std::size_t(std::countl_zero(uint16_t(control))),
                                               std::size_t(bitsLeft), length - x});
        if (literals > 0) {
            if (literals > kBlockSize - y)
                return DecodeStatus::Inconsistent;
            if (length - x >= kWideCopy && kBlockSize - y >= kWideCopy)
                std::memcpy(dst + y, s + x, kWideCopy);
            else
                std::memcpy(dst + y, s + x, literals);
            x += literals;
            y += literals;
            control = (control << literals) & 0xFFFF;
            bitsLeft -= int(literals);
            continue;
        }
        if (length - x < 2)
            return DecodeStatus::Truncated;
        const std::size_t distance = std::size_t(s[x]) << 4 | s[x + 1] >> 4;
        if (distance == 0) {
            if (length - x < 4)
                return DecodeStatus::Truncated;
            const std::size_t run = (std::size_t(s[x + 1]) << 8 | s[x + 2]) + kMinRun;
            if (run > kBlockSize - y)
                return DecodeStatus::Inconsistent;
            std::memset(dst + y, s[x + 3], run);
            y += run;
            x += 4;
        } else {
            const std::size_t count = (s[x + 1] & 0x0F) + kMinMatch;
            // A distance past what this block has written would read before the buffer.
            if (distance > y || count > kBlockSize - y)
                return DecodeStatus::Inconsistent;
            uint8_t* out = dst + y;
            const uint8_t* from = out - distance;
            if (distance >= kMaxMatch && kBlockSize - y >= kMaxMatch) {
                // Copying the longest match whatever the count saves a variable-length call.
                std::memcpy(out, from, kMaxMatch);
            } else if (distance >= count) {
                std::memcpy(out, from, count);
            } else {
                // Overlapping copy: each byte may be one this copy just wrote.
                for (std::size_t k = 0; k < count; ++k)
                    out[k] = from[k];
            }
            y += count;
            x += 2;
        }
        control = (control << 1) & 0xFFFF;
        --bitsLeft;
    }
    produced = y;
    return DecodeStatus::Ok;
}
