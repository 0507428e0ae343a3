// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// What a drawn cast (--random) needs before its first draw: the base it draws from, the elements
// it draws, the palettes of --colours, and the names of its files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <variant>

#include "model/palette_library.h"
#include "render/render_jobs.h"

namespace kelvaro::render {

struct CastPlan {
    PortraitDocument base;                 // --base, or the portrait the editor opens with
    std::vector<int> elements;             // Generuj's eight, or every element not locked
    std::unique_ptr<PaletteSet> palettes;  // what `draw` points into
    CastColours draw;                      // the palettes and elements of --colours
    bool colours = false;                  // --colours given

    // The colours each portrait draws, or null without --colours.
    const CastColours* drawnColours() const { return colours ? &draw : nullptr; }
};

// The plan of the cast `options` asks for on `library`, or the lines saying why there is none
// (a base or a palette that cannot be read).
std::variant<CastPlan, Lines> planCast(const Options& options, const Library& library);

// The seed of portrait `index` (from 0) of the cast: S + index, modulo 2^64.
std::uint64_t castSeed(const Options& options, int index);

// Draws a portrait of the plan on `renderer` with `seed`; the failure line, or "" when drawn.
std::string drawPortrait(PortraitRenderer& renderer, const CastPlan& plan, std::uint64_t seed);

// "0001.png": the number from 1, at least four digits, as many as the count has.
std::filesystem::path castName(int number, int count, ExportFormat format);

}  // namespace kelvaro::render
