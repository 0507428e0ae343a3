// Replacing a small file in one step, so that a reader sees either the old or the new content.
#pragma once

#include <filesystem>
#include <string_view>

namespace kelvaro {

// Writes `bytes` to a new file beside `file`, flushes it to disk and renames it over `file`
// (over the final target when `file` is a symbolic link; an existing file keeps its
// permissions). Any failure (read-only or missing folder, full disk, a folder in the way)
// removes the temporary file, leaves the old file untouched and returns false.
bool replaceFileAtomically(const std::filesystem::path& file, std::string_view bytes);

}  // namespace kelvaro
