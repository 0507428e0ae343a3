// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Premultiplying a row of straight-alpha pixels, as premultiply() does per pixel; with AVX2 eight
// at a time where the processor has it and kernel_choice.h allows it.
#pragma once

#include "imaging/pixels.h"

namespace kelvaro {

void premultiplyRow(const Argb* source, int count, Argb* target);

// The two ways premultiplyRow may take.
void premultiplyRowPortable(const Argb* source, int count, Argb* target);
#ifdef KELVARO_X86
void premultiplyRowAvx2(const Argb* source, int count, Argb* target);
#endif

}  // namespace kelvaro
