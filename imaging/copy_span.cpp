// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Whole-pixel spans: at angles that are multiples of 90 degrees every canvas pixel centre maps
// exactly onto a layer pixel centre, so the cubic reduces to copying that pixel. Samples taken
// once and kept (premultiplied, in canvas order) are blended the same way.
#include "imaging/blend.h"
#include "imaging/layer_placement.h"
#include "imaging/span_kernels.h"

namespace kelvaro {

void copySpan(const SpanJob& job) {
    const auto start =
        static_cast<int>((job.sampleY >> kFixedBits) * job.stride + (job.sampleX >> kFixedBits));
    const auto step =
        static_cast<int>((job.stepY >> kFixedBits) * job.stride + (job.stepX >> kFixedBits));
    const Argb* source = job.pixels + start;
    for (int i = 0; i < job.count; ++i, source += step) {
        if (job.cover[i] > job.level)
            continue;
        job.out[i] = blendOver(premultiply(*source), job.out[i]);
    }
}

void blendSpan(const SpanJob& job) {
    const Argb* source =
        job.pixels + (job.sampleY >> kFixedBits) * job.stride + (job.sampleX >> kFixedBits);
    for (int i = 0; i < job.count; ++i) {
        if (job.cover[i] <= job.level)
            job.out[i] = blendOver(source[i], job.out[i]);
    }
}

}  // namespace kelvaro
