// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The same frame composed by other libraries, for comparison: each peer converts the layers to
// its own premultiplied images once, then composes the wall and the turned layers per call.
#pragma once

#include <functional>

#include "bench/bench_frames.h"

namespace kelvaro::bench {

// Composes `frame` (its current angles) into `out`.
using Peer = std::function<void(const Frame& frame, CanvasPixels& out)>;

Peer makeCairoPeer(const Frame& frame);     // CAIRO_FILTER_BEST
Peer makePixmanPeer(const Frame& frame);    // separable-convolution cubic
Peer makeQPainterPeer(const Frame& frame);  // SmoothPixmapTransform

}  // namespace kelvaro::bench
