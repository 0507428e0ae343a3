// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/sha256.h"

#include <algorithm>

#include "model/sha256_blocks.h"

#ifdef KELVARO_X86
#include <cpuid.h>
#endif

namespace kelvaro {
namespace {

constexpr std::size_t kBlockSize = 64;
constexpr std::size_t kLengthSize = 8;

constexpr std::array<std::uint32_t, 8> kInitialState{
    0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a, 0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};

// The last one or two blocks: the bytes left after the whole blocks, the 0x80 marker, zeros and
// the message length in bits, big-endian.
void compressTail(std::uint32_t* state, std::span<const std::uint8_t> rest,
                  std::uint64_t totalBytes, Sha256Blocks kernel) {
    std::array<std::uint8_t, 2 * kBlockSize> tail{};
    std::copy(rest.begin(), rest.end(), tail.begin());
    tail[rest.size()] = 0x80;
    const std::size_t blocks = rest.size() + 1 + kLengthSize > kBlockSize ? 2 : 1;
    const std::uint64_t bits = totalBytes * 8;
    for (std::size_t i = 0; i < kLengthSize; ++i)
        tail[blocks * kBlockSize - 1 - i] = static_cast<std::uint8_t>(bits >> (8 * i));
    kernel(state, tail.data(), blocks);
}

Sha256Digest digestOf(const std::array<std::uint32_t, 8>& state) {
    Sha256Digest digest{};
    for (std::size_t i = 0; i < digest.size(); ++i)
        digest[i] = static_cast<std::uint8_t>(state[i / 4] >> (24 - 8 * (i % 4)));
    return digest;
}

Sha256Blocks kernelForProcessor() {
#ifdef KELVARO_X86
    if (sha256InstructionsAvailable())
        return sha256BlocksShaNi;
#endif
    return sha256BlocksPortable;
}

}  // namespace

bool sha256InstructionsAvailable() {
#ifdef KELVARO_X86
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    constexpr unsigned kShaBit = 1u << 29;  // leaf 7, sub-leaf 0, EBX
    return __builtin_cpu_supports("sse4.1") && __get_cpuid_count(7, 0, &eax, &ebx, &ecx, &edx) &&
           (ebx & kShaBit) != 0;
#else
    return false;
#endif
}

Sha256Blocks chosenSha256Blocks() {
    static const Sha256Blocks chosen = kernelForProcessor();
    return chosen;
}

Sha256Digest sha256(std::span<const std::uint8_t> bytes, Sha256Blocks kernel) {
    std::array<std::uint32_t, 8> state = kInitialState;
    const std::size_t whole = bytes.size() / kBlockSize;
    if (whole > 0)
        kernel(state.data(), bytes.data(), whole);
    compressTail(state.data(), bytes.subspan(whole * kBlockSize), bytes.size(), kernel);
    return digestOf(state);
}

}  // namespace kelvaro
