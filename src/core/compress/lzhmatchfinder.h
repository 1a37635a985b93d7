// SPDX-License-Identifier: MIT
#pragma once
#include <array>
#include <cstdint>

// The Good coder's dictionary: a 4096-byte ring of the text seen so far plus
// the 60-byte look-ahead, with every position sorted into one binary search
// tree per first byte. Inserting a position finds its longest match among
// the positions met on the way down, preferring the nearest of equal length,
// and a position that matches in full replaces the older one in the tree.
class LzhMatchFinder {
public:
    static constexpr int kRingSize = 4096;
    static constexpr int kMaxMatch = 60;
    static constexpr int kThreshold = 2;

    // Bytes never written read as 0; the first kRingSize - kMaxMatch bytes are spaces.
    LzhMatchFinder();

    void insert(int r);
    void remove(int p);
    // Puts a byte at ring position p, mirrored past the ring end so a key
    // starting near the end reads on without wrapping.
    void put(int p, uint8_t c)
    {
        m_text[p] = c;
        if (p < kMaxMatch - 1)
            m_text[p + kRingSize] = c;
    }
    [[nodiscard]] uint8_t at(int p) const { return m_text[p]; }

    // Result of the last insert: length 0 when nothing longer than the threshold matched.
    [[nodiscard]] int matchLength() const { return m_matchLength; }
    // Distance back to the match, minus one.
    [[nodiscard]] int matchPosition() const { return m_matchPosition; }

private:
    // Takes the result of a walk: the best match as insert scores it.
    void setMatch(int best);

    static constexpr int kNil = kRingSize;
    static constexpr int kLeft = 0;
    static constexpr int kRight = 1;
    // Tree roots, one per first byte, follow the positions and the nil slot.
    static constexpr int kFirstRoot = kRingSize + 1;

    // The slack at the end lets keys be compared eight bytes at a time; it stays 0.
    static constexpr int kCompareSlack = 8;
    std::array<uint8_t, kRingSize + kMaxMatch - 1 + kCompareSlack> m_text{};
    // Children of each node, [0] left and [1] right, picked by the sign of
    // the comparison without a branch; 16 bits keep the tree in the L1 cache.
    std::array<std::array<int16_t, 2>, kRingSize + 257> m_child{};
    std::array<int16_t, kRingSize + 257> m_parent{};
    int m_matchLength = 0;
    int m_matchPosition = 0;
};
