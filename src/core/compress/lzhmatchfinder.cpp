#include "core/compress/lzhmatchfinder.h"

#include <bit>
#include <algorithm>
#include <cstring>

namespace {
// How many leading bytes two keys share (at least 1: the tree holds only
// keys with the same first byte), counting up to kMaxMatch.
int commonLength(const uint8_t* a, const uint8_t* b)
{
    static_assert(std::endian::native == std::endian::little);
    for (int i = 1; i < LzhMatchFinder::kMaxMatch; i += 8) {
        uint64_t x = 0;
        uint64_t y = 0;
        std::memcpy(&x, a + i, 8);
        std::memcpy(&y, b + i, 8);
        if (x != y)
            return std::min(i + std::countr_zero(x ^ y) / 8, int(LzhMatchFinder::kMaxMatch));
    }
    return LzhMatchFinder::kMaxMatch;
}
} // namespace

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
    int side = kRight;
    int p = kFirstRoot + key[0];
    m_child[r][kLeft] = m_child[r][kRight] = kNil;
    m_matchLength = 0;
    for (;;) {
        const int next = m_child[p][side];
        if (next == kNil) {
            m_child[p][side] = int16_t(r);
            m_parent[r] = int16_t(p);
            return;
        }
        p = next;
        const int i = commonLength(key, &m_text[p]);
        if (i >= kMaxMatch) {
            if (i > m_matchLength) {
                m_matchPosition = ((r - p) & (kRingSize - 1)) - 1;
                m_matchLength = i;
            }
            break;
        }
        side = key[i] >= m_text[p + i] ? kRight : kLeft;
        if (i > kThreshold) {
            const int position = ((r - p) & (kRingSize - 1)) - 1;
            if (i > m_matchLength) {
                m_matchPosition = position;
                m_matchLength = i;
            } else if (i == m_matchLength && position < m_matchPosition) {
                m_matchPosition = position;
            }
        }
    }
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
