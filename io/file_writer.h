// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The writers of the program's files. Every file is replaced atomically: a reader sees the old
// content or the new, never a mix, and a failure leaves the old file whole. Only the settings
// file may instead be rewritten in place where no second copy can be made beside it.
#pragma once

#include <filesystem>
#include <string_view>

#include "io/file_result.h"

namespace kelvaro {

// Replaces `file` with `bytes` so that a reader sees either the old or the new content, or
// fails leaving the old file as it was. The rules:
// - a symbolic link is written through to its final target, also when that target does not
//   exist yet; the link itself stays;
// - a target that exists must be a regular file the user may write: a folder, device or FIFO,
//   and a file without write permission (mode 0444 also for root), are refused;
// - the bytes go to a new file beside the target, flushed to disk, then renamed over it, and the
//   folder is flushed too; the new file takes the replaced file's permissions (and its owner and
//   group where the system allows);
// - the file is never written in place: where no temporary file can be made beside the target
//   (a folder the user cannot write) or the disk has no room for it, the write fails;
// - temporary files a killed copy left in the target's folder, for any target, are removed the
//   first time this process writes into that folder (removeStaleTemporariesOnce).
// Every failure (read-only file or folder, missing folder, full disk, a folder in the way, an
// empty file name) carries its reason, and no temporary file is left behind.
FileResult replaceFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// For the settings file alone, whose folder may be one its user cannot write: replaces it as
// replaceFileAtomically does, but when no temporary file can be made beside an existing writable
// target, or the disk has no room for that second copy, writes the file in place instead. Its
// new size is reserved first, so a full disk fails before any byte changes; then the bytes are
// written, checked and flushed.
FileResult replaceFileOrRewriteInPlace(const std::filesystem::path& file, std::string_view bytes);

}  // namespace kelvaro
