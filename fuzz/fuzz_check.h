// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The fuzz targets' checks: a failed one names what failed and aborts, so that libFuzzer keeps
// the input as a crash and the corpus test fails.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace kelvaro::fuzz {

inline void check(bool holds, const char* what) {
    if (holds)
        return;
    std::fprintf(stderr, "check failed: %s\n", what);
    std::abort();
}

}  // namespace kelvaro::fuzz
