// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The portrait the editor opens with, made before its window exists. The start-up makes it while
// Qt's start is still reading the font configuration; the portrait's owner adopts it when the
// window opens instead of opening the portrait again, provided it was made from the same settings
// file, the same pattern and the same library folder. Anything that failed or was reported while
// it was made leaves it empty, and the owner then opens as it always does (and reports then).
#pragma once

#include <filesystem>
#include <memory>

#include "model/part_library.h"
#include "model/portrait_state.h"

namespace kelvaro {

class PartCache;

struct OpeningPortrait {
    std::filesystem::path settingsFile;
    std::filesystem::path baseDirectory;
    // The opened portrait, as the owner's countParts and loadImages leave it; null when anything
    // failed or was reported.
    std::unique_ptr<PortraitState> state;
};

// Reads the pattern from `settingsFile` and opens the portrait on the library at `baseDirectory`
// with `cache` (which must outlive the portrait), decoding its part files on a second thread as
// well. Reports nothing and never throws: a failure gives an empty state.
OpeningPortrait prepareOpening(const std::filesystem::path& settingsFile,
                               const std::filesystem::path& baseDirectory, PartCache& cache);

// The opening's steps, shared by the owner and prepareOpening.
// Takes `baseDirectory` as the library, `cache` as where parts come from, and counts every
// element's parts.
void openLibrary(PortraitState& state, const std::filesystem::path& baseDirectory,
                 PartCache& cache);
// Loads the wall and every layer, recolours them and masks the iris; stops at the first failure,
// reported, and returns false.
bool loadOpeningImages(PortraitState& state, const MessageSink& report);

}  // namespace kelvaro
