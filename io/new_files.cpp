// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "io/new_files.h"

#include <cerrno>
#include <system_error>

#include "io/file_writer.h"

namespace kelvaro {

FileResult NewFiles::makeFolder(const std::filesystem::path& folder) {
    std::error_code error;
    if (std::filesystem::create_directory(folder, error)) {
        m_made.push_back(folder);
        return {};
    }
    if (error)
        return systemFailure(error.value());
    return std::filesystem::is_directory(folder, error) ? FileResult{} : systemFailure(ENOTDIR);
}

FileResult NewFiles::write(const std::filesystem::path& file, std::string_view bytes) {
    FileResult written = replaceFileAtomically(file, bytes);
    if (written)
        m_made.push_back(file);
    return written;
}

void NewFiles::removeAll() {
    // Newest first, so that folders are empty when their turn comes.
    for (auto made = m_made.rbegin(); made != m_made.rend(); ++made) {
        std::error_code ignored;
        std::filesystem::remove(*made, ignored);  // a folder only when empty
    }
    m_made.clear();
}

}  // namespace kelvaro
