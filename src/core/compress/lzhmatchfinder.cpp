// SPDX-License-Identifier: MIT
#include "core/compress/lzhmatchfinder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace {
// How many leading bytes two keys share, counting up to kMaxMatch, when
// they are known to share the first known bytes (at least 1: the tree
// holds only keys with the same first byte).
int commonLength(const uint8_t* a, const uint8_t* b, int known)
{
    static_assert(std::endian::native == std::endian::little);
    for (int i = known; i < LzhMatchFinder::kMaxMatch; i += 8) {
        uint64_t x = 0;
        uint64_t y = 0;
        std::memcpy(&x, a + i, 8);
        std::memcpy(&y, b + i, 8);
        if (x != y)
            return std::min(i + std::countr_zero(x ^ y) / 8, int(LzhMatchFinder::kMaxMatch));
    }
    return LzhMatchFinder::kMaxMatch;
}
inline uint64_t byteswap64(uint64_t v) { return __builtin_bswap64(v); }
} // namespace

void LzhMatchFinder::setMatch(int best)
{
    const int length = best >> 12;
    m_matchLength = length > kThreshold ? length : 0;
    m_matchPosition = kRingSize - 1 - (best & (kRingSize - 1));
}

LzhMatchFinder::LzhMatchFinder()
{
    for (int i = 0; i < kRingSize - kMaxMatch; ++i)
        m_text[i] = ' ';
    for (int i = kFirstRoot; i < kFirstRoot + 256; ++i)
        m_child[i][kRight] = kNil;
    for (int i = 0; i < kRingSize; ++i)
        m_parent[i] = kNil;
}

void LzhMatchFinder::insert(int r)
{
    const uint8_t* key = &m_text[r];
    m_child[r][kLeft] = m_child[r][kRight] = kNil;
    int p = kFirstRoot + key[0];
    int node = m_child[p][kRight];
    if (node == kNil) {
        m_child[p][kRight] = int16_t(r);
        m_parent[r] = int16_t(p);
        m_matchLength = 0;
        return;
    }
    // The best match so far as one number: its length above, then how much
    // nearer than the farthest position it lies, so that the larger is the better.
    int best = 0;
    auto score = [r](int length, int at) { return length << 12 | (kRingSize - ((r - at) & (kRingSize - 1))); };
    // What the key shares with the nearest nodes below and above it on the
    // way down. Every key left in the subtree lies between those two, so it
    // shares at least the shorter of the two with the key: no need to compare it again.
    int belowLength = 1;
    int aboveLength = 1;
    for (;;) {
        p = node;
        // Both children load while the keys are compared; the comparison only picks one.
        uint32_t children = 0;
        std::memcpy(&children, m_child[p].data(), sizeof children);
        const int known = std::min(belowLength, aboveLength);
        uint64_t x = 0;
        uint64_t y = 0;
        std::memcpy(&x, key + known, 8);
        std::memcpy(&y, &m_text[p + known], 8);
        int i = 0;
        bool keyAbove = false;
        if (x != y) {
            i = known + std::countr_zero(x ^ y) / 8;
            // Read high byte first, the words order as the keys do at their first difference.
            keyAbove = byteswap64(x) > byteswap64(y);
        } else {
            i = commonLength(key, &m_text[p], known + 8);
            keyAbove = i < kMaxMatch && key[i] > m_text[p + i];
        }
        if (i >= kMaxMatch) {
            // No key on the way matched in full, or the walk would have ended there.
            best = score(kMaxMatch, p);
            break;
        }
        best = std::max(best, score(i, p));
        // Which way the walk goes is a coin toss to the branch predictor:
        // everything that depends on it is picked by arithmetic, not by jumps.
        const int side = int(keyAbove);
        node = int16_t(children >> (16 * side));
        const int toRight = -side;
        belowLength = (i & toRight) | (belowLength & ~toRight);
        aboveLength = (aboveLength & toRight) | (i & ~toRight);
        if (node == kNil) {
            m_child[p][std::size_t(side)] = int16_t(r);
            m_parent[r] = int16_t(p);
            setMatch(best);
            return;
        }
    }
    setMatch(best);
    // r matches p in full: r takes p's place, the older p leaves the tree.
    const int up = m_parent[p];
    m_parent[r] = int16_t(up);
    m_child[r] = m_child[p];
    m_parent[m_child[p][kLeft]] = int16_t(r);
    m_parent[m_child[p][kRight]] = int16_t(r);
    m_child[up][m_child[up][kRight] == p ? kRight : kLeft] = int16_t(r);
    m_parent[p] = kNil;
}

void LzhMatchFinder::remove(int p)
{
    if (m_parent[p] == kNil)
        return;
    int q;
    if (m_child[p][kRight] == kNil) {
        q = m_child[p][kLeft];
    } else if (m_child[p][kLeft] == kNil) {
        q = m_child[p][kRight];
    } else {
        // Both sides taken: the rightmost node of the left side takes p's place.
        q = m_child[p][kLeft];
        if (m_child[q][kRight] != kNil) {
            do {
                q = m_child[q][kRight];
            } while (m_child[q][kRight] != kNil);
            m_child[m_parent[q]][kRight] = m_child[q][kLeft];
            m_parent[m_child[q][kLeft]] = m_parent[q];
            m_child[q][kLeft] = m_child[p][kLeft];
            m_parent[m_child[p][kLeft]] = int16_t(q);
        }
        m_child[q][kRight] = m_child[p][kRight];
        m_parent[m_child[p][kRight]] = int16_t(q);
    }
    const int up = m_parent[p];
    m_parent[q] = int16_t(up);
    m_child[up][m_child[up][kRight] == p ? kRight : kLeft] = int16_t(q);
    m_parent[p] = kNil;
}
