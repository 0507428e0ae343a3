// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The palettes on disk: the bundled ones beside the program ("palettes/" in the build tree,
// share/kelvaro/palettes/ when installed) and the user's own in $XDG_DATA_HOME/kelvaro/palettes/
// (~/.local/share/kelvaro/palettes/ by default). The bundled set holds one palette per kind:
// skin.gpl "Skóra", hair.gpl "Włosy", eyes.gpl "Oczy", general.gpl "Ogólna".
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "io/file_result.h"
#include "model/colour_links.h"
#include "model/palette.h"

namespace kelvaro {

// One palette file as read: the palette, or the reason it cannot be used (the file's problem as
// a Japanese message with the path, ready to show).
struct PaletteFailure {
    std::string message;
};
std::variant<Palette, PaletteFailure> readPaletteFile(const std::filesystem::path& file);

// The bundled palettes' folder for the program file `programFile`: "palettes" beside it if that
// exists, else ../share/kelvaro/palettes from its folder.
std::filesystem::path bundledPaletteFolderFor(const std::filesystem::path& programFile);
// The same for the running program.
std::filesystem::path bundledPaletteFolder();
// $XDG_DATA_HOME/kelvaro/palettes (the default when unset or not absolute).
std::filesystem::path userPaletteFolder();

// The palettes a portrait's colours are chosen from: the bundled ones first (one per kind, in
// kind order), then the other readable ".gpl" files of the folders in name order.
struct PaletteSet {
    std::vector<Palette> palettes;
    // The index in `palettes` of each kind's palette, by PaletteKind; -1 when its file is missing
    // or broken.
    std::array<int, kPaletteKindCount> byKind{-1, -1, -1, -1};
    // One message per file that could not be used.
    std::vector<std::string> failures;

    const Palette* palette(PaletteKind kind) const;
};

// Reads `bundled` and then `user` (either may be missing). Only regular files whose names end in
// ".gpl" (any case) count, at most 256 per folder in name order (one failure names a folder with
// more); a missing kind file leaves its kind at -1 without a message, a broken one gives one.
PaletteSet loadPaletteSet(const std::filesystem::path& bundled, const std::filesystem::path& user);

// Copies the palette file `source` into `userFolder` (made when missing) under its own name, or
// under a free "name-2.gpl", ... when that is taken, through the atomic writer; the copy always
// ends in ".gpl" and holds the source's bytes unchanged. Refused with the reader's message when
// `source` is not a usable palette, and with "パレットを取り込めません", the path and the reason
// when the folder or the file cannot be made (read-only folder, full disk); nothing is written
// then.
struct PaletteImport {
    bool ok = false;
    std::string message;  // when not ok: what to show
    std::filesystem::path written;
};
PaletteImport importPalette(const std::filesystem::path& source,
                            const std::filesystem::path& userFolder);

}  // namespace kelvaro
