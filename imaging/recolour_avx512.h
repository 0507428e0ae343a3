// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Recolouring rows with AVX-512 byte permutes (AVX512-VBMI): sixteen pixels at a time, each
// colour byte looked up in its channel's 256-byte table by two two-register permutes. Only
// called where kernel_choice.h says the processor has it.
#pragma once

#include "imaging/pixels.h"
#include "imaging/recolour.h"

namespace kelvaro {

#ifdef KELVARO_X86
// Writes `count` pixels of `image` from those of `loaded` as recolourPixels does: the red, green
// and blue bytes of a pixel through their tables, its alpha kept; a pixel of alpha 0 copied as it
// is.
void recolourRowAvx512(const Argb* loaded, Argb* image, int count, const ChannelTable& red,
                       const ChannelTable& green, const ChannelTable& blue);
#endif

}  // namespace kelvaro
