// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "render/render_run.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <set>

#include "model/document_file.h"
#include "model/palette_library.h"
#include "model/part_library.h"
#include "model/portrait_export.h"
#include "model/sheet_layouts.h"
#include "render/job_runner.h"
#include "render/portrait_renderer.h"
#include "render/progress_bar.h"

namespace kelvaro::render {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// The line for a picture that could not be written, with the reason.
std::string saveFailure(const fs::path& file, const FileResult& failure) {
    return failureLine(fileFailureMessage("画像ファイルの保存に失敗しました", file, failure));
}

const char* suffixOf(ExportFormat format) {
    return format == ExportFormat::Png ? ".png" : ".bmp";
}

Backdrop backdropOf(const Options& options) {
    return options.transparent ? Backdrop::Transparent : Backdrop::Opaque;
}

// The document of a portrait file, or the line that says why it cannot be read.
std::variant<DocumentFile, std::string> readPortrait(const fs::path& file) {
    auto read = readDocumentFile(file);
    if (const auto* failure = std::get_if<OpenFailure>(&read))
        return failureLine(openErrorMessage(*failure, file));
    return std::get<DocumentFile>(std::move(read));
}

// Reads the portrait file and makes `renderer` show it: its document, or the line that says why
// it cannot be shown.
std::variant<DocumentFile, std::string> showPortraitFile(PortraitRenderer& renderer,
                                                         const fs::path& file) {
    auto read = readPortrait(file);
    if (const auto* document = std::get_if<DocumentFile>(&read)) {
        std::string failure;
        if (!renderer.show(document->portrait, failure))
            return failure;
    }
    return read;
}

// The folder made (with the folders above it) or found; the line that says why not otherwise.
std::optional<std::string> makeFolder(const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (!error && !fs::is_directory(folder, error))
        error = std::make_error_code(std::errc::not_a_directory);
    if (!error)
        return std::nullopt;
    return failureLine(fileFailureMessage("出力フォルダを作成できませんでした", folder,
                                          failureBecause(error.message())));
}

// Everything a run shares: the library, one renderer per worker, a failure line per job.
class Run {
public:
    Run(const Options& options, Library library, int jobs)
        : m_options(options),
          m_library(std::move(library)),
          m_workers(options.threads > 0 ? options.threads : defaultWorkerCount()),
          m_failures(static_cast<std::size_t>(jobs)) {
        m_renderers.resize(static_cast<std::size_t>(m_workers));
    }

    // Runs job(index, renderer) for every job, with the progress bar; a job returns its failure
    // line or an empty one.
    Lines each(const std::function<std::string(int, PortraitRenderer&)>& job) {
        const int count = static_cast<int>(m_failures.size());
        ProgressBar bar(count);
        runJobs(
            count, m_workers,
            [&](int index, int worker) {
                auto& renderer = m_renderers[static_cast<std::size_t>(worker)];
                if (!renderer)
                    renderer = std::make_unique<PortraitRenderer>(m_library);
                m_failures[static_cast<std::size_t>(index)] = job(index, *renderer);
            },
            [&](int done) { bar.show(done); });
        Lines lines;
        for (std::string& failure : m_failures) {
            if (!failure.empty())
                lines.push_back(std::move(failure));
        }
        return lines;
    }

