// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/data_folders.h"

#include <QDir>
#include <cstdlib>

#include "io/file_boundary.h"

namespace kelvaro {

std::filesystem::path userKelvaroFolder() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && std::filesystem::path(dataHome).is_absolute())
        return std::filesystem::path(dataHome) / "kelvaro";
    return toPath(QDir::homePath()) / ".local" / "share" / "kelvaro";
}

std::filesystem::path installedDataFolderFor(const std::filesystem::path& programFile) {
    return (programFile.parent_path() / KELVARO_BIN_TO_DATA).lexically_normal();
}

}  // namespace kelvaro
