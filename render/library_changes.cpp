// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "render/library_changes.h"

#include <algorithm>
#include <optional>

#include "model/command_line_messages.h"
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

// The line for `file`, as noted or read now; empty when nothing changed or it cannot be read.
std::string lineOf(const fs::path& file, const Library& library) {
    if (library.notes) {
        if (auto noted = library.notes->noted(file))
            return *noted;
    }
    const auto opened = openPortrait(file, library.base, *library.cache);
    const auto* portrait = std::get_if<OpenedPortrait>(&opened);
    return portrait ? changeLine(file, portrait->changes) : std::string();
}

}  // namespace

void ChangeNotes::note(const fs::path& file, const LibraryChanges& changes) {
    std::string line = changeLine(file, changes);
    std::lock_guard lock(m_mutex);
    m_lines.insert_or_assign(file.native(), std::move(line));
}

std::optional<std::string> ChangeNotes::noted(const fs::path& file) const {
    std::lock_guard lock(m_mutex);
    const auto found = m_lines.find(file.native());
    if (found == m_lines.end())
        return std::nullopt;
    return found->second;
}

std::string changeLine(const fs::path& file, const LibraryChanges& changes) {
    if (!changes.any())
        return {};
    std::vector<std::string> listed = listedChanges(changes);
    listed.insert(listed.begin(), file.string());
    return failureLine(libraryChangedMessage(listed));
}

std::vector<std::string> libraryChangeLines(const Options& options, const Library& library) {
    std::vector<std::string> lines;
    for (const fs::path& file : documentsOf(options)) {
        if (std::string line = lineOf(file, library); !line.empty())
            lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace kelvaro::render
