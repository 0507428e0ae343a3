// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Which of the compositor's kernels run: chosen once, when first asked, from the processor's
// features, less those a test program switches off to prove that the general path gives the
// same pixels. The editor never switches anything off.
#pragma once

#include <optional>
#include <string_view>

namespace kelvaro {

struct KernelFeatures {
    bool avx2 = false;      // the AVX2 kernels (copy, cubic, premultiply)
    bool fastPaths = true;  // the copy kernels and the cover pass; off: every layer is drawn in
                            // full by the portable cubic kernel
    bool avx512 = false;    // the AVX-512 kernels (recolouring by byte permutes, AVX512-VBMI)
};

// The features in force.
const KernelFeatures& kernelFeatures();

// `features` less those named in a comma-separated list: "avx2" (the portable kernels instead of
// the vector ones, AVX-512 as well), "avx512" (the AVX-512 kernels alone) and "fastpaths" (the
// general path alone, which also means no vector kernels). Empty
// names are skipped; nothing when a name is unknown.
std::optional<KernelFeatures> withoutFeatures(KernelFeatures features, std::string_view names);

// Switches off the features named (as withoutFeatures reads them) for the rest of the process.
// False, changing nothing, when a name is unknown. Meant for test programs, before anything is
// composed.
bool disableKernelFeatures(std::string_view names);

}  // namespace kelvaro
