// SPDX-License-Identifier: MIT
// The parallel and streaming paths against the one-thread in-memory path,
// byte for byte. The first byte picks what the rest is:
//   0: a whole file from outside, decoded every way;
//   1: the seed of a Fast input of several blocks, coded every way, then
//      damaged where the seed says and decoded every way;
//   2: a Good input, coded in memory and streaming, then decoded both ways.
// Every way must give the same bytes or the same failure message.
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "core/compress/compressorerror.h"
#include "core/compress/lzrw1codec.h"
#include "core/compress/lzrw1stream.h"

namespace {
using Bytes = std::vector<uint8_t>;
constexpr unsigned kThreads = 3;
// Enough blocks that the parallel coder runs: it leaves small inputs to one thread.
constexpr std::size_t kFastBlocks = 5;

std::string attempt(const std::function<Bytes()>& code)
{
    try {
        const Bytes out = code();
        return std::string(out.begin(), out.end());
    } catch (const CompressorError& e) {
        return std::string("failed: ") + e.what();
    }
}

Bytes streamed(const std::function<void(std::istream&, std::ostream&)>& code, std::span<const uint8_t> in)
{
    std::istringstream input(std::string(in.begin(), in.end()));
    std::ostringstream output;
    code(input, output);
    const std::string s = output.str();
    return Bytes(s.begin(), s.end());
}

void decodeEveryWay(std::span<const uint8_t> file)
{
    const std::string reference = attempt([&] { return lzrw1Decompress(file, {}, {}, 1); });
    const std::string others[] = {
        attempt([&] { return lzrw1Decompress(file, {}, {}, kThreads); }),
        attempt([&] {
            const Lzrw1Header header = lzrw1ReadHeader(file);
            // Into needs the whole size up front; an absurd one is left to the other ways.
            if (header.size > file.size() * 1100 + (1u << 20))
                return lzrw1Decompress(file, {}, {}, kThreads);
            Bytes out(header.size);
            lzrw1DecompressInto(file, out, {}, {}, kThreads);
            return out;
        }),
        attempt([&] {
            return streamed([](std::istream& in, std::ostream& out) { lzrw1DecompressStream(in, out, {}, {}, {}, kThreads); },
                            file);
        }),
    };
    for (const std::string& other : others) {
        if (other != reference)
            std::abort();
    }
}

// Spreads the seed over several blocks: copies of it, each changed a little,
// so the blocks differ and compress unevenly.
Bytes expand(std::span<const uint8_t> seed)
{
    const std::size_t n = kFastBlocks * 32768 + (seed.size() * 977) % 32768;
    Bytes out(n);
    for (std::size_t i = 0; i < n; ++i)
        out[i] = seed.empty() ? uint8_t(i) : uint8_t(seed[i % seed.size()] + (i / seed.size()) * (i % 7 == 0));
    return out;
}

Bytes streamCompress(std::span<const uint8_t> plain, CompressMode mode)
{
    return streamed([&](std::istream& in, std::ostream& out) {
        lzrw1CompressStream(in, int64_t(plain.size()), out, mode, {}, {}, {}, kThreads);
    }, plain);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const auto rest = std::span(data + 1, size - 1);
    switch (data[0] % 3) {
    case 0:
        decodeEveryWay(rest);
        break;
    case 1: {
        const Bytes plain = expand(rest);
        Bytes file = lzrw1Compress(plain, CompressMode::Fast, {}, {}, kDefaultThreshold, 1);
        Bytes into(lzrw1FastBound(plain.size()));
        into.resize(lzrw1CompressFast(plain, into, kThreads));
        if (into != file || streamCompress(plain, CompressMode::Fast) != file)
            std::abort();
        // Damage: pairs of seed bytes give a place and a change; a last odd byte cuts the file.
        for (std::size_t i = 0; i + 1 < rest.size() && i < 16; i += 2)
            file[8 + (rest[i] * 7919u) % (file.size() - 8)] ^= rest[i + 1];
        if (rest.size() % 2 == 1)
            file.resize(file.size() - std::min<std::size_t>(file.size(), rest.back()));
        decodeEveryWay(file);
        break;
    }
    default: {
        const Bytes file = lzrw1Compress(rest, CompressMode::Good);
        if (streamCompress(rest, CompressMode::Good) != file)
            std::abort();
        decodeEveryWay(file);
        break;
    }
    }
    return 0;
}
