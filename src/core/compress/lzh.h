#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "core/compress/decodestatus.h"

// The Good coder: LZSS over a 4096-byte ring with matches of 3 to 60 bytes,
// literals and lengths sent through an adaptive Huffman tree and match
// positions through a fixed code for their upper six bits. The whole input
// is one stream of bits, most significant first.
class TLZH {
public:
    // Called now and then with the bytes consumed and produced so far.
    using Progress = std::function<void(std::size_t bytesIn, std::size_t bytesOut)>;

    // Appends the coded form of in to out.
    static void encode(std::span<const uint8_t> in, std::vector<uint8_t>& out, const Progress& progress = {});

    // Appends exactly size decoded bytes to out, or fails: Truncated when the
    // stream still asks for bits well past its end, Inconsistent when a match
    // would run past size.
    [[nodiscard]] static DecodeStatus decode(std::span<const uint8_t> in, std::size_t size,
                                             std::vector<uint8_t>& out, const Progress& progress = {});
};
