// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/data_folders.h"

#include <QDir>
#include <cstdlib>

#include "io/file_boundary.h"
#include "model/part_library.h"

namespace kelvaro {
namespace {

bool holdsLibrary(const std::filesystem::path& folder) {
    return !folder.empty() && entryExists(folder / "picture");
}

}  // namespace

std::filesystem::path userKelvaroFolder() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && std::filesystem::path(dataHome).is_absolute())
        return std::filesystem::path(dataHome) / "kelvaro";
    return toPath(QDir::homePath()) / ".local" / "share" / "kelvaro";
}

std::filesystem::path installedDataFolderFor(const std::filesystem::path& programFile) {
    return (programFile.parent_path() / KELVARO_BIN_TO_DATA).lexically_normal();
}

std::filesystem::path defaultLibrary(const std::filesystem::path& current,
                                     const std::filesystem::path& installed) {
    for (const std::filesystem::path& folder : {current, userKelvaroFolder(), installed}) {
        if (holdsLibrary(folder))
            return folder;
    }
    return current;
}

std::filesystem::path defaultLibrary() {
    return defaultLibrary(currentFolder(), installedDataFolderFor(runningProgramFile()));
}

}  // namespace kelvaro
