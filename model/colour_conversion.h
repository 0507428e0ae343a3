// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// From a chosen colour to the five colour settings that tint a part to it.
#pragma once

#include "imaging/colour_settings.h"
#include "imaging/rgb.h"

namespace kelvaro {

// The settings with which the recolour turns `mainTone` into `target`: each multiplier brings its
// channel down, a brightness above 0 lifts all three when the target is lighter than the part
// can reach, and contrast stays 0. Where the recolour can reach the target the tone comes out
// within 2 levels per channel; otherwise as close as it can (the largest channel error as small
// as it can be). Brightness is used only when the multipliers alone miss some channel by more than
// 2 levels, so that the part keeps its shading where it can. Every value lies within what the edits
// accept (multipliers 0..255, brightness 0..100, contrast 0).
ColourSettings settingsForColour(Rgb mainTone, Rgb target);

}  // namespace kelvaro
