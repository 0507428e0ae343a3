// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The part library kelvaro-render reads when its command line names none.
#pragma once

#include <filesystem>

namespace kelvaro::render {

// The first of these that holds a library (has a picture/ entry, a link included, as the launcher
// tests it): `current` (the editor's own rule), the user's library userKelvaroFolder() (where
// kelvaro-launcher starts the editor), then the sample library `installed`. `current` when none
// does, so that the failure to open it names the folder the user is in.
std::filesystem::path defaultLibrary(const std::filesystem::path& current,
                                     const std::filesystem::path& installed);

// defaultLibrary() for the running program: its current folder, and the sample library installed
// with it.
std::filesystem::path defaultLibrary();

}  // namespace kelvaro::render
