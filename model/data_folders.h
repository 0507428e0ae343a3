// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Where Kelvaro's data lies: the user's own folder (the one kelvaro-launcher starts the editor in,
// with its picture/ and palettes/) and the data installed with the programs.
#pragma once

#include <filesystem>

namespace kelvaro {

// $XDG_DATA_HOME/kelvaro; ~/.local/share/kelvaro when XDG_DATA_HOME is unset, empty or not an
// absolute path, as the launcher chooses it.
std::filesystem::path userKelvaroFolder();

// share/kelvaro of the installation `programFile` belongs to (bin/../share/kelvaro), whether it
// exists or not.
std::filesystem::path installedDataFolderFor(const std::filesystem::path& programFile);

}  // namespace kelvaro
