// Premultiplying a row of straight-alpha pixels, as premultiply() does per pixel; with AVX2 eight
// at a time where the processor has it.
#pragma once

#include "imaging/pixels.h"

namespace kelvaro {

void premultiplyRow(const Argb* source, int count, Argb* target);

}  // namespace kelvaro
