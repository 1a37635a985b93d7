// SPDX-License-Identifier: MIT
#include "wavgen/wavencoder.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {
constexpr std::uint32_t kFormatChunkSize = 16;
constexpr std::uint16_t kPcm = 1;
constexpr std::uint16_t kMono = 1;
constexpr double kSilence = 1e-4;

void put16(std::string& out, std::uint32_t v)
{
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

void put32(std::string& out, std::uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

class Dither {
public:
    explicit Dither(std::uint64_t seed) : m_state(seed * 0xD1B54A32D192ED03ULL + 7) {}
    // Triangular noise of one step peak, the sum of two uniform draws.
    double next() { return draw() + draw() - 1.0; }

private:
    double draw()
    {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(m_state >> 11) * 0x1.0p-53;
    }
    std::uint64_t m_state;
};
} // namespace

std::string WavEncoder::encode(const std::vector<double>& samples, int rate, int bits, std::uint64_t seed)
{
    if (bits != 8 && bits != 16)
        throw std::invalid_argument("only 8-bit and 16-bit PCM");
    const std::uint32_t bytesPerSample = static_cast<std::uint32_t>(bits / 8);
    const auto dataSize = static_cast<std::uint32_t>(samples.size()) * bytesPerSample;
    const std::uint32_t pad = dataSize % 2;   // chunks keep an even length

    std::string out = "RIFF";
    put32(out, 4 + (8 + kFormatChunkSize) + (8 + dataSize + pad));
    out += "WAVEfmt ";
    put32(out, kFormatChunkSize);
    put16(out, kPcm);
    put16(out, kMono);
    put32(out, static_cast<std::uint32_t>(rate));
    put32(out, static_cast<std::uint32_t>(rate) * bytesPerSample);
    put16(out, bytesPerSample);
    put16(out, static_cast<std::uint32_t>(bits));
    out += "data";
    put32(out, dataSize);

    Dither dither(seed);
    const double full = bits == 8 ? 127.0 : 32767.0;
    for (const double s : samples) {
        const double noise = dither.next();
        const double step = std::fabs(s) > kSilence ? s * full + noise : 0.0;
        const long q = std::clamp(std::lround(step), -static_cast<long>(full), static_cast<long>(full));
        if (bits == 8)
            out += static_cast<char>(static_cast<unsigned char>(q + 128));
        else
            put16(out, static_cast<std::uint32_t>(static_cast<std::uint16_t>(static_cast<std::int16_t>(q))));
    }
    if (pad)
        out += '\0';
    return out;
}
