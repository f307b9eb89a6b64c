// Compression and decompression speed of the tally file's coder on 1 MiB of
// text and 1 MiB of random bytes, beside a plain copy of the same bytes.
#include "lzrw1block.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kSize = 1 << 20;

std::string makeText() {
    std::string text;
    const std::string line = "The quick brown fox jumps over the lazy dog; Hearts tally line ";
    for (int i = 0; text.size() < kSize; ++i) {
        text += std::to_string(i) + ": " + line + "\r\n";
    }
    text.resize(kSize);
    return text;
}

std::string makeRandom() {
    std::mt19937 generator(42);
    std::string bytes(kSize, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(generator() & 0xFF);
    }
    return bytes;
}

const std::string& input(int kind) {
    static const std::string text = makeText();
    static const std::string noise = makeRandom();
    return kind == 0 ? text : noise;
}

std::vector<std::string> compressAll(const std::string& data) {
    std::vector<std::string> blocks;
    for (std::size_t at = 0; at <= data.size(); at += lzrw1::kBlockSize) {
        blocks.push_back(
            lzrw1::compressBlock(std::string_view(data).substr(at, lzrw1::kBlockSize)));
    }
    return blocks;
}

void BM_Compress(benchmark::State& state) {
    const std::string& data = input(static_cast<int>(state.range(0)));
    std::size_t packed = 0;
    for (auto _ : state) {
        packed = 0;
        for (const std::string& block : compressAll(data)) {
            packed += block.size() + 2;
        }
        benchmark::DoNotOptimize(packed);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * data.size()));
    state.counters["ratio"] = static_cast<double>(packed) / static_cast<double>(data.size());
    state.SetLabel(state.range(0) == 0 ? "text" : "random");
}

void BM_Decompress(benchmark::State& state) {
    const std::string& data = input(static_cast<int>(state.range(0)));
    const std::vector<std::string> blocks = compressAll(data);
    std::string out;
    for (auto _ : state) {
        std::size_t total = 0;
        for (const std::string& block : blocks) {
            lzrw1::decompressBlock(block, out);
            total += out.size();
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * data.size()));
    state.SetLabel(state.range(0) == 0 ? "text" : "random");
}

void BM_PlainCopy(benchmark::State& state) {
    const std::string& data = input(static_cast<int>(state.range(0)));
    std::string copy(data.size(), '\0');
    for (auto _ : state) {
        std::memcpy(copy.data(), data.data(), data.size());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * data.size()));
    state.SetLabel(state.range(0) == 0 ? "text" : "random");
}

} // namespace

BENCHMARK(BM_Compress)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Decompress)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainCopy)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
