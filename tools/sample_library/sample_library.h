// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The sample part library bundled with Kelvaro: every part is drawn by this code, so a fresh
// installation opens on a finished face.
#pragma once

#include <QImage>
#include <array>
#include <filesystem>
#include <span>

#include "model/layer_tables.h"

namespace kelvaro::samples {

// Number of parts of element 0..14; parts are numbered from 000 without gaps.
int partCount(int element);

// True for the elements whose part 000 is empty, so the default portrait wears none of them.
bool hasEmptyDefault(int element);

// Part `number` (0 .. partCount - 1 of the layer's element) of layer 0..23: a 230x230
// Format_ARGB32 image (straight alpha) drawn for the default placement. A layer that has
// nothing to show for the number gets a fully transparent image.
QImage drawPart(int layer, int number);

// The opaque 192x192 background and the fully transparent 230x230 substitute part.
QImage drawWall();
QImage drawDummy();

// Writes folder/picture/ with all 24 layer folders, wall.png and dummy.png. Returns false as soon
// as a folder or file cannot be written.
bool writeSampleLibrary(const std::filesystem::path& folder);

// One part number per element.
using FaceParts = std::array<int, kElementCount>;

// The portrait as the editor shows it with every layer at its default place: the wall, then each
// layer's middle 192x192 pixels in draw order, the iris confined to the eye shape.
QImage composePortrait(const FaceParts& parts);

// Portraits side by side, each scaled up `scale` times with nearest-neighbour sampling.
QImage composeStrip(std::span<const FaceParts> faces, int scale);

}  // namespace kelvaro::samples
