// SPDX-License-Identifier: MIT
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Mono PCM WAV files of 8 bits (unsigned) or 16 bits (signed, little-endian).
class WavEncoder {
public:
    // samples in [-1, 1]; quantised with triangular dither from a fixed seed
    // while the sound is audible, and without it in silence, so quiet tails
    // end in true silence rather than hiss.
    [[nodiscard]] static std::string encode(const std::vector<double>& samples, int rate, int bits,
                                            std::uint64_t seed);
};
