#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Every target: libFuzzer calls this with one input; the replay of a
// corpus calls it with each file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// A broken promise of the code under test: stop, so that the fuzzer keeps
// the input.
inline void require(bool holds) {
    if (!holds) {
        std::abort();
    }
}
