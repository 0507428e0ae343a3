// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The SHA-256 compression kernels behind sha256(), named so that a test can run each of them.
#pragma once

#include <array>
#include <cstdint>

#include "model/sha256.h"

namespace kelvaro {

// The 64 round constants: the first 32 bits of the fractional parts of the cube roots of the
// first 64 primes.
extern const std::array<std::uint32_t, 64> kSha256RoundConstants;

// The compression in portable C++; runs everywhere.
void sha256BlocksPortable(std::uint32_t* state, const std::uint8_t* blocks, std::size_t count);

#ifdef KELVARO_X86
// The compression with the SHA extensions (and SSE4.1); only call it when
// sha256InstructionsAvailable() says so.
void sha256BlocksShaNi(std::uint32_t* state, const std::uint8_t* blocks, std::size_t count);
#endif

// Whether this processor runs sha256BlocksShaNi (false where it is not compiled).
bool sha256InstructionsAvailable();

}  // namespace kelvaro
