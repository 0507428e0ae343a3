// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The file-by-file part of checking a library: what a file's header says, and decoding many part
// files on several threads.
#pragma once

#include <filesystem>
#include <memory>
#include <span>
#include <vector>

#include "model/library_check.h"
#include "model/part_cache.h"

namespace kelvaro {

// What a file is meant to be: a part (230x230, fitted as partFit says) or the wall (192x192,
// stretched).
enum class PictureRole { Part, Wall };

// Reads the header of the regular file about.path and appends to `out` what is wrong with it as
// a `role` picture: Undecodable (it does not open, or no decoder takes it), NotPng, WrongSize.
// Each finding is a copy of `about` with its kind and details set. True when a decoder takes the
// file by its header.
bool addHeaderFindings(const Finding& about, PictureRole role, std::vector<Finding>& out);

// decodePartFile of every file, on `threads` threads (0: one per core); null where a file does
// not decode. In the order of `files`.
std::vector<std::shared_ptr<const DecodedPart>> decodeInParallel(
    std::span<const std::filesystem::path> files, int threads);

}  // namespace kelvaro
