// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "render/library_changes.h"

#include <algorithm>
#include <optional>

#include "model/document_file.h"
#include "render/render_jobs.h"

namespace kelvaro::render {
namespace {

namespace fs = std::filesystem;

// The documents the options name, each once, in the order of the command line.
std::vector<fs::path> documentsOf(const Options& options) {
    std::vector<fs::path> documents;
    const auto add = [&](const fs::path& file) {
        if (std::find(documents.begin(), documents.end(), file) == documents.end())
            documents.push_back(file);
    };
    std::for_each(options.portraits.begin(), options.portraits.end(), add);
    for (const auto& named : {options.base, options.expressionsFrom}) {
        if (named)
            add(*named);
    }
    return documents;
}

// The line for `file` when its parts changed or were renumbered; nothing when they were not or
// it cannot be read.
std::optional<std::string> changeLine(const fs::path& file, const Library& library) {
    const auto opened = openPortrait(file, library.base, *library.cache);
    const auto* portrait = std::get_if<OpenedPortrait>(&opened);
    if (portrait == nullptr || !portrait->changes.any())
        return std::nullopt;
    std::vector<std::string> listed = listedChanges(portrait->changes);
    listed.insert(listed.begin(), file.string());
    return failureLine(libraryChangedMessage(listed));
}

}  // namespace

std::vector<std::string> libraryChangeLines(const Options& options, const Library& library) {
    std::vector<std::string> lines;
    for (const fs::path& file : documentsOf(options)) {
        if (auto line = changeLine(file, library))
            lines.push_back(std::move(*line));
    }
    return lines;
}

}  // namespace kelvaro::render
