// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "editing/opening_portrait.h"

#include <exception>

#include "editing/part_prefetch.h"
#include "model/part_cache.h"
#include "model/pattern.h"
#include "model/portrait_ops.h"

namespace kelvaro {
namespace {

// The opened portrait, or null when a step failed or reported anything.
std::unique_ptr<PortraitState> openQuietly(const std::filesystem::path& settingsFile,
                                           const std::filesystem::path& baseDirectory,
                                           PartCache& cache) {
    auto state = std::make_unique<PortraitState>(readPattern(settingsFile));
    PartPrefetch prefetch(cache, layerPartFiles(*state, baseDirectory));
    openLibrary(*state, baseDirectory, cache);
    prefetch.finish();
    bool reported = false;
    const bool loaded = loadOpeningImages(*state, [&](const std::string&) { reported = true; });
    if (!loaded || reported)
        state.reset();
    return state;
}

}  // namespace

OpeningPortrait prepareOpening(const std::filesystem::path& settingsFile,
                               const std::filesystem::path& baseDirectory, PartCache& cache) {
    OpeningPortrait opening{settingsFile, baseDirectory, nullptr};
    try {
        opening.state = openQuietly(settingsFile, baseDirectory, cache);
    } catch (const std::exception&) {
        opening.state.reset();  // the owner's own opening meets the same and handles it
    }
    return opening;
}

void openLibrary(PortraitState& state, const std::filesystem::path& baseDirectory,
                 PartCache& cache) {
    state.baseDirectory = baseDirectory;
    state.partCache = &cache;
    countAllParts(state);
}

bool loadOpeningImages(PortraitState& state, const MessageSink& report) {
    if (!loadWall(state, report))
        return false;
    for (int layer : fullLoadOrder()) {
        if (!loadLayerOfElement(state, layer, report))
            return false;
    }
    recolourAllLayers(state);
    maskIris(state);
    return true;
}

}  // namespace kelvaro
