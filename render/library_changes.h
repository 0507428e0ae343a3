// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Portraits whose part files changed in the library since they were saved: the renderer draws
// them all the same, with the parts the library holds now, and says so as the editor does.
#pragma once

#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/renumbered_parts.h"
#include "render/portrait_renderer.h"
#include "render/render_options.h"

namespace kelvaro::render {

// The lines of the documents a run has opened, noted as each is opened, so that no document is
// read a second time for its line. Safe to use from several threads at once.
class ChangeNotes {
public:
    // Notes what opening the portrait file `file` found in the library.
    void note(const std::filesystem::path& file, const LibraryChanges& changes);
    // The line noted for `file` (empty when nothing changed); nothing when it was not opened.
    std::optional<std::string> noted(const std::filesystem::path& file) const;

private:
    mutable std::mutex m_mutex;
    std::unordered_map<std::string, std::string> m_lines;
};

// The line for the portrait file `file` whose opening found `changes`: the editor's message,
// the document and the lines of listedChanges, joined by ": "; empty when nothing changed.
std::string changeLine(const std::filesystem::path& file, const LibraryChanges& changes);

// One line for each document the command line names (the PORTRAITs, --base and
// --expressions-from, each once, in that order) whose part files in `library` changed, went
// missing or were renumbered since it was saved: the editor's message, the document and the
// lines of listedChanges, joined by ": ", as noted in library.notes when the run opened it and
// read now otherwise. A document that cannot be read gets no line here (rendering it reports it).
std::vector<std::string> libraryChangeLines(const Options& options, const Library& library);

}  // namespace kelvaro::render
