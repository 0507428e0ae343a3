// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Part and wall images read from their files: opened as io/ opens a regular file (never a
// folder, FIFO or device, see io/file_boundary.h), decoded as imaging/ decodes (codec.h).
#pragma once

#include <filesystem>
#include <memory>

#include "imaging/layer_bounds.h"
#include "imaging/pixels.h"

namespace kelvaro {

// The part image in `file` (decodePart, which also sets `nonZero` when given); false, `out`
// untouched, when the file is no regular file that opens or its image does not decode.
bool readPartImage(const std::filesystem::path& file, PartPixels& out, PixelBox* nonZero = nullptr);

// The part file whose whole content is `bytes`, decoded exactly as readPartImage decodes the file.
bool readPartBytes(const std::string& bytes, PartPixels& out, PixelBox* nonZero = nullptr);

// The background in `file` stretched over the canvas (decodeWall); false, `out` untouched, when
// the file is no regular file that opens or its image does not decode.
bool readWallImage(const std::filesystem::path& file, CanvasPixels& out);
// readWallImage into a canvas of its own, to be shared; null when it fails.
std::shared_ptr<const CanvasPixels> readWall(const std::filesystem::path& file);

}  // namespace kelvaro