    // Writes the portrait the renderer shows at `edge` to `file`; the failure line or "".
    std::string write(PortraitRenderer& renderer, int edge, ExportFormat format,
                      const fs::path& file, std::optional<std::uint64_t> seed) {
        const FileResult written =
            writePictureFile(file, renderer.fileBytes(edge, backdropOf(m_options), format, seed));
        return written ? std::string() : saveFailure(file, written);
    }

private:
    const Options& m_options;
    Library m_library;
    int m_workers;
    std::vector<std::unique_ptr<PortraitRenderer>> m_renderers;
    std::vector<std::string> m_failures;
};

int edgeFor(const Options& options, const PortraitDocument& document) {
    return options.size.value_or(exportEdgeLength(document.sizeChoice));
}

// Each PORTRAIT to OUT itself (one portrait, OUT not a folder) or into the folder OUT.
Lines renderPortraits(const Options& options, Library library) {
    std::error_code error;
    // "faces/" names a folder even before it exists.
    const bool oneFile = options.portraits.size() == 1 && options.output.has_filename() &&
                         !fs::is_directory(options.output, error);
    std::string extension = extensionOf(options.output);
    std::transform(extension.begin(), extension.end(), extension.begin(), ::tolower);
    const ExportFormat format = options.format.value_or(
        oneFile && extension == "bmp" ? ExportFormat::Bmp : ExportFormat::Png);
    std::vector<fs::path> outputs;
    std::set<fs::path> names;
    for (const fs::path& portrait : options.portraits) {
        const fs::path name = fs::path(portrait.stem()) += suffixOf(format);
        if (!oneFile && !names.insert(name).second)
            return {"出力ファイル名が重複しています: " + (options.output / name).string()};
        outputs.push_back(oneFile ? options.output : options.output / name);
    }
    if (const auto failure = oneFile ? std::nullopt : makeFolder(options.output))
        return {*failure};
    Run run(options, std::move(library), static_cast<int>(outputs.size()));
    return run.each([&](int index, PortraitRenderer& renderer) -> std::string {
        const auto shown =
            showPortraitFile(renderer, options.portraits[static_cast<std::size_t>(index)]);
        if (const auto* failure = std::get_if<std::string>(&shown))
            return *failure;
        const DocumentFile& document = std::get<DocumentFile>(shown);
        return run.write(renderer, edgeFor(options, document.portrait), format,
                         outputs[static_cast<std::size_t>(index)], document.seed);
    });
}

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

// "0001.png": the number from 1, at least four digits, as many as the count has.
fs::path castName(int number, int count, ExportFormat format) {
    const std::size_t digits = std::max<std::size_t>(4, std::to_string(count).size());
    std::string name = std::to_string(number);
    name.insert(0, digits - std::min(digits, name.size()), '0');
    return name + suffixOf(format);
}

// The palettes --colours draws from, or the lines saying why they cannot be used.
std::variant<PaletteSet, Lines> castPalettes(const Options& options) {
    PaletteSet set = loadPaletteSet(options.palettes.value_or(bundledPaletteFolder()), {});
    if (set.failures.empty())
        return set;
    Lines failures;
    for (const std::string& failure : set.failures)
        failures.push_back(failureLine(failure));
    return failures;
}

// Each kind's palette in `set`, for every element not locked.
CastColours castColours(const PaletteSet& set, const Options& options) {
    CastColours draw;
    for (int kind = 0; kind < kPaletteKindCount; ++kind)
        draw.palettes[static_cast<std::size_t>(kind)] = set.palette(static_cast<PaletteKind>(kind));
    draw.elements = unlockedElements(options);
    return draw;
}

Lines renderCast(const Options& options, Library library) {
    std::variant<PaletteSet, Lines> palettes = PaletteSet{};
    if (options.colours) {
        palettes = castPalettes(options);
        if (auto* failures = std::get_if<Lines>(&palettes))
            return *failures;
    }
    const CastColours draw = castColours(std::get<PaletteSet>(palettes), options);
    const CastColours* colours = options.colours ? &draw : nullptr;
    PortraitDocument base;
    if (options.base) {
        auto read = readPortrait(*options.base);
        if (const auto* failure = std::get_if<std::string>(&read))
            return {*failure};
        base = std::get<DocumentFile>(read).portrait;
    } else {
        base = openingDocument(library);
    }
    if (const auto failure = makeFolder(options.output))
        return {*failure};
    const ExportFormat format = options.format.value_or(ExportFormat::Png);
    const std::vector<int> elements = drawnElements(options);
    const int edge = edgeFor(options, base);
    Run run(options, std::move(library), options.count);
    return run.each([&](int index, PortraitRenderer& renderer) -> std::string {
        const std::uint64_t seed = *options.seed + static_cast<std::uint64_t>(index);
        std::string failure;
        if (!renderer.drawFrom(base, elements, seed, failure, colours))
            return failure;
        return run.write(renderer, edge, format,
                         options.output / castName(index + 1, options.count, format), seed);
    });
}

Lines renderSheet(const Options& options, Library library) {
    // The layout, its size and the number of portraits were checked with the command line.
    const SheetLayout layout = *sheetLayoutNamed(options.sheet);
    const int cell = cellEdge(layout, options.size);
    const int count = static_cast<int>(options.portraits.size());
    std::vector<PortraitImage> cells(static_cast<std::size_t>(count));
    Run run(options, std::move(library), count);
    Lines failures = run.each([&](int index, PortraitRenderer& renderer) -> std::string {
        const auto shown =
            showPortraitFile(renderer, options.portraits[static_cast<std::size_t>(index)]);
        if (const auto* failure = std::get_if<std::string>(&shown))
            return *failure;
        cells[static_cast<std::size_t>(index)] = renderer.picture(cell, backdropOf(options));
        return {};
    });
    if (!failures.empty())
        return failures;
    const PortraitImage sheet = composeSheet(layout, cell, cells);
    const FileResult written = writePictureFile(
        options.output, encodeImage(sheet, ExportFormat::Png, kRendererCompression));
    if (!written)
        return {saveFailure(options.output, written)};
    return {};
}

}  // namespace

Lines runRender(const Options& options) {
    auto opened = openLibrary(options.library.value_or(currentFolder()), sharedPartCache());
    if (const auto* failure = std::get_if<std::string>(&opened))
        return {*failure};
    Library library = std::get<Library>(std::move(opened));
    switch (options.mode) {
        case Mode::Cast:
            return renderCast(options, std::move(library));
        case Mode::Sheet:
            return renderSheet(options, std::move(library));
        default:
            return renderPortraits(options, std::move(library));
    }
}

}  // namespace kelvaro::render
