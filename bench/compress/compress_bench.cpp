// SPDX-License-Identifier: MIT
// Speed of both coders on one corpus buffer, beside LZ4 and zlib on the
// same bytes. The corpus comes from bench/compress/make_corpus.sh:
//   PELBIX_COMPRESS_CORPUS=/tmp/lzrw1-corpus.x/corpus.bin bench_compress
// Every benchmark reports MB/s of uncompressed data and the compressed size
// in percent of the input. Fast and LZ4 write into buffers allocated once,
// so page faults on fresh memory count for neither; the Good and zlib runs
// build a fresh output each time, as they always have.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <span>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

#include <lz4.h>
#include <zlib.h>

#include "core/compress/lzrw1codec.h"

namespace {
using Bytes = std::vector<uint8_t>;

const Bytes& corpus()
{
    static const Bytes bytes = [] {
        const char* path = std::getenv("PELBIX_COMPRESS_CORPUS");
        if (path == nullptr)
            return Bytes();
        std::ifstream in(path, std::ios::binary);
        return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }();
    return bytes;
}

bool haveCorpus(benchmark::State& state)
{
    if (corpus().empty()) {
        state.SkipWithError("set PELBIX_COMPRESS_CORPUS to the corpus.bin of make_corpus.sh");
        return false;
    }
    return true;
}

void report(benchmark::State& state, std::size_t packedSize)
{
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(corpus().size()));
    state.counters["percent"] = 100.0 * double(packedSize) / double(corpus().size());
}

// Times pack() on the corpus; pack returns the packed bytes.
template <class Pack>
void timePacking(benchmark::State& state, Pack pack)
{
    if (!haveCorpus(state))
        return;
    std::size_t packed = 0;
    for (auto _ : state) {
        const Bytes out = pack();
        packed = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    report(state, packed);
}

void lzrw1Pack(benchmark::State& state, CompressMode mode)
{
    timePacking(state, [mode] { return lzrw1Compress(corpus(), mode); });
}

void lzrw1Unpack(benchmark::State& state, CompressMode mode)
{
    if (!haveCorpus(state))
        return;
    const Bytes packed = lzrw1Compress(corpus(), mode);
    for (auto _ : state) {
        const Bytes out = lzrw1Decompress(packed);
        benchmark::DoNotOptimize(out.data());
    }
    if (lzrw1Decompress(packed) != corpus())
        state.SkipWithError("round trip differs");
    report(state, packed.size());
}

Bytes lz4Pack()
{
    Bytes out(std::size_t(LZ4_compressBound(int(corpus().size()))));
    const int n = LZ4_compress_default(reinterpret_cast<const char*>(corpus().data()), reinterpret_cast<char*>(out.data()),
                                       int(corpus().size()), int(out.size()));
    out.resize(std::size_t(n));
    return out;
}

Bytes zlibPack(int level)
{
    uLongf length = compressBound(uLong(corpus().size()));
    Bytes out(length);
    if (compress2(out.data(), &length, corpus().data(), uLong(corpus().size()), level) != Z_OK)
        throw std::runtime_error("zlib failed");
    out.resize(length);
    return out;
}

// Threads for a Fast run: the benchmark's argument, 0 meaning one per core.
unsigned threadsOf(const benchmark::State& state) { return unsigned(state.range(0)); }

// Fast coding into one buffer allocated up front, as the LZ4 runs do.
void BM_FastCompress(benchmark::State& state)
{
    if (!haveCorpus(state))
        return;
    Bytes out(lzrw1FastBound(corpus().size()));
    std::size_t packed = 0;
    for (auto _ : state) {
        packed = lzrw1CompressFast(corpus(), out, threadsOf(state));
        benchmark::DoNotOptimize(out.data());
    }
    out.resize(packed);
    if (out != lzrw1Compress(corpus(), CompressMode::Fast, {}, {}, kDefaultThreshold, 1))
        state.SkipWithError("threads changed the output");
    report(state, packed);
}

void BM_FastDecompress(benchmark::State& state)
{
    if (!haveCorpus(state))
        return;
    const Bytes packed = lzrw1Compress(corpus(), CompressMode::Fast);
    Bytes out(corpus().size());
    for (auto _ : state) {
        lzrw1DecompressInto(packed, out, {}, {}, threadsOf(state));
        benchmark::DoNotOptimize(out.data());
    }
    if (out != corpus())
        state.SkipWithError("round trip differs");
    report(state, packed.size());
}

void BM_GoodCompress(benchmark::State& state) { lzrw1Pack(state, CompressMode::Good); }
void BM_GoodDecompress(benchmark::State& state) { lzrw1Unpack(state, CompressMode::Good); }

void BM_Lz4Compress(benchmark::State& state)
{
    if (!haveCorpus(state))
        return;
    Bytes out(std::size_t(LZ4_compressBound(int(corpus().size()))));
    int packed = 0;
    for (auto _ : state) {
        packed = LZ4_compress_default(reinterpret_cast<const char*>(corpus().data()), reinterpret_cast<char*>(out.data()),
                                      int(corpus().size()), int(out.size()));
        benchmark::DoNotOptimize(out.data());
    }
    report(state, std::size_t(packed));
}

void BM_Lz4Decompress(benchmark::State& state)
{
    if (!haveCorpus(state))
        return;
    const Bytes packed = lz4Pack();
    Bytes out(corpus().size());
    for (auto _ : state) {
        const int n = LZ4_decompress_safe(reinterpret_cast<const char*>(packed.data()), reinterpret_cast<char*>(out.data()),
                                          int(packed.size()), int(out.size()));
        benchmark::DoNotOptimize(n);
    }
    report(state, packed.size());
}

void BM_ZlibCompress(benchmark::State& state)
{
    timePacking(state, [&state] { return zlibPack(int(state.range(0))); });
}

void BM_ZlibDecompress(benchmark::State& state)
{
    if (!haveCorpus(state))
        return;
    const Bytes packed = zlibPack(int(state.range(0)));
    Bytes out(corpus().size());
    for (auto _ : state) {
        uLongf length = uLongf(out.size());
        benchmark::DoNotOptimize(uncompress(out.data(), &length, packed.data(), uLong(packed.size())));
    }
    report(state, packed.size());
}
} // namespace

// Argument of the Fast runs: threads, 0 for one per core.
BENCHMARK(BM_FastCompress)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Lz4Compress)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FastDecompress)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Lz4Decompress)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_GoodCompress)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ZlibCompress)->Arg(1)->Arg(6)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_GoodDecompress)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ZlibDecompress)->Arg(1)->Arg(6)->Unit(benchmark::kMillisecond)->UseRealTime();
