// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Quality figures of a composed frame: channel differences against another composition.
#pragma once

#include "bench/bench_frames.h"

namespace kelvaro::bench {

struct Difference {
    double mean = 0;  // mean absolute difference over every channel of every pixel, in levels
    int largest = 0;
};

Difference differenceOf(const CanvasPixels& a, const CanvasPixels& b);

// The frame composed with a double-precision evaluation of the compositor's cubic per sample,
// each sample rounded and clamped, then blended like the compositor blends.
void composeReference(const Frame& frame, CanvasPixels& out);

}  // namespace kelvaro::bench
