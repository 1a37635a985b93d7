// SPDX-License-Identifier: MIT
#include "core/compress/lzhtree.h"

#include <algorithm>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {
constexpr uint32_t kStopFreq = 0xFFFF;
}

LzhTree::LzhTree()
{
    for (int i = 0; i < kSymbols; ++i) {
        m_freq[i] = 1;
        m_child[i] = i + kNodes;
        m_parent[i + kNodes] = i;
    }
    for (int i = 0, j = kSymbols; j <= kRoot; i += 2, ++j) {
        m_freq[j] = m_freq[i] + m_freq[i + 1];
        m_child[j] = i;
        m_parent[i] = m_parent[i + 1] = j;
    }
    std::fill(m_freq.begin() + kNodes, m_freq.end(), kStopFreq);
    m_parent[kRoot] = 0;
}

void LzhTree::rebuild()
{
    m_topStale = true;
    // Gather the leaves at the front, halving their counts (rounding up so none becomes 0).
    int j = 0;
    for (int i = 0; i < kNodes; ++i) {
        if (m_child[i] >= kNodes) {
            m_freq[j] = (m_freq[i] + 1) / 2;
            m_child[j] = m_child[i];
            ++j;
        }
    }
    // Join the two lightest pending nodes and insert the sum in frequency order.
    for (int i = 0, next = kSymbols; next < kNodes; i += 2, ++next) {
        const uint32_t f = m_freq[i] + m_freq[i + 1];
        int k = next - 1;
        while (f < m_freq[k])
            --k;
        ++k;
        // Shift whole entries up by one; next - k entries move.
        for (int m = next; m > k; --m) {
            m_freq[m] = m_freq[m - 1];
            m_child[m] = m_child[m - 1];
        }
        m_freq[k] = f;
        m_child[k] = i;
    }
    for (int i = 0; i < kNodes; ++i) {
        const int k = m_child[i];
        if (k >= kNodes)
            m_parent[k] = i;
        else
            m_parent[k] = m_parent[k + 1] = i;
    }
}

int LzhTree::code(int c, std::array<uint8_t, kNodes>& bits) const
{
    std::array<uint8_t, kNodes> leafFirst;
    int depth = 0;
    for (int node = leaf(c); node != kRoot; node = m_parent[node])
        leafFirst[std::size_t(depth++)] = uint8_t(node & 1);
    for (int i = 0; i < depth; ++i)
        bits[std::size_t(i)] = leafFirst[std::size_t(depth - 1 - i)];
    return depth;
}

void LzhTree::update(int c)
{
    if (m_freq[kRoot] == kMaxFreq)
        rebuild();
    climb(m_parent[c + kNodes]);
}

void LzhTree::updateAlong(const int16_t* path, int length)
{
    if (m_freq[kRoot] == kMaxFreq) {
        // Rebuilding moves every node: the path no longer holds.
        update(m_child[path[length - 1]] - kNodes);
        return;
    }
    for (int i = length - 1; i >= 0; --i) {
        const int node = path[i];
        const uint32_t k = ++m_freq[node];
        if (k > m_freq[node + 1]) {
            // Past the first swap the nodes above are no longer the path's.
            climb(m_parent[restore(node, k)]);
            return;
        }
    }
}

void LzhTree::climb(int node)
{
    do {
        const uint32_t k = ++m_freq[node];
        if (k > m_freq[node + 1])
            node = restore(node, k);
        node = m_parent[node];
    } while (node != 0);
}

int LzhTree::restore(int node, uint32_t k)
{
    // The order is broken: swap with the last node of lower frequency.
    const int l = firstReaching(node + 2, k) - 1;
    m_freq[node] = m_freq[l];
    m_freq[l] = k;

    const int i = m_child[node];
    m_parent[i] = l;
    if (i < kNodes)
        m_parent[i + 1] = l;

    const int j = m_child[l];
    m_child[l] = i;
    m_parent[j] = node;
    if (j < kNodes)
        m_parent[j + 1] = node;
    m_child[node] = j;
    if (!m_topStale) {
        // Copied first: filling may mark node or l afresh.
        const TopSpan nodeSpan = m_topSpan[std::size_t(node)];
        const TopSpan lSpan = m_topSpan[std::size_t(l)];
        fillTop(nodeSpan.first, nodeSpan.count);
        fillTop(lSpan.first, lSpan.count);
    }
    return l;
}

int LzhTree::firstReaching(int from, uint32_t k) const
{
    // Frequencies never decrease along the table, so the nodes below k are
    // a prefix of each group of eight; most swaps go fewer than eight places.
#if defined(__SSE2__)
    const __m128i key = _mm_set1_epi32(int(k));
    for (int i = from;; i += kStopSlots) {
        const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(m_freq.data() + i));
        const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(m_freq.data() + i + 4));
        const unsigned below = unsigned(_mm_movemask_ps(_mm_castsi128_ps(_mm_cmplt_epi32(low, key)))) |
                               unsigned(_mm_movemask_ps(_mm_castsi128_ps(_mm_cmplt_epi32(high, key)))) << 4;
        if (below != 0xFF)
            return i + std::countr_one(below);
    }
#else
    int i = from;
    while (m_freq[std::size_t(i)] < k)
        ++i;
    return i;
#endif
}

void LzhTree::buildTop()
{
    m_topSpan.fill({});
    fillTop(0, unsigned(m_top.size()));
    m_topStale = false;
}

void LzhTree::fillTop(unsigned first, unsigned count)
{
    for (unsigned bits = first; bits < first + count; ++bits) {
        TopStep& step = m_top[bits];
        int node = m_child[kRoot];
        int depth = 0;
        while (depth < kTopBits && node < kNodes) {
            node += int(bits >> (kTopBits - 1 - depth)) & 1;
            ++depth;
            // The entries whose bits lead through this node.
            const unsigned below = 1u << (kTopBits - depth);
            m_topSpan[std::size_t(node)] = {uint16_t(bits & ~(below - 1)), uint16_t(below)};
            step.path[std::size_t(depth - 1)] = int16_t(node);
            node = m_child[std::size_t(node)];
        }
        step.next = int16_t(node);
        step.depth = int16_t(depth);
    }
}
