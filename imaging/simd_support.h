// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Run-time chosen x86 vector code. The sources named *_avx2.cpp and *_avx512.cpp are compiled on
// x86 alone (the build then defines KELVARO_X86); their kernels, marked KELVARO_AVX2 or
// KELVARO_AVX512, are compiled for those instructions whatever the build's target and only called
// when kernel_choice.h says the processor has them.
#pragma once

#ifdef KELVARO_X86
#include <immintrin.h>
#define KELVARO_AVX2 __attribute__((target("avx2")))
// The byte-permuting AVX-512 of recolour_avx512.cpp (64 table bytes a register).
#define KELVARO_AVX512 __attribute__((target("avx512f,avx512bw,avx512vbmi")))
#endif
