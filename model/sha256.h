// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// SHA-256 (FIPS 180-4) of a byte string, the hash part files are recorded by. The compression
// runs on the processor's SHA instructions where it has them, otherwise in portable code; both
// give the same digest.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace kelvaro {

using Sha256Digest = std::array<std::uint8_t, 32>;

// Compresses `count` consecutive 64-byte blocks at `blocks` into `state` (the eight working
// words, in order a..h). The kernels below all have this shape.
using Sha256Blocks = void (*)(std::uint32_t* state, const std::uint8_t* blocks, std::size_t count);

// The kernel hashing uses on this processor: the SHA-instruction one when it can run here,
// otherwise the portable one. Chosen once, when first asked.
Sha256Blocks chosenSha256Blocks();

// The SHA-256 of `bytes`, compressed by `kernel`.
Sha256Digest sha256(std::span<const std::uint8_t> bytes,
                    Sha256Blocks kernel = chosenSha256Blocks());

}  // namespace kelvaro
