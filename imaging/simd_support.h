// Run-time chosen x86 vector code: kernels marked KELVARO_AVX2 are compiled for AVX2 whatever
// the build's target, and only called after haveAvx2() says the processor has it.
#pragma once

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define KELVARO_HAVE_X86 1
#define KELVARO_AVX2 __attribute__((target("avx2")))
#endif
