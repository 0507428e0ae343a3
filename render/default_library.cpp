// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "render/default_library.h"

#include "io/file_boundary.h"
#include "model/data_folders.h"
#include "model/part_library.h"

namespace kelvaro::render {
namespace {

bool holdsLibrary(const std::filesystem::path& folder) {
    return !folder.empty() && entryExists(folder / "picture");
}

}  // namespace

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

}  // namespace kelvaro::render
