// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "imaging/premultiply_row.h"

#include <algorithm>

#include "imaging/blend.h"
#include "imaging/kernel_choice.h"

namespace kelvaro {

void premultiplyRowPortable(const Argb* source, int count, Argb* target) {
    std::transform(source, source + count, target, premultiply);
}

void premultiplyRow(const Argb* source, int count, Argb* target) {
#ifdef KELVARO_X86
    if (kernelFeatures().avx2) {
        premultiplyRowAvx2(source, count, target);
        return;
    }
#endif
    premultiplyRowPortable(source, count, target);
}

}  // namespace kelvaro
