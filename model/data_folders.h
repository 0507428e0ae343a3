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

// The part library a command-line program reads when its command line names none: the first of
// these that holds a library (has a picture/ entry, a link included, as the launcher tests it):
// `current` (the editor's own rule), the user's library userKelvaroFolder() (where
// kelvaro-launcher starts the editor), then the sample library `installed`. `current` when none
// does, so that the failure to open it names the folder the user is in.
std::filesystem::path defaultLibrary(const std::filesystem::path& current,
                                     const std::filesystem::path& installed);

// defaultLibrary() for the running program: its current folder, and the sample library installed
// with it.
std::filesystem::path defaultLibrary();

}  // namespace kelvaro
