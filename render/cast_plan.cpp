// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "render/cast_plan.h"

#include <algorithm>

#include "model/command_line_messages.h"
#include "model/part_library.h"

namespace kelvaro::render {
namespace {

// Every element that is not locked.
std::vector<int> unlockedElements(const Options& options) {
    std::vector<int> elements;
    for (int e = 0; e < kElementCount; ++e) {
        if (!options.locks ||
            std::find(options.locks->begin(), options.locks->end(), e) == options.locks->end())
            elements.push_back(e);
    }
    return elements;
}

// The elements each drawn portrait draws: Generuj's eight, or every element not locked.
std::vector<int> drawnElements(const Options& options) {
    if (!options.locks) {
        const auto generated = generatedElements();
        return {generated.begin(), generated.end()};
    }
    return unlockedElements(options);
}

// The palettes --colours draws from (none without it), or the lines saying why they cannot be
// used.
std::variant<std::unique_ptr<PaletteSet>, Lines> castPalettes(const Options& options) {
    auto set = std::make_unique<PaletteSet>();
    if (!options.colours)
        return set;
    *set = loadPaletteSet(options.palettes.value_or(bundledPaletteFolder()), {});
    if (set->failures.empty())
        return set;
    Lines failures;
    for (const std::string& failure : set->failures)
        failures.push_back(failureLine(failure));
    return failures;
}

// Each kind's palette in `set`, for every element not locked.
CastColours castColours(const PaletteSet& set, const Options& options) {
    CastColours draw;
    draw.palettes = kindPalettes(set);
    draw.elements = unlockedElements(options);
    return draw;
}

}  // namespace

std::variant<CastPlan, Lines> planCast(const Options& options, const Library& library) {
    auto palettes = castPalettes(options);
    if (auto* failures = std::get_if<Lines>(&palettes))
        return *failures;
    CastPlan plan;
    plan.palettes = std::get<std::unique_ptr<PaletteSet>>(std::move(palettes));
    plan.draw = castColours(*plan.palettes, options);
    plan.colours = options.colours;
    plan.elements = drawnElements(options);
    if (!options.base) {
        plan.base = openingDocument(library);
        return plan;
    }
    auto read = readPortrait(*options.base, library);
    if (const auto* failure = std::get_if<std::string>(&read))
        return Lines{*failure};
    plan.base = std::get<DocumentFile>(read).portrait;
    return plan;
}

std::uint64_t castSeed(const Options& options, int index) {
    return *options.seed + static_cast<std::uint64_t>(index);
}

std::string drawPortrait(PortraitRenderer& renderer, const CastPlan& plan, std::uint64_t seed) {
    std::string failure;
    renderer.drawFrom(plan.base, plan.elements, seed, failure, plan.drawnColours());
    return failure;
}

std::filesystem::path castName(int number, int count, ExportFormat format) {
    const std::size_t digits = std::max<std::size_t>(4, std::to_string(count).size());
    std::string name = std::to_string(number);
    name.insert(0, digits - std::min(digits, name.size()), '0');
    return name + suffixOf(format);
}

}  // namespace kelvaro::render
