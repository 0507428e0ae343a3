// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Run-time chosen x86 vector code. The sources named *_avx2.cpp are compiled on x86 alone (the
// build then defines KELVARO_X86); their kernels, marked KELVARO_AVX2, are compiled for AVX2
// whatever the build's target and only called when kernel_choice.h says the processor has it.
#pragma once

#ifdef KELVARO_X86
#include <immintrin.h>
#define KELVARO_AVX2 __attribute__((target("avx2")))
#endif
