// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// What every kind of kelvaro-render run shares: reading portrait files, making the output folder,
// writing pictures, and running numbered jobs on workers that each own a renderer.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "model/document_file.h"
#include "model/renumbered_parts.h"
#include "render/portrait_renderer.h"
#include "render/render_options.h"

namespace kelvaro::render {

using Lines = std::vector<std::string>;

// The line for a picture that could not be written, with the reason.
std::string saveFailure(const std::filesystem::path& file, const FileResult& failure);

// ".png" or ".bmp".
const char* suffixOf(ExportFormat format);

// Without the wall for --transparent, with it otherwise.
Backdrop backdropOf(const Options& options);

// The edge length a portrait is written at: --size, or the size the document was saved with.
int edgeFor(const Options& options, const PortraitDocument& document);

// The document of a portrait file with the parts renumbered in the library at `base` followed,
// and what the library changed since it was saved (followLibrary, hashed through `cache`).
struct OpenedPortrait {
    DocumentFile document;
    LibraryChanges changes;
};

// The portrait file opened on the library, or the line that says why it cannot be read.
std::variant<OpenedPortrait, std::string> openPortrait(const std::filesystem::path& file,
                                                       const std::filesystem::path& base,
                                                       PartCache& cache);

// The document of a portrait file as openPortrait gives it on `library`, or the line that says
// why it cannot be read; what the library changed is noted in library.notes when it has them.
std::variant<DocumentFile, std::string> readPortrait(const std::filesystem::path& file,
                                                     const Library& library);

// Reads the portrait file (readPortrait on `library`, the renderer's) and makes `renderer` show
// it: its document, or the line that says why it cannot be shown.
std::variant<DocumentFile, std::string> showPortraitFile(PortraitRenderer& renderer,
                                                         const std::filesystem::path& file,
                                                         const Library& library);

// The folder made (with the folders above it) or found; the line that says why not otherwise.
std::optional<std::string> makeFolder(const std::filesystem::path& folder);

// The bytes of a picture file, composed and encoded; nothing when encoding fails.
using PictureBytes = std::function<std::optional<std::string>()>;

// Writes the bytes `make` gives (nothing when encoding failed) to `file` atomically; the failure
// line or "". Running out of memory while making them is a failure of that file like any other.
std::string writeBytes(const std::filesystem::path& file, const PictureBytes& make);

// Everything a run shares: the library, one renderer per worker, a failure line per job.
class Run {
public:
    // A run of `jobs` jobs on the library, with as many workers as the options ask for.
    Run(const Options& options, Library library, int jobs);

    // Runs job(index, renderer) for every job, with the progress bar; a job returns its failure
    // line or an empty one. The lines of the failed jobs, in job order.
    Lines each(const std::function<std::string(int, PortraitRenderer&)>& job);

    const Library& library() const { return m_library; }

    // Writes the portrait the renderer shows at `edge` to `file`; the failure line or "".
    std::string write(PortraitRenderer& renderer, int edge, ExportFormat format,
                      const std::filesystem::path& file, std::optional<std::uint64_t> seed);

private:
    const Options& m_options;
    Library m_library;
    int m_workers;
    std::vector<std::unique_ptr<PortraitRenderer>> m_renderers;
    std::vector<std::string> m_failures;
};

}  // namespace kelvaro::render
