// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The files and folders one operation makes, so that it can take them all back when a later one
// fails: the files it adds to a folder then leave no trace.
#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "io/file_result.h"

namespace kelvaro {

class NewFiles {
public:
    // Makes `folder` (its parent must exist) unless something is there already; remembered when
    // made. A failure with the system's reason when it cannot be made or is no folder.
    FileResult makeFolder(const std::filesystem::path& folder);
    // Writes `bytes` to `file` by replaceFileAtomically (file_writer.h) and remembers it.
    FileResult write(const std::filesystem::path& file, std::string_view bytes);
    // Removes every file written and folder made, the newest first; a folder that is no longer
    // empty stays.
    void removeAll();

private:
    std::vector<std::filesystem::path> m_made;  // in the order made
};

}  // namespace kelvaro
