// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The steps the two writers of file_writer.h share; not for use outside io/.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string_view>

#include "io/file_result.h"

namespace kelvaro::replace {

// What an atomic replacement came to, and whether a write in place could still take the bytes:
// the target exists as a writable regular file, and the replacement failed only because no
// temporary file could be made beside it or the disk had no room for one.
struct Attempt {
    FileResult result;
    std::filesystem::path target;  // the final target of the links at the file's name
    bool inPlacePossible = false;
};

// The atomic replacement of replaceFileAtomically, reporting what a write in place may do.
Attempt replaceBeside(const std::filesystem::path& file, std::string_view bytes);

// Writes every byte to `fd` from `offset` on; 0, or the error number of the write that failed.
int writeAll(int fd, std::string_view bytes, off_t offset);

}  // namespace kelvaro::replace
