// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Portraits whose part files changed in the library since they were saved: the renderer draws
// them all the same, with the parts the library holds now, and says so as the editor does.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "render/portrait_renderer.h"
#include "render/render_options.h"

namespace kelvaro::render {

// One line for each document the command line names (the PORTRAITs, --base and
// --expressions-from, each once, in that order) whose part files in `library` changed, went
// missing or were renumbered since it was saved: the editor's message, the document and the
// lines of listedChanges, joined by ": ". A document that cannot be read gets no line here
// (rendering it reports it).
std::vector<std::string> libraryChangeLines(const Options& options, const Library& library);

}  // namespace kelvaro::render
