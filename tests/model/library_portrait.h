// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// A part library with several distinct parts per layer, written once per test program, and
// portraits opened on it the way the window opens them.
#pragma once

#include <filesystem>
#include <memory>

#include "model/portrait_state.h"

namespace kelvaro::test {

inline constexpr int kLibraryParts = 3;      // parts 000..002 of every layer
inline constexpr int kLibraryFaceParts = 4;  // the face has 000..003

// Layer L's part n: colours varying by pixel, alpha 0 outside a rectangle that depends on both;
// the eye shape's parts are discs of different sizes, so that the iris mask differs by part.
Argb libraryPixel(int layer, int part, int x, int y);

// The library's base folder (picture/ below it), written on first use.
const std::filesystem::path& libraryBase();

// A portrait on the library after the window's opening sequence: parts counted, wall and every
// layer loaded, every layer recoloured with the default settings, the iris masked.
std::unique_ptr<PortraitState> openedPortrait(const std::filesystem::path& base = libraryBase());

// The canvas as the window composes it.
std::unique_ptr<CanvasPixels> composed(const PortraitState& state);

// Tints `element` with `settings` as typing them into the edits with that element chosen does.
void tint(PortraitState& state, int element, ColourSettings settings);

}  // namespace kelvaro::test
