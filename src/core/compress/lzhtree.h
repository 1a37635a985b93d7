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

    // One slot past the last node holds a frequency no node reaches, so the
    // search for a node to swap with always stops.
    std::array<uint32_t, kNodes + 1> m_freq{};
    // Parents of the nodes, then (from kNodes on) the node index of each symbol.
    std::array<int, kNodes + kSymbols> m_parent{};
    std::array<int, kNodes> m_child{};
};
