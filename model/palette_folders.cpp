// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Where the palettes lie: beside the program or in its installed data, and the user's own.
#include "io/file_boundary.h"
#include "model/data_folders.h"
#include "model/palette_library.h"

namespace kelvaro {
namespace {

constexpr const char* kPaletteFolderName = "palettes";

}  // namespace

std::filesystem::path bundledPaletteFolderFor(const std::filesystem::path& programFile) {
    const std::filesystem::path beside = programFile.parent_path() / kPaletteFolderName;
    std::error_code error;
    if (std::filesystem::is_directory(beside, error))
        return beside;
    return installedDataFolderFor(programFile) / kPaletteFolderName;
}

std::filesystem::path bundledPaletteFolder() {
    return bundledPaletteFolderFor(runningProgramFile());
}

std::filesystem::path userPaletteFolder() {
    return userKelvaroFolder() / kPaletteFolderName;
}

}  // namespace kelvaro
