// SPDX-License-Identifier: MIT
#pragma once
#include <cstdint>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

// Inputs for the compressor tests: text-like, long runs and noise, all
// reproducible from their seed.
namespace testdata {
using Bytes = std::vector<uint8_t>;

inline Bytes bytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

inline Bytes bytes(std::initializer_list<int> values)
{
    Bytes out;
    for (const int v : values)
        out.push_back(uint8_t(v));
    return out;
}

inline Bytes randomBytes(std::size_t n, uint32_t seed = 1)
{
    std::mt19937 gen(seed);
    Bytes out(n);
    for (auto& b : out)
        b = uint8_t(gen());
    return out;
}

// Words drawn from a small vocabulary, so both coders find matches.
inline Bytes text(std::size_t n, uint32_t seed = 2)
{
    static const char* const kWords[] = {"the ", "dice ", "round ", "score ", "bank ", "roll ", "three ",
                                         "pairs ", "straight ", "of a kind ", "\r\n", "1500 ", "-1000 "};
    std::mt19937 gen(seed);
    Bytes out;
    while (out.size() < n) {
        const std::string w = kWords[gen() % std::size(kWords)];
        out.insert(out.end(), w.begin(), w.end());
    }
    out.resize(n);
    return out;
}

// Runs of 1 to 5000 equal bytes.
inline Bytes runs(std::size_t n, uint32_t seed = 3)
{
    std::mt19937 gen(seed);
    Bytes out;
    while (out.size() < n)
        out.insert(out.end(), 1 + gen() % 5000, uint8_t(gen()));
    out.resize(n);
    return out;
}

// The tally file's content when no game was ever played: 110 lines of the
// text table (column count, row count, then nine columns of twelve cells).
inline Bytes emptyTally()
{
    std::string text = "9\r\n12\r\n";
    for (int column = 0; column < 9; ++column) {
        text += "0\r\n";
        for (int row = 0; row < 11; ++row)
            text += (column == 1 && row < 10) ? "-1000\r\n" : "\r\n";
    }
    return bytesOf(text);
}
} // namespace testdata
