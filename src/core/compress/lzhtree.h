// SPDX-License-Identifier: MIT
#pragma once
#include <array>
#include <cstdint>

// The adaptive Huffman tree of the Good coder: 314 symbols (256 byte values
// and the match lengths 3 to 60), 627 nodes kept ordered by frequency so that
// a node's brother is at the next index. Encoder and decoder update it the
// same way after every symbol, so they stay in step without sending a table.
class LzhTree {
public:
    static constexpr int kSymbols = 314;
    static constexpr int kNodes = 2 * kSymbols - 1;
    static constexpr int kRoot = kNodes - 1;

    LzhTree();

    // Index of the node that holds symbol c.
    [[nodiscard]] int leaf(int c) const { return m_parent[c + kNodes]; }
    [[nodiscard]] int parent(int node) const { return m_parent[node]; }
    // First of the two children of an inner node; a value of kNodes or more
    // is a leaf: the symbol plus kNodes.
    [[nodiscard]] int child(int node) const { return m_child[node]; }

    // Puts the current code of symbol c into bits, root side first, one bit
    // per entry, and returns its length. Codes may be longer than 16 bits.
    int code(int c, std::array<uint8_t, kNodes>& bits) const;
    // The same code as one number, root side most significant, when it is at
    // most 64 bits long; returns its length, or 0 for a longer code.
    int shortCode(int c, uint64_t& bits) const
    {
        uint64_t word = 0;
        int depth = 0;
        for (int node = leaf(c); node != kRoot; node = m_parent[node]) {
            if (depth == 64)
                return 0;
            word |= uint64_t(node & 1) << depth++;
        }
        bits = word;
        return depth;
    }

    // The first levels of the tree as one table, for a decoder: by the next
    // kTopBits bits of a code, the nodes those bits walk through (as many
    // as depth; fewer than kTopBits when a leaf comes first) and the child
    // value reached (a pair of nodes, or a leaf).
    static constexpr int kTopBits = 6;
    struct TopStep {
        std::array<int16_t, kTopBits> path;
        int16_t next;
        int16_t depth;
    };
    const TopStep& top(unsigned bits)
    {
        if (m_topStale)
            buildTop();
        return m_top[bits];
    }

    // Counts one more occurrence of symbol c and restores the order.
    void update(int c);
    // The same for the symbol at the end of path: the nodes from the root
    // down to the symbol's node, as a decoder walked them. Following them
    // back up spares looking up each parent while the order holds.
    void updateAlong(const int16_t* path, int length);

private:
    // The root's frequency at which every frequency is halved.
    static constexpr uint32_t kMaxFreq = 0x8000;
    void rebuild();
    // Counts one more at node and everything above it.
    void climb(int node);
    // node's count has grown to k past the next node's: swaps it with the
    // last node of a lower count and returns where node's subtree now is.
    int restore(int node, uint32_t k);

    // The first node at or after from whose frequency is k or more.
    [[nodiscard]] int firstReaching(int from, uint32_t k) const;
    // The slots past the last node hold a frequency no node reaches, so the
    // search for a node to swap with always stops; there are enough of them
    // for the search to read a whole group at the last node.
    static constexpr int kStopSlots = 8;
    std::array<uint32_t, kNodes + kStopSlots> m_freq{};
    // Parents of the nodes, then (from kNodes on) the node index of each symbol.
    std::array<int, kNodes + kSymbols> m_parent{};
    std::array<int, kNodes> m_child{};

    // The table of the first levels is built when a decoder first asks for
    // it and after a rebuild; a swap of a node it passes through redoes the
    // entries below that node, which share the bits that lead to it.
    void buildTop();
    void fillTop(unsigned first, unsigned count);
    struct TopSpan {
        uint16_t first = 0;
        uint16_t count = 0;  // 0: not a node of the first levels
    };
    std::array<TopStep, 1 << kTopBits> m_top{};
    std::array<TopSpan, kNodes> m_topSpan{};
    bool m_topStale = true;
};
