// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// kelvaro-render's benchmark helpers shared by its parts: drawn casts, timing, and the rate of
// face sheets of eight faces next to single portraits of the same size.
#pragma once

#include <chrono>
#include <vector>

#include "render/portrait_renderer.h"

namespace kelvaro::bench {

using Clock = std::chrono::steady_clock;

// Seconds of wall time since `start`.
double secondsSince(Clock::time_point start);

// A cast of `count` drawn from the library's opening portrait, as --random draws it (seeds 0..).
std::vector<PortraitDocument> castOf(const render::Library& library, int count);

// Prints, on the calling thread, the rate of RPG Maker MZ sheets (the base and the seven basic
// expressions, 144x144 faces, PNG with the recipe) of each of `cast`'s characters, and in the
// same run the rate of their single 144x144 portraits, as the program makes them.
void printSheetRates(const render::Library& library, const std::vector<PortraitDocument>& cast);

}  // namespace kelvaro::bench
