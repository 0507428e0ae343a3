// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Where the palettes lie: beside the program or in its installed data, and the user's own.
#include <QDir>
#include <cstdlib>

#include "io/file_boundary.h"
#include "model/palette_library.h"

namespace kelvaro {
namespace {

constexpr const char* kPaletteFolderName = "palettes";

// $XDG_DATA_HOME when it is an absolute path, else ~/.local/share.
std::filesystem::path userDataFolder() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && std::filesystem::path(dataHome).is_absolute())
        return dataHome;
    return toPath(QDir::homePath()) / ".local" / "share";
}

}  // namespace

std::filesystem::path bundledPaletteFolderFor(const std::filesystem::path& programFile) {
    const std::filesystem::path beside = programFile.parent_path() / kPaletteFolderName;
    std::error_code error;
    if (std::filesystem::is_directory(beside, error))
        return beside;
    return (programFile.parent_path() / KELVARO_BIN_TO_DATA / kPaletteFolderName)
        .lexically_normal();
}

std::filesystem::path bundledPaletteFolder() {
    return bundledPaletteFolderFor(runningProgramFile());
}

std::filesystem::path userPaletteFolder() {
    return userDataFolder() / "kelvaro" / kPaletteFolderName;
}

}  // namespace kelvaro
