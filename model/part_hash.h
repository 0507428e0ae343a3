// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The SHA-256 of part files, as portrait documents record them to tell later whether the library
// still holds the same parts. Every hash of the process goes through the part cache, which works
// each file version's hash out once.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "model/part_cache.h"

namespace kelvaro {

// The SHA-256 of the regular file at `file` in lower-case hex, worked out now; nothing when it
// cannot be read (missing, not a regular file, larger than any part file may be).
std::optional<std::string> fileSha256(const std::filesystem::path& file);

// fileSha256 of `file` as `cache` keeps it (PartCache::hashOfRead: while the cache's files are
// fixed, the part's next decode takes the bytes read here instead of reading the file again).
std::optional<std::string> partFileHash(const std::filesystem::path& file,
                                        PartCache& cache = sharedPartCache());

}  // namespace kelvaro
